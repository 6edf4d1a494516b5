// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "gearcommands.h"

#include "cameracontrols.h"
#include "cocpresets.h"
#include "gearchooser.h"
#include "geardatabase.h"
#include "mainwin.h"
#include "readernumbers.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>
#include <utility>

GearCommands::GearCommands(mainWin& window_)
    : QObject(&window_),
      window(window_), fullFocal{window_.c1_flength->minimum(), window_.c1_flength->maximum()},
      widestAperture(window_.c1_apature->minimum())
{
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(window, camera);
        connect(c.bodyButton, &QPushButton::clicked, this, [this, camera] { chooseBody(camera); });
        connect(c.lensButton, &QPushButton::clicked, this, [this, camera] { chooseLens(camera); });
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
    int current = -1;
    for (const BodyChoice& body : bodies) {
        if (body == gear(camera).body)
            current = int(entries.size());
        entries << (body.shortModel.isEmpty()
                        ? body.name()
                        : body.name() + QStringLiteral(" (") + body.shortModel + QLatin1Char(')'));
    }
    GearChooser chooser(&window, tr("Camera %1: camera body").arg(camera), entries, current);
    if (chooser.exec() == QDialog::Accepted)
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
    const auto label = [](QPushButton* button, const QString& name, bool found,
                          const QString& none) {
        QString text = name.isEmpty() ? none : name;
        if (!name.isEmpty() && !found)
            text = tr("%1 (not found)").arg(name);
        button->setToolTip(name.isEmpty() ? QString() : text);
        // The column keeps its width; a long name is shortened to fit it. The least width is
        // that of the text shown without a choice, so the rest of it is the button's margin.
        const QFontMetrics metrics = button->fontMetrics();
        const int margin = button->minimumWidth() - metrics.horizontalAdvance(none);
        const int room = std::max(button->width(), button->minimumWidth()) - margin;
        button->setText(metrics.elidedText(text, Qt::ElideRight, room));
    };
    // The form's own texts for no choice.
    label(c.bodyButton, g.body.isSet() ? g.body.name() : QString(), g.bodyFound,
          QCoreApplication::translate("mainWin", "Camera body…"));
    label(c.lensButton, g.lens.isSet() ? g.lens.name() : QString(), g.lensFound,
          QCoreApplication::translate("mainWin", "Lens…"));
    c.cropLabel->setText(g.body.crop > 0
                             ? tr("crop %1").arg(ReaderNumbers::significant(g.body.crop, 3))
                             : QString());
    c.cropLabel->setVisible(g.body.isSet() && g.body.crop > 0);
}
