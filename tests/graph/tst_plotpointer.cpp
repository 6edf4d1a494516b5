// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "pinnedsetups.h"
#include "plotgeometry.h"
#include "plotreadout.h"
#include "projectcontrols.h"
#include "setupcommands.h"
#include "windowform.h"

#include <QAction>
#include <QFrame>

#include <QScreen>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {
// In device pixels, so that the test also holds when run at other scale factors.
QImage plotInWindow(mainWin& w)
{
    const qreal ratio = w.devicePixelRatioF();
    const QImage window =
        QGuiApplication::primaryScreen()
            ->grabWindow(w.winId(), 0, 0, qRound(w.width() * ratio), qRound(w.height() * ratio))
            .toImage();
    return window.copy(
        QRect(w.graphWidget->mapTo(&w, QPoint(0, 0)) * ratio, w.graphWidget->size() * ratio));
}

// The pixel of the plot whose column stands for about the distance, halfway up the plot.
QPoint pointAt(const PlotGeometry& plot, double metres)
{
    const int column = int(std::lround((metres * 1000 - plot.leftBorder()) / plot.distanceScale()));
    return QPoint(plot.axisX() + column, plot.axisY() - plot.plotHeight() / 2);
}

int columnOf(const PlotGeometry& plot, QPoint point)
{
    return point.x() - plot.axisX();
}

// Sent straight rather than through the window system, which may fold a move into the last.
void moveTo(QWidget* plot, QPoint point, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, point, plot->mapToGlobal(point), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
}

void turnWheel(QWidget* plot, QPoint point, int delta, Qt::KeyboardModifiers modifiers = {})
{
    QWheelEvent wheel(point, plot->mapToGlobal(point), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
}

long long areaOf(const QRegion& region)
{
    long long area = 0;
    for (const QRect& rect : region)
        area += static_cast<long long>(rect.width()) * rect.height();
    return area;
}
} // namespace

Q_DECLARE_METATYPE(LengthUnit)

