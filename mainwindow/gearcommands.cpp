// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearcommands.h"

#include "bodyadder.h"
#include "cameracontrols.h"
#include "cocpresets.h"
#include "gearchooser.h"
#include "geardatabase.h"
#include "lenslimitclamp.h"
#include "mainwin.h"
#include "readernumbers.h"
#include "typingrangespinbox.h"
#include "windowform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <utility>

GearCommands::GearCommands(mainWin& window_)
    : QObject(&window_), window(window_), fullFocal{windowForm(window_).c1_flength->minimum(),
                                                    windowForm(window_).c1_flength->maximum()},
      widestAperture(windowForm(window_).c1_apature->minimum())
{
    new LensLimitClamp(window, *this);
    // A focal length beyond a lens's long end is typed in full, for the clamp to take it to
    // that end when editing ends.
    for (TypingRangeSpinBox* box : {windowForm(window).c1_flength, windowForm(window).c2_flength})
        box->setTypingMaximum(fullFocal[1]);
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(window, camera);
        connect(c.bodyButton, &QPushButton::clicked, this, [this, camera] { chooseBody(camera); });
        connect(c.lensButton, &QPushButton::clicked, this, [this, camera] { chooseLens(camera); });
        // A name elided for a narrow window is shown whole again when it widens.
        c.cropLabel->hide();
        c.cropFactorFormat->parentWidget()->installEventFilter(this);
        c.pixelSizeFormat->parentWidget()->installEventFilter(this);
        c.bodyButton->installEventFilter(this);
        c.lensButton->installEventFilter(this);
        // Lens names are the longer ones.
        for (auto [button, stretch] : {std::pair(c.bodyButton, 2), std::pair(c.lensButton, 3)}) {
            QSizePolicy policy = button->sizePolicy();
            policy.setHorizontalStretch(stretch);
            button->setSizePolicy(policy);
        }
        // The custom sensor's boxes keep their size at the row's start.
        if (auto* row = qobject_cast<QHBoxLayout*>(c.sensorRow->layout()))
            row->addStretch();
    }
}

GearCommands::~GearCommands() = default;

GearDatabase& GearCommands::database()
{
    if (!db)
        db = GearDatabase::loadInstalled();
    return *db;
}

void GearCommands::useDatabase(std::unique_ptr<GearDatabase> database)
{
    db = std::move(database);
}

void GearCommands::chooseBody(int camera)
{
    const QList<BodyChoice>& bodies = database().bodies();
    QStringList entries;
    QList<bool> takesLenses;
    int current = -1;
    for (const BodyChoice& body : bodies) {
        if (body == gear(camera).body)
            current = int(entries.size());
        entries << (body.shortModel.isEmpty()
                        ? body.name()
                        : body.name() + QStringLiteral(" (") + body.shortModel + QLatin1Char(')'));
        takesLenses << body.takesLenses();
    }
    GearChooser chooser(&window, tr("Camera %1: camera body").arg(camera), entries, current,
                        takesLenses);
    const QDate issued = db->issued();
    chooser.setNothingFoundNote(
        tr("Not in lensfun's database of %1. Update it with lensfun-update-data, or add the "
           "body.")
            .arg(issued.isValid() ? QLocale().toString(issued, QStringLiteral("d MMMM yyyy"))
                                  : tr("unknown date")));
    BodyChoice added;
    connect(chooser.addCommand(QStringLiteral("gearAddBody"), tr("Add a body…")),
            &QPushButton::clicked, &chooser, [&] {
                BodyAdder adder(&chooser, db->lensMounts());
                if (adder.exec() != QDialog::Accepted)
                    return;
                added = adder.body();
                db->addBody(added);
                chooser.accept();
            });
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (added.isSet())
        setBody(camera, added);
    else
        setBody(camera, chooser.chosen() < 0 ? BodyChoice() : bodies[chooser.chosen()]);
}

