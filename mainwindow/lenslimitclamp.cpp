// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "lenslimitclamp.h"

#include "cameracontrols.h"
#include "gearcommands.h"
#include "mainwin.h"
#include "readernumbers.h"
#include "typednumber.h"
#include "typingstart.h"
#include "windowform.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace {
constexpr int messageMilliseconds = 10000;
const char* const formTip = "zidovFormToolTip";

QString number(double value)
{
    return ReaderNumbers::marked(
        QString::number(value, 'f', 1).remove(QRegularExpression(QStringLiteral("\\.0$"))));
}
} // namespace

LensLimitClamp::LensLimitClamp(mainWin& window_, const GearCommands& gear_)
    : QObject(&window_), window(window_), gear(gear_)
{
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(window, camera);
        for (QDoubleSpinBox* box : {c.flength, c.aperture}) {
            box->setProperty(formTip, box->toolTip());
            box->installEventFilter(this);
        }
    }
}

int LensLimitClamp::cameraOf(QObject* box, bool& focal) const
{
    for (int camera : {1, 2}) {
        const CameraControls c = cameraControls(window, camera);
        if (box == c.flength || box == c.aperture) {
            focal = box == c.flength;
            return camera;
        }
    }
    return 0;
}

bool LensLimitClamp::eventFilter(QObject* watched, QEvent* event)
{
    const bool ends = event->type() == QEvent::FocusOut ||
                      (event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
    bool focal = false;
    if (ends) {
        if (const int camera = cameraOf(watched, focal))
            clamp(static_cast<QDoubleSpinBox*>(watched), camera, focal);
    }
    return QObject::eventFilter(watched, event);
}

void LensLimitClamp::clamp(QDoubleSpinBox* box, int camera, bool focal)
{
    const LensRange& stated = gear.gear(camera).lens.stated;
    QString text = box->text().trimmed();
    for (const QString& part : {box->prefix().trimmed(), box->suffix().trimmed()}) {
        if (!part.isEmpty())
            text.remove(part);
    }
    const std::optional<double> typed = typedNumber(text.trimmed());
    const bool limited = stated.isSet() && (focal || stated.widestAtMin > 0);
    double kept = 0;
    if (limited && typed && *typed < box->minimum())
        kept = box->minimum();
    else if (limited && focal && typed && *typed > box->maximum())
        kept = box->maximum();
    else {
        // Taken as typed: the box's own tooltip again.
        box->setToolTip(box->property(formTip).toString());
        return;
    }
    const CameraControls c = cameraControls(window, camera);
    const QString why =
        focal ? (stated.isZoom()
                     ? tr("The lens reaches %1–%2 mm")
                           .arg(number(c.flength->minimum()), number(c.flength->maximum()))
                     : tr("The lens has a focal length of %1 mm").arg(number(kept)))
              : tr("At %1 mm the lens opens to f/%2").arg(number(c.flength->value()), number(kept));
    box->setValue(kept);
    TypingStart::settle(box);
    box->setToolTip(why + QStringLiteral("\n\n") + box->property(formTip).toString());
    windowForm(window).statusbar->showMessage(tr("Camera %1: %2.").arg(camera).arg(why),
                                              messageMilliseconds);
}
