// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "windowshape.h"

#include "graph.h"
#include "mainwin.h"

#include <QScreen>

#include <algorithm>
#include <vector>

namespace {
// A title bar and borders of common window systems, a little generously.
constexpr QSize windowFrame(16, 48);

// The widest a button gets with any of the texts.
int widestWith(QPushButton* button, const QStringList& texts)
{
    const QString shown = button->text();
    int widest = 0;
    for (const QString& text : texts) {
        button->setText(text);
        widest = std::max(widest, button->sizeHint().width());
    }
    button->setText(shown);
    return widest;
}

// The least width a camera box needs with each of the groups of the CoC modes in turn, or
// none of them (a manual CoC), below its values.
int widestMinimum(QGroupBox* box, const std::initializer_list<QWidget*>& groups)
{
    std::vector<bool> shown;
    for (const QWidget* group : groups)
        shown.push_back(!group->isHidden());
    int widest = 0;
    for (size_t turn = 0; turn <= groups.size(); ++turn) {
        size_t index = 0;
        for (QWidget* group : groups)
            group->setVisible(index++ == turn);
        box->layout()->invalidate();
        widest = std::max(widest, box->minimumSizeHint().width());
    }
    size_t index = 0;
    for (QWidget* group : groups)
        group->setVisible(shown[index++]);
    box->layout()->invalidate();
    return widest;
}
} // namespace

namespace WindowShape {

void holdSteady(mainWin& w)
{
    w.graphWidget->setMinimumHeight(minimumPlotHeight);
    // Hyperfocal distances beyond 100 km are rare enough to widen the box; in either unit,
    // which may change while the window is open.
    const QStringList hyperfocalTexts{mainWin::hyperfocalText(99999900, LengthUnit::Metres),
                                      mainWin::hyperfocalText(99999900, LengthUnit::Feet),
                                      mainWin::hyperfocalText(-1, LengthUnit::Metres)};
    for (QPushButton* button : {w.c1_set_Hyper, w.c2_set_Hyper})
        button->setMinimumWidth(widestWith(button, hyperfocalTexts));
    // The gear buttons take the width their column gives; a long name is shortened to it.
    for (QPushButton* button : {w.c1_bodyButton, w.c1_lensButton, w.c2_bodyButton, w.c2_lensButton})
        button->setMinimumWidth(button->sizeHint().width());
    // The read-outs of the scale sliders, from 1 to 100.
    for (QLabel* readOut : {w.qxscaled, w.qyscaled})
        readOut->setMinimumWidth(readOut->fontMetrics().horizontalAdvance(QStringLiteral("100")));
}

void fixCameraBoxWidths(mainWin& w)
{
    w.boxC1->setFixedWidth(widestMinimum(w.boxC1, {w.gbC1_1, w.gbC1_2, w.gbC1_3}));
    w.boxC2->setFixedWidth(widestMinimum(w.boxC2, {w.gbC2_1, w.gbC2_2, w.gbC2_3}));
}

bool fits(const QSize& window, const QSize& available)
{
    const QSize framed = window + windowFrame;
    return framed.width() <= available.width() && framed.height() <= available.height();
}

void showFirstWindow(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen && !fits(window.size(), screen->availableGeometry().size()))
        window.showMaximized();
    else
        window.show();
}

} // namespace WindowShape
