// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "windowshape.h"

#include "gearchoice.h"
#include "graph.h"
#include "mainwin.h"
#include "windowform.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <functional>
#include <utility>
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

// The controls below the plot, scrolled where the window is too small for them. Where the
// window has room they get all they want, so the plot keeps the height it had without it.
class ControlScroller : public QScrollArea
{
public:
    explicit ControlScroller(QWidget* parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("controlsArea"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus);
        // Spare height is the plot's.
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        // Tab and a click bring a control into view, wherever the focus came from.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && widget() && widget()->isAncestorOf(now))
                ensureWidgetVisible(now);
        });
    }
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QSize(); }

    // A box shown or hidden changes what the controls want. Laid out at once, as the window
    // was before they moved in here, the plot takes its new size before it is painted.
    void settle()
    {
        const QSize wanted = sizeHint();
        if (wanted == laidOutFor)
            return;
        laidOutFor = wanted;
        updateGeometry();
        if (QLayout* around = parentWidget() ? parentWidget()->layout() : nullptr)
            around->activate();
    }

    // Run once the controls are polished and about to show: only then do their sizes hold.
    std::function<void()> whenShown;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object == widget() && event->type() == QEvent::LayoutRequest)
            settle();
        return QScrollArea::eventFilter(object, event);
    }
    void showEvent(QShowEvent* event) override
    {
        if (whenShown)
            std::exchange(whenShown, nullptr)();
        QScrollArea::showEvent(event);
    }

private:
    QSize laidOutFor;
};

ControlScroller* controlScroller(mainWin& w)
{
    return windowForm(w).centralwidget->findChild<ControlScroller*>(QStringLiteral("controlsArea"),
                                                                    Qt::FindDirectChildrenOnly);
}

// Moves the controls below the plot, as the form lays them out, into a scroll area in their
// place: the display row is wider than a small screen in expert mode, the camera boxes too
// tall. Every new parent lies in the same window, so Tab keeps its order.
void scrollControls(mainWin& w)
{
    QVBoxLayout* column = windowForm(w).vboxLayout;
    auto* scroller = new ControlScroller(windowForm(w).centralwidget);
    auto* controls = new QWidget(scroller->viewport());
    controls->setObjectName(QStringLiteral("controls"));
    auto* inside = new QVBoxLayout(controls);
    inside->setContentsMargins(0, 0, 0, 0);
    inside->setSpacing(column->spacing());
    const int first = column->indexOf(windowForm(w).hboxLayout);
    for (QLayoutItem* item : {static_cast<QLayoutItem*>(windowForm(w).hboxLayout),
                              column->itemAt(column->indexOf(windowForm(w).SB_leftBorder)),
                              static_cast<QLayoutItem*>(windowForm(w).hboxLayout1)}) {
        QLayout* row = item->layout();
        const int spacing = row ? row->spacing() : 0;
        column->removeItem(item);
        if (row) {
            row->setParent(nullptr);
            inside->addLayout(row);
            row->setSpacing(spacing);
        } else {
            inside->addWidget(item->widget());
            delete item;
        }
    }
    scroller->setWidget(controls);
    controls->installEventFilter(scroller);
    // Inside the scroll area the camera boxes are measured before the style has polished
    // them; they are measured again when first shown.
    scroller->whenShown = [&w] { WindowShape::fixCameraBoxWidths(w); };
    column->insertWidget(first, scroller);
}
} // namespace

namespace WindowShape {

void holdSteady(mainWin& w)
{
    w.graphWidget->setMinimumHeight(minimumPlotHeight);
    scrollControls(w);
    // Spare height goes below the rows, so that they stay where they are whatever the CoC
    // mode shows under them.
    windowForm(w).vboxLayout1->addStretch();
    windowForm(w).vboxLayout6->addStretch();
    // Hyperfocal distances beyond 100 km are rare enough to widen the box; in either unit,
    // which may change while the window is open.
    const QStringList hyperfocalTexts{mainWin::hyperfocalText(99999900, LengthUnit::Metres),
                                      mainWin::hyperfocalText(99999900, LengthUnit::Feet),
                                      mainWin::hyperfocalText(-1, LengthUnit::Metres)};
    for (QPushButton* button : {windowForm(w).c1_set_Hyper, windowForm(w).c2_set_Hyper})
        button->setMinimumWidth(widestWith(button, hyperfocalTexts));
    // The gear buttons share their column equally, each wide enough for what tells one lens
    // from the next, its focal lengths and f-number; a longer name is shortened to it.
    const QStringList gearTexts{LensRange{16, 55, 2.8, 2.8}.text()};
    for (auto [body, lens] :
         {std::pair(windowForm(w).c1_bodyButton, windowForm(w).c1_lensButton),
          std::pair(windowForm(w).c2_bodyButton, windowForm(w).c2_lensButton)}) {
        const int least = std::max(
            {widestWith(body, gearTexts), body->sizeHint().width(), lens->sizeHint().width()});
        body->setMinimumWidth(least);
        lens->setMinimumWidth(least);
    }
    // The read-outs of the scale sliders, from 1 to 100.
    for (QLabel* readOut : {windowForm(w).qxscaled, windowForm(w).qyscaled})
        readOut->setMinimumWidth(readOut->fontMetrics().horizontalAdvance(QStringLiteral("100")));
}

void settle(mainWin& w)
{
    if (ControlScroller* scroller = controlScroller(w))
        scroller->settle();
}

void fixCameraBoxWidths(mainWin& w)
{
    // Until the controls are first shown their sizes do not hold; showing them measures.
    if (const ControlScroller* scroller = controlScroller(w); scroller && scroller->whenShown)
        return;
    windowForm(w).boxC1->setFixedWidth(widestMinimum(
        windowForm(w).boxC1, {windowForm(w).gbC1_1, windowForm(w).gbC1_2, windowForm(w).gbC1_3}));
    windowForm(w).boxC2->setFixedWidth(widestMinimum(
        windowForm(w).boxC2, {windowForm(w).gbC2_1, windowForm(w).gbC2_2, windowForm(w).gbC2_3}));
}

void showAsReadOut(QAbstractSpinBox* box, bool readOut)
{
    box->setButtonSymbols(readOut ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
    box->setFrame(true);
    const QSize asField = box->sizeHint();
    box->setReadOnly(readOut);
    box->setFrame(!readOut);
    box->setMinimumSize(readOut ? asField : QSize(0, 0));
    // A read-out shows whatever lies behind it, as a label does.
    QPalette palette;
    if (readOut)
        palette.setColor(QPalette::Base, Qt::transparent);
    box->setPalette(palette);
}

bool fits(const QSize& window, const QSize& available)
{
    const QSize framed = window + windowFrame;
    return framed.width() <= available.width() && framed.height() <= available.height();
}

QSize fittedSize(const QSize& window, const QSize& available, const QSize& minimum)
{
    return window.boundedTo(available - windowFrame).expandedTo(minimum);
}

void showFirstWindow(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen || fits(window.size(), screen->availableGeometry().size())) {
        window.show();
        return;
    }
    // Without a window manager nothing maximises it: it is made to fit first.
    const QRect available = screen->availableGeometry();
    window.resize(fittedSize(window.size(), available.size(), window.minimumSizeHint()));
    window.move(available.topLeft());
    window.showMaximized();
}

} // namespace WindowShape