class TestPlotPointer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window.open();
        window->switchpromode();
        windowForm(*window).boxC2->setChecked(true);
        windowForm(*window).c2_fdist->setValue(3);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->run();
        plot = window->graphWidget;
    }
    void cleanup() { window.close(); }

    // The box gives the distance on the axis and each curve's zc there, as the model has it.
    void readoutShowsTheCurvesAtThePointer_data()
    {
        QTest::addColumn<bool>("fromCamera");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<double>("metres");
        QTest::newRow("at Camera 1's focus, metres") << true << LengthUnit::Metres << 5.0;
        QTest::newRow("far behind both, feet") << true << LengthUnit::Feet << 12.0;
        QTest::newRow("behind the focus planes") << false << LengthUnit::Metres << 1.5;
        QTest::newRow("in front of the focus planes") << false << LengthUnit::Metres << -2.0;
    }
    void readoutShowsTheCurvesAtThePointer()
    {
        QFETCH(bool, fromCamera);
        QFETCH(LengthUnit, unit);
        QFETCH(double, metres);
        mainWin& w = *window;
        w.setLengthUnit(unit);
        windowForm(w).distanceFP->setChecked(!fromCamera);
        const PlotGeometry geometry = plot->currentGeometry();
        const QPoint point = pointAt(geometry, metres);
        moveTo(plot, point);

        const int column = columnOf(geometry, point);
        const double onAxis = geometry.intervalEnd(column);
        const QString distance =
            QString::number(LengthUnits::fromMetres(onAxis / 1000, unit), 'f', 2) + ' ' +
            LengthUnits::symbol(unit);
        QStringList expected{fromCamera ? "Distance: " + distance
                                        : "From focus plane: " + QString(onAxis > 0 ? "+" : "") +
                                              distance};
        for (int camera : {1, 2}) {
            CameraSetup& setup = camera == 1 ? w.cam1 : w.cam2;
            const double at = geometry.sampleDistance(column, fromCamera, setup.getFdist());
            const double zc = setup.getZc(at);
            expected << QString("Camera %1: zc %2%3")
                            .arg(camera)
                            .arg(zc, 0, 'f', 2)
                            .arg(zc <= 1 ? " (sharp)" : "");
        }
        QCOMPARE(plot->readoutTexts(), expected);
    }

    // A move repaints the cursor and box it leaves and the ones it draws, once, and over the
    // scene on screen: after leaving, and across a refresh, the plot is as a whole repaint.
    // The moves copy the scene from a picture of it, which must follow a refresh that repainted
    // part of the plot and the colour the window shows under it.
    void readoutRepaintsOnlyWhereItMoves_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("straight away") << "";
        QTest::newRow("over a part a refresh repainted") << "refresh";
        QTest::newRow("after a resize") << "resize";
        QTest::newRow("after the plot was hidden") << "hide";
        QTest::newRow("over a frame of another colour") << "tinted frame";
        QTest::newRow("over a frame of a pattern") << "patterned frame";
    }
    void readoutRepaintsOnlyWhereItMoves()
    {
        QFETCH(QString, before);
        mainWin& w = *window;
        if (before == "refresh") {
            moveTo(plot, pointAt(plot->currentGeometry(), 9));
            windowForm(w).c1_fdist->setValue(4.1);
        } else if (before == "resize" || before == "hide") {
            // A picture of the plot as it was must not show through.
            moveTo(plot, pointAt(plot->currentGeometry(), 9));
            if (before == "resize")
                w.resize(w.width() - 120, w.height() + 40);
            else
                plot->hide();
            QCoreApplication::processEvents();
            plot->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QCoreApplication::processEvents();
            w.run();
        } else if (before.endsWith("frame")) {
            QFrame* frame = windowForm(w).frame;
            QPalette tinted = frame->palette();
            tinted.setBrush(QPalette::Window, before == "tinted frame"
                                                  ? QBrush(QColor(250, 240, 200))
                                                  : QBrush(Qt::darkYellow, Qt::Dense6Pattern));
            frame->setPalette(tinted);
            frame->setAutoFillBackground(true);
            // The caption boxes are tinted over the new colour.
            w.run();
            w.repaint();
        }
        const QImage without = plotInWindow(w);
        PaintCounter paints;
        plot->installEventFilter(&paints);
        const PlotGeometry geometry = plot->currentGeometry();
        QuietTrace trace;
        moveTo(plot, pointAt(geometry, 4));
        moveTo(plot, pointAt(geometry, 4) + QPoint(1, 0));
        QCOMPARE(paints.regions.size(), size_t(2));
        // No caption was written anew, so no limit was searched for.
        QVERIFY(!QString::fromStdString(trace.text()).contains("scale: "));
        const long long plotArea = static_cast<long long>(plot->width()) * plot->height();
        QVERIFY(areaOf(paints.regions[1]) < plotArea / 20);
        QCoreApplication::processEvents();
        QTest::qWait(50);
        QCOMPARE(paints.regions.size(), size_t(2));
        const QImage with = plotInWindow(w);
        QVERIFY(with != without);
        // The moves copied the plot back from its picture: the pixels a paint of it all draws.
        plot->repaint();
        QCOMPARE(plotInWindow(w), with);

        windowForm(w).c1_fdist->setValue(4.2);
        const double zc =
            w.cam1.getZc(geometry.intervalEnd(columnOf(geometry, pointAt(geometry, 4)) + 1));
        QCOMPARE(plot->readoutTexts()[1],
                 QString("Camera 1: zc %1%2").arg(zc, 0, 'f', 2).arg(zc <= 1 ? " (sharp)" : ""));
        const QImage refreshed = plotInWindow(w);
        plot->repaint();
        QCOMPARE(plotInWindow(w), refreshed);

        moveTo(plot, QPoint(5, 5)); // over the axis title: no read-out
        QVERIFY(plot->readoutTexts().isEmpty());
        const QImage left = plotInWindow(w);
        plot->repaint();
        QCOMPARE(plotInWindow(w), left);
    }

    // The box goes to the cursor's other side, or below the caption boxes, rather than over them.
    void readoutKeepsClearOfTheCaptions_data()
    {
        QTest::addColumn<int>("fromRight");
        QTest::newRow("right of the cursor would cover them") << 440;
        QTest::newRow("cursor under the captions") << 200;
    }
    void readoutKeepsClearOfTheCaptions()
    {
        QFETCH(int, fromRight);
        mainWin& w = *window;
        const QImage without = plotInWindow(w);
        const QPoint point(plot->width() - fromRight, 30);
        moveTo(plot, point);
        QVERIFY(!plot->readoutTexts().isEmpty());
        const QImage with = plotInWindow(w);
        // Both caption boxes; the cursor line alone may cross them.
        const QRect captions(plot->width() - 411, 16, 402, 71);
        for (int y = captions.top(); y <= captions.bottom(); ++y) {
            for (int x = captions.left(); x <= captions.right(); ++x) {
                if (x != point.x())
                    QVERIFY2(with.pixel(x, y) == without.pixel(x, y),
                             qPrintable(QString("%1, %2").arg(x).arg(y)));
            }
        }
    }

    // Where the screen's rows are written straight, the box is put together from the pixels
    // its lines drew before: they must be the painter's box, also where a name's marks reach
    // out of its line and the painter draws it all.
    void readoutBoxIsThePaintersBox_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QString>("pinnedName");
        QTest::newRow("ordinary screen") << 1 << QImage::Format_RGB32 << "";
        QTest::newRow("high-density screen") << 2 << QImage::Format_ARGB32_Premultiplied << "";
        QTest::newRow("a pinned setup") << 2 << QImage::Format_RGB32 << "Wide 24";
        const QString stacked = QString("A") + QChar(0x30a) + QChar(0x30a) + QChar(0x30a);
        QTest::newRow("marks above the line") << 1 << QImage::Format_RGB32 << stacked;
        QTest::newRow("marks above the line, 2x")
            << 2 << QImage::Format_ARGB32_Premultiplied << stacked;
    }
    void readoutBoxIsThePaintersBox()
    {
        QFETCH(int, scale);
        QFETCH(QImage::Format, format);
        QFETCH(QString, pinnedName);
        mainWin& w = *window;
        if (!pinnedName.isEmpty()) {
            PinnedSetups pins;
            pins.add(projectFromControls(w).camera1);
            QVERIFY(pins.rename(0, pinnedName).isEmpty());
            w.setupCommands->restore(pins.setups());
            w.run();
        }
        const PlotScene scene = plot->drawing().buildScene(Qt::white);
        const PlotGeometry& geometry = scene.plot;
        ReadoutLines lines;
        const PlotReadout readout(scene, geometry.plotWidth() / 3,
                                  geometry.axisY() - geometry.plotHeight() / 2, true, plot, lines);
        QCOMPARE(readout.lines().size(), size_t(pinnedName.isEmpty() ? 3 : 4));
        const auto paint = [&](bool byPainter) {
            QImage image(plot->size() * scale, format);
            image.setDevicePixelRatio(scale);
            image.fill(QColor(250, 240, 200));
            QPainter painter(&image);
            // With a clip of its own the painter draws everything.
            if (byPainter)
                painter.setClipRect(plot->rect());
            readout.draw(&painter);
            return image;
        };
        const QImage kept = paint(false);
        QCOMPARE(kept, paint(true));
        QCOMPARE(paint(false), kept);
    }

    // Exports draw the plot alone, whatever the window shows over it.
    void exportsLeaveTheReadoutOut()
    {
        const QImage before = plot->renderImage();
        const QImage sharper = plot->renderImage(2);
        moveTo(plot, pointAt(plot->currentGeometry(), 6));
        QVERIFY(!plot->readoutTexts().isEmpty());
        QCOMPARE(plot->renderImage(), before);
        QCOMPARE(plot->renderImage(2), sharper);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(plot, &leave);
        QVERIFY(plot->readoutTexts().isEmpty());
    }

    // The explanation of the plot shows over the axes but never covers the read-out.
    void tooltipOnlyBesideThePlotArea()
    {
        const QPoint inside = pointAt(plot->currentGeometry(), 6);
        for (const QPoint& point : {inside, QPoint(5, plot->height() - 5)}) {
            QHelpEvent help(QEvent::ToolTip, point, plot->mapToGlobal(point));
            QApplication::sendEvent(plot, &help);
            QCOMPARE(QToolTip::isVisible(), point != inside);
        }
        QToolTip::hideText();
    }

    void clickFocuses_data()
    {
        QTest::addColumn<bool>("expert");
        QTest::addColumn<bool>("fromCamera");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("camera2On");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<int>("focused"); // the camera whose focus moves, or 0
        QTest::newRow("click: Camera 1")
            << true << true << false << true << LengthUnit::Metres << 1;
        QTest::newRow("click in feet: to 0.01 ft")
            << true << true << false << true << LengthUnit::Feet << 1;
        QTest::newRow("Shift-click: Camera 2")
            << true << true << true << true << LengthUnit::Metres << 2;
        QTest::newRow("Shift-click with Camera 2 off")
            << true << true << true << false << LengthUnit::Metres << 0;
        QTest::newRow("from the focus plane: read-out only")
            << true << false << false << true << LengthUnit::Metres << 0;
        QTest::newRow("simple mode: the focus slider")
            << false << true << false << false << LengthUnit::Metres << 1;
    }
    void clickFocuses()
    {
        QFETCH(bool, expert);
        QFETCH(bool, fromCamera);
        QFETCH(bool, shift);
        QFETCH(bool, camera2On);
        QFETCH(LengthUnit, unit);
        QFETCH(int, focused);
        mainWin& w = *window;
        if (!expert)
            w.switchpromode();
        windowForm(w).boxC2->setChecked(camera2On);
        w.setLengthUnit(unit);
        windowForm(w).distanceFP->setChecked(!fromCamera);
        const double before[] = {windowForm(w).c1_fdist->value(), windowForm(w).c2_fdist->value()};
        const PlotGeometry geometry = plot->currentGeometry();
        const QPoint point = pointAt(geometry, 8.123);
        QTest::mouseClick(plot, Qt::LeftButton, shift ? Qt::ShiftModifier : Qt::NoModifier, point);
        QCOMPARE(plot->readoutTexts().size(), 2 + int(camera2On));

        const double metres = geometry.intervalEnd(columnOf(geometry, point)) / 1000.0;
        double expected = std::round(metres * 100) / 100; // the box's two decimals
        if (unit == LengthUnit::Feet)
            expected = std::round(metres / 0.3048 * 100) / 100 * 0.3048;
        if (!expert)
            expected = 8.0; // the slider moves in 0.1 m steps up to 6 m, then 0.5 m
        for (int camera : {1, 2}) {
            const double now =
                (camera == 1 ? windowForm(w).c1_fdist : windowForm(w).c2_fdist)->value();
            QCOMPARE(now, camera == focused ? expected : before[camera - 1]);
        }
        if (focused == 1)
            QCOMPARE(w.cam1.getFdist(), expected * 1000);
    }

    void dragFocuses()
    {
        const PlotGeometry geometry = plot->currentGeometry();
        QTest::mousePress(plot, Qt::LeftButton, {}, pointAt(geometry, 3));
        moveTo(plot, pointAt(geometry, 7), Qt::LeftButton);
        const int column = columnOf(geometry, pointAt(geometry, 7));
        QCOMPARE(windowForm(*window).c1_fdist->value(),
                 std::round(geometry.intervalEnd(column) / 10.0) / 100);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, pointAt(geometry, 7));
    }

    void wheelZooms_data()
    {
        QTest::addColumn<QList<int>>("turns");
        QTest::addColumn<bool>("control");
        QTest::addColumn<int>("distanceScale");
        QTest::addColumn<int>("ySteps");
        QTest::newRow("a notch away: more detail") << QList<int>{120} << false << 28 << 0;
        QTest::newRow("two notches towards: less") << QList<int>{-240} << false << 37 << 0;
        QTest::newRow("touchpad: small turns add up")
            << QList<int>{40, 40, 30, 10} << false << 28 << 0;
        QTest::newRow("touchpad: turning back starts afresh")
            << QList<int>{100, -100} << false << 31 << 0;
        QTest::newRow("Ctrl: the zc scale") << QList<int>{120} << true << 31 << 1;
    }
    void wheelZooms()
    {
        QFETCH(QList<int>, turns);
        QFETCH(bool, control);
        QFETCH(int, distanceScale);
        QFETCH(int, ySteps);
        mainWin& w = *window;
        windowForm(w).DSB_leftBorder->setValue(2);
        const int y = windowForm(w).qyscale->value();
        const PlotGeometry before = plot->currentGeometry();
        QCOMPARE(before.distanceScale(), 31);
        const QPoint point = pointAt(before, 9);
        const double distance = before.intervalEnd(columnOf(before, point));
        for (int turn : turns)
            turnWheel(plot, point, turn, control ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(windowForm(w).qyscale->value(), y + ySteps);
        // The distance stays under the pointer, to a pixel.
        const PlotGeometry after = plot->currentGeometry();
        QCOMPARE(after.distanceScale(), distanceScale);
        const double column = (distance - after.leftBorder()) / after.distanceScale();
        QVERIFY2(std::abs(column - columnOf(after, point)) <= 1,
                 qPrintable(QString::number(column)));
        QCOMPARE(plot->readoutTexts()[0],
                 QString("Distance: %1 m")
                     .arg(after.intervalEnd(columnOf(after, point)) / 1000.0, 0, 'f', 2));
    }

    // Notch after notch in and back out: no drift of the distance under the pointer, and
    // steps of about one ratio wherever whole millimetres per pixel allow it.
    void wheelZoomStaysPut()
    {
        windowForm(*window).DSB_leftBorder->setValue(1);
        const PlotGeometry start = plot->currentGeometry();
        const QPoint point = pointAt(start, 3.1);
        const int column = columnOf(start, point);
        QList<int> scales{start.distanceScale()};
        for (int turn : {120, -120}) {
            for (int notch = 0; notch < 20; ++notch) {
                turnWheel(plot, point, turn);
                scales.append(plot->currentGeometry().distanceScale());
            }
        }
        const PlotGeometry end = plot->currentGeometry();
        QCOMPARE(end.distanceScale(), start.distanceScale());
        QVERIFY2(std::abs(end.intervalEnd(column) - start.intervalEnd(column)) <=
                     start.distanceScale(),
                 qPrintable(QString::number(end.intervalEnd(column))));
        for (int i = 1; i < scales.size(); ++i) {
            const double ratio =
                double(std::max(scales[i - 1], scales[i])) / std::min(scales[i - 1], scales[i]);
            if (std::min(scales[i - 1], scales[i]) >= 10)
                QVERIFY2(ratio > 1.05 && ratio < 1.2, qPrintable(QString::number(ratio)));
        }
    }

    // Each shown camera's depth of field with room around it fills the plot's width.
    void fitToFocus_data()
    {
        QTest::addColumn<bool>("fromCamera");
        QTest::addColumn<double>("aperture");
        QTest::addColumn<bool>("secondCamera");
        QTest::newRow("a 3 m portrait, Camera 1 alone") << true << 2.8 << false;
        QTest::newRow("both cameras, one sharp to infinity") << true << 16.0 << true;
        QTest::newRow("from the focus planes") << false << 2.8 << true;
    }
    void fitToFocus()
    {
        QFETCH(bool, fromCamera);
        QFETCH(double, aperture);
        QFETCH(bool, secondCamera);
        mainWin& w = *window;
        windowForm(w).c1_fdist->setValue(3);
        windowForm(w).c2_fdist->setValue(12);
        windowForm(w).c2_apature->setValue(aperture);
        windowForm(w).boxC2->setChecked(secondCamera);
        windowForm(w).distanceFP->setChecked(!fromCamera);
        const int blurScale = windowForm(w).qyscale->value();
        QAction* fit = w.findChild<QAction*>("actionFitView");
        QVERIFY(fit);
        QCOMPARE(fit->shortcut(), QKeySequence("Ctrl+0"));
        fit->trigger();

        double from = 1e12;
        double to = -1e12;
        for (int camera = 1; camera <= (secondCamera ? 2 : 1); ++camera) {
            CameraSetup& setup = camera == 1 ? w.cam1 : w.cam2;
            const double focus = setup.getFdist();
            const DepthRules::DepthLimits limits = DepthRules::depthLimits(setup);
            const bool endless = limits.kind == DepthRules::DepthOfField::Endless;
            const double shift = fromCamera ? 0 : focus;
            from = std::min(from, limits.nearLimit / 2 - shift);
            to = std::max(to, (endless ? 3 * focus : 2 * limits.farLimit) - shift);
        }
        const PlotGeometry plot = this->plot->currentGeometry();
        const int last = plot.plotWidth() - 1;
        QCOMPARE(windowForm(w).qyscale->value(), blurScale);
        QVERIFY2(plot.leftBorder() <= from && plot.leftBorder() > from - 10,
                 qPrintable(QString::number(plot.leftBorder())));
        QVERIFY(plot.intervalEnd(last) >= to);
        // A pixel less per column would not reach.
        QVERIFY(plot.leftBorder() + last * (plot.distanceScale() - 1.0) < to);
    }

    void keyboard()
    {
        mainWin& w = *window;
        QCOMPARE(plot->accessibleName(), QString("Blur plot"));
        const CaptionTexts caption = plot->captionTexts(2);
        QVERIFY(plot->accessibleDescription().contains(caption.settings));
        QVERIFY(plot->accessibleDescription().contains(caption.values));

        // Reached with Tab, right before the controls below it.
        QVERIFY(plot->focusPolicy() & Qt::TabFocus);
        windowForm(w).DSB_leftBorder->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), plot);
        QCOMPARE(plot->readoutTexts().size(), 3);

        const PlotGeometry geometry = plot->currentGeometry();
        const int start = geometry.plotWidth() / 2;
        QTest::keyClick(plot, Qt::Key_Right);
        QTest::keyClick(plot, Qt::Key_Left, Qt::ShiftModifier);
        const double metres = geometry.intervalEnd(start - 9) / 1000.0;
        QCOMPARE(plot->readoutTexts()[0], QString("Distance: %1 m").arg(metres, 0, 'f', 2));
        QTest::keyClick(plot, Qt::Key_Return);
        QCOMPARE(windowForm(w).c1_fdist->value(), std::round(metres * 100) / 100);
        QTest::keyClick(plot, Qt::Key_Escape);
        QVERIFY(plot->readoutTexts().isEmpty());

        // Esc also while the keyboard works elsewhere and the pointer rests on the plot.
        windowForm(w).c2_fdist->setFocus();
        moveTo(plot, pointAt(geometry, 6));
        QCOMPARE(plot->readoutTexts().size(), 3);
        QTest::keyClick(windowForm(w).c2_fdist, Qt::Key_Escape);
        QVERIFY(plot->readoutTexts().isEmpty());
        QCOMPARE(windowForm(w).c2_fdist->value(), 3.0);
    }

private:
    FreshWindow<mainWin> window;
    graph* plot = nullptr;
};

ZIDOV_GUITEST_MAIN(TestPlotPointer)
#include "tst_plotpointer.moc"