void GearCommands::chooseLens(int camera)
{
    const BodyChoice& body = gear(camera).body;
    QList<LensChoice> lenses;
    QStringList entries;
    int current = -1;
    for (const GearDatabase::Lens& lens : database().lenses()) {
        const bool fits =
            !body.isSet() || std::any_of(lens.mounts.begin(), lens.mounts.end(),
                                         [&](const QString& m) { return db->fits(m, body.mount); });
        if (!fits)
            continue;
        if (lens.choice == gear(camera).lens)
            current = int(entries.size());
        lenses << lens.choice;
        const QString stated = lens.choice.stated.text();
        entries << (stated.isEmpty() ? lens.choice.name()
                                     : lens.choice.name() + QStringLiteral("  ·  ") + stated);
    }
    GearChooser chooser(&window, tr("Camera %1: lens").arg(camera), entries, current);
    if (chooser.exec() == QDialog::Accepted)
        setLens(camera, chooser.chosen() < 0 ? LensChoice() : lenses[chooser.chosen()]);
}

void GearCommands::setBody(int camera, const BodyChoice& body)
{
    // The body and its sensor arrive together, or the body would not match the sensor
    // half-way and be let go.
    mainWin::RecalcBatch batch(&window);
    Gear& g = gears[camera - 1];
    g.body = body;
    g.bodyFound = true;
    show(camera);
    if (!body.isSet() || body.crop <= 0) {
        window.run();
        return;
    }
    const CameraControls c = cameraControls(window, camera);
    int format = window.sensorTable.formatWithCrop(body.crop);
    if (format < 0) {
        // A sensor of the body's diagonal, of the 3:2 most bodies have.
        const CocPresets::SensorSides sides =
            CocPresets::sidesOfDiagonal(CocPresets::fullFrameDiagonal / body.crop);
        c.sensorWidth->setValue(sides.width);
        c.sensorHeight->setValue(sides.height);
        format = window.sensorTable.customIndex();
    }
    c.cropFactorFormat->setCurrentIndex(format);
    c.pixelSizeFormat->setCurrentIndex(format);
    window.run();
}

void GearCommands::setLens(int camera, const LensChoice& lens)
{
    Gear& g = gears[camera - 1];
    g.lens = lens;
    g.lensFound = true;
    show(camera);
    // The focal length kept within the range, and the f-number within what the lens opens to
    // there.
    applyRanges(camera);
    followLens(camera);
    window.run();
}

void GearCommands::restore(int camera, const BodyChoice& body, const LensChoice& lens)
{
    Gear& g = gears[camera - 1];
    g.body = body;
    g.lens = lens;
    g.bodyFound = !body.isSet() || database().has(body);
    g.lensFound = !lens.isSet() || database().has(lens);
    applyRanges(camera);
    show(camera);
}

void GearCommands::copy(int from, int to)
{
    gears[to - 1] = gears[from - 1];
    applyRanges(to);
    show(to);
}

void GearCommands::beginSwap()
{
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(window, camera);
        c.flength->setRange(fullFocal[0], fullFocal[1]);
        c.aperture->setMinimum(widestAperture);
    }
}

void GearCommands::endSwap()
{
    std::swap(gears[0], gears[1]);
    for (int camera : {1, 2}) {
        applyRanges(camera);
        show(camera);
    }
}

void GearCommands::followLens(int camera)
{
    const LensRange& stated = gear(camera).lens.stated;
    if (!stated.isSet() || stated.widestAtMin <= 0)
        return;
    const CameraControls c = cameraControls(window, camera);
    c.aperture->setMinimum(std::max(widestAperture, stated.widestAperture(c.flength->value())));
}

void GearCommands::followSensor(int camera)
{
    Gear& g = gears[camera - 1];
    if (!g.body.isSet() || g.body.crop <= 0)
        return;
    const CameraControls c = cameraControls(window, camera);
    const int mode = c.cocMode->currentIndex();
    if (mode != CocByCropFactor && mode != CocByPixelSize)
        return;
    const int format =
        (mode == CocByCropFactor ? c.cropFactorFormat : c.pixelSizeFormat)->currentIndex();
    const double diagonal = format == window.sensorTable.customIndex()
                                ? std::hypot(c.sensorWidth->value(), c.sensorHeight->value())
                                : window.sensorTable.diagonal(format);
    if (std::abs(CocPresets::fullFrameDiagonal / diagonal / g.body.crop - 1) <= 0.01)
        return;
    g.body = BodyChoice();
    g.bodyFound = true;
    show(camera);
    // Another pass shows the sensor row without the body.
    window.run();
}

void GearCommands::placeCrop(int camera, int mode)
{
    const CameraControls c = cameraControls(window, camera);
    // On the group's title line, at its right end, outside every row's layout.
    QWidget* group =
        (mode == CocByPixelSize ? c.pixelSizeFormat : c.cropFactorFormat)->parentWidget();
    const bool shown = c.cropLabel->isVisibleTo(c.cropLabel->parentWidget());
    if (c.cropLabel->parentWidget() != group) {
        c.cropLabel->setParent(group);
        c.cropLabel->setVisible(shown);
    }
    c.cropLabel->adjustSize();
    c.cropLabel->move(
        group->width() - c.cropLabel->width() - c.cropLabel->fontMetrics().averageCharWidth(), 0);
    c.cropLabel->raise();
}

void GearCommands::applyRanges(int camera)
{
    const CameraControls c = cameraControls(window, camera);
    const LensRange& stated = gear(camera).lens.stated;
    if (stated.isSet()) {
        c.flength->setRange(std::max(fullFocal[0], stated.minFocal),
                            std::min(fullFocal[1], std::max(stated.minFocal, stated.maxFocal)));
        // What the lens allows anywhere in its range: the focal length may still change (a
        // project or a copy writes it next), and the recalculation then narrows it.
        const double widest = std::min(stated.widestAtMin, stated.widestAtMax);
        c.aperture->setMinimum(widest > 0 ? std::max(widestAperture, widest) : widestAperture);
    } else {
        c.flength->setRange(fullFocal[0], fullFocal[1]);
        c.aperture->setMinimum(widestAperture);
    }
}

void GearCommands::show(int camera)
{
    const CameraControls c = cameraControls(window, camera);
    const Gear& g = gear(camera);
    // The button leaves the maker out, which the sensor row and the tooltip tell, so that the
    // part that tells one body or lens from the next is shown whole at the window's default
    // size; a narrower window elides the middle.
    // A lens whose name does not fit shows what it does ("12-40mm f/2.8") instead.
    const auto label = [](QPushButton* button, const QString& name, QStringList shown, bool found,
                          const QString& none) {
        if (name.isEmpty()) {
            button->setToolTip(QString());
            button->setText(none);
            return;
        }
        QString tip = name;
        if (!name.isEmpty() && !found) {
            for (QString& text : shown)
                text = tr("%1 (not found)").arg(text);
            tip = tr("%1 (not found)").arg(name);
        }
        button->setToolTip(tip);
        const QFontMetrics metrics = button->fontMetrics();
        // What the style puts around a text, as the button's own size hint reckons it, so that
        // a text is shown whole where the window was made wide enough for it.
        QStyleOptionButton option;
        option.initFrom(button);
        const int anyText = 100;
        const int margin = button->style()
                               ->sizeFromContents(QStyle::CT_PushButton, &option,
                                                  QSize(anyText, metrics.height()), button)
                               .width() -
                           anyText;
        const int room = std::max(button->width(), button->minimumWidth()) - margin;
        shown.removeAll(QString());
        for (const QString& text : shown) {
            if (metrics.horizontalAdvance(text) <= room) {
                button->setText(text);
                return;
            }
        }
        button->setText(metrics.elidedText(shown.value(0), Qt::ElideMiddle, room));
    };
    const auto withoutMaker = [](const QString& name, const QString& maker) {
        return !maker.isEmpty() && name.startsWith(maker + QLatin1Char(' '), Qt::CaseInsensitive)
                   ? name.mid(maker.size() + 1)
                   : name;
    };
    // The form's own texts for no choice.
    label(c.bodyButton, g.body.isSet() ? g.body.name() : QString(), {g.body.model}, g.bodyFound,
          QCoreApplication::translate("mainWin", "Camera body…"));
    label(c.lensButton, g.lens.isSet() ? g.lens.name() : QString(),
          {withoutMaker(g.lens.name(), g.lens.maker), g.lens.stated.text()}, g.lensFound,
          QCoreApplication::translate("mainWin", "Lens…"));
    c.cropLabel->setText(g.body.crop > 0
                             ? tr("crop %1").arg(ReaderNumbers::significant(g.body.crop, 3))
                             : QString());
    c.cropLabel->setVisible(g.body.isSet() && g.body.crop > 0);
}

bool GearCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        for (int camera : {1, 2}) {
            const CameraControls c = cameraControls(window, camera);
            if (watched == c.bodyButton || watched == c.lensButton)
                show(camera);
            if (watched == c.cropLabel->parentWidget())
                placeCrop(camera, c.cocMode->currentIndex());
        }
    }
    return QObject::eventFilter(watched, event);
}
