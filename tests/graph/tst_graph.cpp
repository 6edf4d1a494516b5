// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "curvepixels.h"
#include "graph.h"
#include "guitest.h"
#include "mainwin.h"
#include "pixelfill.h"
#include "plotdata.h"
#include "projectcameras.h"
#include "segmentshapes.h"
#include "textlayoutcache.h"
#include "windowform.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include <functional>
#include <limits>
#include <memory>

namespace {
constexpr int W = 600;
constexpr int H = 400;
const QRgb grey = qRgb(200, 200, 200);
const QRgb white = qRgb(255, 255, 255);

QImage paintAlone(const std::function<void(QPainter&)>& paint)
{
    QImage image(W, H, QImage::Format_ARGB32);
    image.fill(white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QImage draw(mainWin& w)
{
    return paintAlone([&w](QPainter& painter) { w.graphWidget->graphDraw(&painter); });
}

// Clearly camera k's colour (green or blue), or just tinted by its band or box.
bool ofCamera(QRgb p, int k, int margin = 60)
{
    const int own = k == 1 ? qGreen(p) : qBlue(p);
    return own - qRed(p) > margin && own - (k == 1 ? qBlue(p) : qGreen(p)) > margin;
}
bool tinted(QRgb p)
{
    return qGreen(p) > qRed(p) + 5;
}

int cameraPixels(const QImage& image, int k, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += ofCamera(image.pixel(x, y), k);
    return count;
}

class PaintRegions : public QObject
{
public:
    std::vector<QRegion> painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

// The plot's part of the window as the window's backing store holds it.
QImage plotInWindow(mainWin& w)
{
    const QImage window = QGuiApplication::primaryScreen()
                              ->grabWindow(w.winId(), 0, 0, w.width(), w.height())
                              .toImage();
    return window.copy(QRect(w.graphWidget->mapTo(&w, QPoint(0, 0)), w.graphWidget->size()));
}

// The worked example: 50 mm f/2.8, CoC 0.03 mm, full frame, no diffraction, perfect lens.
void textbook(CameraSetup& camera, double focus = 5000, double coc = 0.03, double flength = 50)
{
    camera.init(focus, 2.8, flength, coc, 1, 0, 100, 1.8);
}

// After a test wrote the window's records itself: the plot draws what it is given.
void handToPlot(mainWin& w)
{
    w.graphWidget->setInput(w.plotInput());
}
} // namespace

class TestGraph : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window.open();
        window->graphWidget->setFixedSize(W, H);
    }
    void cleanup() { window.close(); }

    void frameAtDefaultScales()
    {
        windowForm(*window).boxC1->setChecked(false);
        const QImage image = draw(*window);
        QCOMPARE(image.pixel(200, H - 30 - 50), qRgb(0, 0, 0)); // zc = 1 over its grid line
        for (int z = 2; z <= 7; ++z)                            // up to 94 % of the height
            QCOMPARE(image.pixel(28, H - 30 - 50 * z), z < 7 ? grey : white);
        // 1 m sits unticked at the axis; the first tick is 2 m, in column 33.
        for (int x = 31; x <= 63; ++x)
            QCOMPARE(image.pixel(x, 200), x == 63 ? grey : white);
        const QImage texts = paintAlone([](QPainter& p) {
            p.setFont(QFont("Arial", 8));
            p.drawText(QRect(48, H - 25, 36, 12), Qt::AlignCenter, "2");
            p.setFont(QFont("Arial", 7));
            p.setPen(QColor(0, 0, 127));
            p.drawText(2, H - 2, "Zidov 0.14ruri");
        });
        QCOMPARE(image.copy(48, H - 25, 33, 12), texts.copy(48, H - 25, 33, 12));
        QCOMPARE(image.copy(0, H - 12, 150, 12), texts.copy(0, H - 12, 150, 12));
    }

    // A curve that starts inside the plot runs up the vertical axis from its first value; the
    // axes stay black over it and over the band.
    void axesLieOverTheCurves()
    {
        mainWin& w = *window;
        w.switchpromode();
        w.setLengthUnit(LengthUnit::Feet);
        windowForm(w).c1_flength->setValue(24);
        windowForm(w).c1_apature->setValue(8);
        windowForm(w).c1_fdist->setValue(8.8 * 0.3048);
        const QImage image = draw(w);
        for (int y = 10; y <= H - 30; ++y)
            QVERIFY2(image.pixel(30, y) == qRgb(0, 0, 0), qPrintable(QString::number(y)));
        for (int x = 30; x <= W - 10; ++x)
            QVERIFY2(image.pixel(x, H - 30) == qRgb(0, 0, 0), qPrintable(QString::number(x)));
    }

    // In a low plot the topmost grid label sits where the axis title was: the title moves aside.
    void axisTitleClearOfTheTopLabel()
    {
        window->graphWidget->setFixedSize(W, 200);
        windowForm(*window).boxC1->setChecked(false);
        const QImage image = draw(*window).copy(0, 0, W, 200);
        const QRect three(0, 200 - 30 - 150 - 8, 22, 10);
        const QImage alone = paintAlone([&three](QPainter& p) {
            p.setFont(QFont("Arial", 8));
            p.drawText(three, Qt::AlignRight | Qt::AlignVCenter, "3");
        });
        QCOMPARE(image.copy(0, 0, 22, three.bottom() + 1),
                 alone.copy(0, 0, 22, three.bottom() + 1));
        int titleInk = 0;
        for (int y = 0; y < 17; ++y)
            for (int x = 36; x < 80; ++x)
                titleInk += qGray(image.pixel(x, y)) < 128;
        QVERIFY(titleInk > 10);
    }

    void gridLineEnds()
    {
        windowForm(*window).boxC1->setChecked(false);
        const QImage image = draw(*window);
        const int row = H - 30 - 100; // zc = 2
        for (int x : {26, 27, W - 15, W - 14})
            QCOMPARE(image.pixel(x, row), x == 27 || x == W - 15 ? grey : white);
        // The first tick, column 33, from 3 px below the axis up to 10 px below the top margin.
        for (int y : {19, 20, H - 27, H - 26})
            QCOMPARE(image.pixel(63, y), y == 20 || y == H - 27 ? grey : white);
    }

    void gridLinesStayOneDevicePixel_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::newRow("ordinary screen") << 1;
        QTest::newRow("high-density screen") << 2;
    }
    void gridLinesStayOneDevicePixel()
    {
        QFETCH(int, ratio);
        windowForm(*window).boxC1->setChecked(false);
        QImage image(W * ratio, H * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(white);
        {
            QPainter painter(&image);
            window->graphWidget->graphDraw(&painter);
        }
        // Cosmetic lines: one device pixel wide whatever the scale.
        int rowPixels = 0;
        for (int y = (H - 140) * ratio; y < (H - 120) * ratio; ++y)
            rowPixels += image.pixel(200 * ratio, y) == grey;
        QCOMPARE(rowPixels, 1);
        int columnPixels = 0;
        for (int x = 55 * ratio; x < 70 * ratio; ++x)
            columnPixels += image.pixel(x, 200 * ratio) == grey;
        QCOMPARE(columnPixels, 1);
    }

    void logScaleHasNoReferenceLine()
    {
        windowForm(*window).boxC1->setChecked(false);
        windowForm(*window).useLog->setChecked(true);
        windowForm(*window).qyscale->setValue(12);
        const QImage image = draw(*window);
        // Where linear mode and the old log-mode line would be, only grid lines.
        QCOMPARE(image.pixel(200, H - 30 - 12), grey);
        QCOMPARE(image.pixel(200, H - 30 - 120), grey);
    }

    void axisLabelsReadableInFull()
    {
        // Decades 10^0 to 10^16, 20 px apart. Written as they stand, those from 10000 on
        // were clipped at the widget's left edge ("0000", "e+10").
        window->switchpromode();
        windowForm(*window).boxC1->setChecked(false);
        windowForm(*window).useLog->setChecked(true);
        windowForm(*window).qyscale->setValue(20);
        const QImage image = draw(*window);
        for (int decade = 0; decade <= 16; ++decade) {
            const int row = H - 30 - 20 * decade;
            int ink = 0;
            for (int y = row - 8; y < row + 2; ++y) {
                QVERIFY2(qGray(image.pixel(0, y)) > 160, qPrintable(QString::number(decade)));
                for (int x = 1; x < 22; ++x)
                    ink += qGray(image.pixel(x, y)) < 128;
            }
            QVERIFY2(ink > 5, qPrintable(QString::number(decade)));
        }
        // 10000 needs the raised exponent, so 100 is written that way too.
        const int hundred = H - 30 - 40;
        const QImage plain = paintAlone([hundred](QPainter& p) {
            p.setFont(QFont("Arial", 8));
            p.drawText(QRect(0, hundred - 8, 22, 10), Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromUtf8("10²"));
        });
        QCOMPARE(image.copy(0, hundred - 8, 22, 10), plain.copy(0, hundred - 8, 22, 10));
    }

    // A label that would run into "Distance [m]" is left out; its tick stays.
    void distanceLabelsLeaveRoomForTheTitle()
    {
        // From 0.66 m at 31 mm a column: 15 m is ticked in column 463, 16 m in column 495,
        // whose label would be centred on the title's first letter at x = 528.
        windowForm(*window).boxC1->setChecked(false);
        windowForm(*window).DSB_leftBorder->setValue(0.66);
        const QImage image = draw(*window);
        QCOMPARE(image.pixel(30 + 495, 200), grey);
        const auto inked = [&image](int left, int right) {
            int dark = 0;
            for (int y = H - 25; y < H - 13; ++y)
                for (int x = left; x <= right; ++x)
                    dark += qGray(image.pixel(x, y)) < 128;
            return dark;
        };
        QVERIFY(inked(30 + 463 - 6, 30 + 463 + 12) > 5);
        QCOMPARE(inked(505, 526), 0);
    }

    void curves_data()
    {
        QTest::addColumn<int>("camera");
        QTest::addColumn<bool>("expert");
        QTest::newRow("Camera 1, simple mode") << 1 << false;
        QTest::newRow("Camera 2 alone, expert mode") << 2 << true;
    }
    void curves()
    {
        QFETCH(int, camera);
        QFETCH(bool, expert);
        mainWin& w = *window;
        if (expert)
            w.switchpromode();
        windowForm(w).boxC1->setChecked(camera == 1);
        windowForm(w).boxC2->setChecked(camera == 2);
        CameraSetup& setup = camera == 1 ? w.cam1 : w.cam2;
        textbook(setup);
        handToPlot(w);
        const QImage image = draw(w);
        int checked = 0;
        for (int column = 5; column < W - 40; column += 7) {
            const int row = int(H - 30 - setup.getZc(1000 + 31 * column) * 50);
            if (row >= 60 && row <= H - 35) {
                QVERIFY2(ofCamera(image.pixel(30 + column, row), camera),
                         qPrintable(QString::number(column)));
                ++checked;
            }
        }
        QVERIFY(checked > 40);
        QCOMPARE(cameraPixels(image, 3 - camera, QRect(31, 20, W - 41, H - 50)), 0);
        // A single camera's caption takes the upper slot.
        QVERIFY(qGray(image.pixel(W - 300, 17)) < 128);
        QCOMPARE(image.pixel(W - 300, 54), white);
    }

    // A pinned setup on show draws its curve in its own colour, and its band only where its
    // flag asks; a hidden one draws nothing.
    void pinnedSetups_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("band");
        QTest::newRow("shown") << true << false;
        QTest::newRow("shown with its band") << true << true;
        QTest::newRow("hidden") << false << true;
    }
    void pinnedSetups()
    {
        QFETCH(bool, shown);
        QFETCH(bool, band);
        ProjectRecord project = ProjectCameras::startupProject();
        PinnedSetup setup{"Pinned", shown, band, 2, project.camera1};
        setup.camera.focalLength = 100;
        setup.camera.aperture = 2;
        setup.camera.focusDistance = 3;
        project.pinnedSetups = {setup};
        const ProjectCameras::Cameras cameras =
            ProjectCameras::derive(project, ProjectCameras::startupDiffractionFactor);
        graph plot;
        plot.setFixedSize(W, H);
        plot.setInput(ProjectCameras::plotInput(project, cameras));
        const QImage image = plot.renderImage().convertToFormat(QImage::Format_RGB32);
        const QRgb colour = graph::pinnedColour(2).rgb();
        int curve = 0;
        int tinted = 0;
        for (int y = 20; y < H - 30; ++y) {
            for (int x = 31; x < W - 10; ++x) {
                const QRgb pixel = image.pixel(x, y);
                curve += pixel == colour;
                // The band over the grey background: redder than it is green.
                tinted += qRed(pixel) > qGreen(pixel) + 8 && qBlue(pixel) > qGreen(pixel) + 8 &&
                          pixel != colour;
            }
        }
        QCOMPARE(curve > 100, shown);
        QCOMPARE(tinted > 1000, shown && band);
    }

    void bothCaptionsAndOneTracePerCamera()
    {
        window->switchpromode();
        windowForm(*window).boxC2->setChecked(true);
        QuietTrace trace;
        const QImage image = draw(*window);
        QCOMPARE(image.pixel(W - 300, 17), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(W - 300, 54), qRgb(0, 0, 0));
        QCOMPARE(QString::fromStdString(trace.text()).count("scale: "), 2);
    }

    void band()
    {
        window->switchpromode();
        textbook(window->cam1);
        handToPlot(*window);
        const QImage image = draw(*window);
        // Sharp from 4286.99 to 5997.51 mm: columns 107 to 161 from 1 m. The band starts
        // one column before, at the last blurred sample.
        for (int x : {135, 136, 191, 192})
            QCOMPARE(tinted(image.pixel(x, 100)), x == 136 || x == 191);
        QVERIFY(tinted(image.pixel(150, 20)) && !tinted(image.pixel(150, 19)));
    }

    // Nothing of a curve above the grid's top or below the axis (zc < 1 on the log scale),
    // nothing of a band right of the plot's last column.
    void curvesAndBandsStayInThePlot_data()
    {
        QTest::addColumn<bool>("expert");
        QTest::addColumn<bool>("log");
        QTest::addColumn<double>("focus");
        QTest::newRow("sharp to infinity, smoothed") << false << false << 40000.0;
        QTest::newRow("sharp to infinity") << true << false << 40000.0;
        QTest::newRow("log scale, sharp at 5 m") << true << true << 5000.0;
    }
    void curvesAndBandsStayInThePlot()
    {
        QFETCH(bool, expert);
        QFETCH(bool, log);
        QFETCH(double, focus);
        if (expert)
            window->switchpromode();
        windowForm(*window).useLog->setChecked(log);
        textbook(window->cam1, focus);
        handToPlot(*window);
        const QImage image = draw(*window);
        QVERIFY(cameraPixels(image, 1, QRect(31, 20, W - 41, H - 50)) > 20);
        // Left of the captions, which are tinted themselves.
        for (int y = 0; y < 20; ++y)
            for (int x = 31; x < W - 411; ++x)
                QVERIFY2(!tinted(image.pixel(x, y)), qPrintable(QString("%1,%2").arg(x).arg(y)));
        QCOMPARE(cameraPixels(image, 1, QRect(31, H - 29, W - 41, 29)), 0);
        QCOMPARE(tinted(image.pixel(W - 11, 100)), !log);
        for (int x = W - 10; x < W; ++x)
            QVERIFY(!tinted(image.pixel(x, 100)));
    }

    // Ticks and bands run up behind the caption boxes; none shows through.
    void captionsHideWhatLiesBehind()
    {
        window->switchpromode();
        windowForm(*window).boxC2->setChecked(true);
        textbook(window->cam1, 40000);
        textbook(window->cam2, 40000);
        handToPlot(*window);
        const QImage image = window->graphWidget->renderImage();
        for (int offset : {5, 42}) {
            // The row above the grid's top holds the plain box, the next one covers the grid.
            const QRgb box = image.pixel(W - 300, offset + 14);
            QVERIFY(box != qRgb(220, 220, 220));
            for (int x = W - 409; x < W - 11; ++x)
                QCOMPARE(image.pixel(x, offset + 15), box);
        }
    }

    // After a change the plot repaints only part of itself, and the window then holds the
    // pixels of a repaint of the whole.
    void refreshRepaintsOnlyWhatChanged()
    {
        mainWin& w = *window;
        w.switchpromode();
        windowForm(w).boxC2->setChecked(true);
        windowForm(w).dofMode->setChecked(true);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.run();
        PaintRegions regions;
        w.graphWidget->installEventFilter(&regions);
        windowForm(w).c1_fdist->setValue(5.1);
        QCOMPARE(regions.painted.size(), size_t(1));
        const QRegion whole(w.graphWidget->rect());
        QVERIFY(!regions.painted[0].isEmpty() && (whole - regions.painted[0]) != QRegion());
        const QImage refreshed = plotInWindow(w);
        w.graphWidget->repaint();
        QCOMPARE(plotInWindow(w), refreshed);
    }

    // Laid out once, a text still lands on exactly the pixels the plain call gives it:
    // aligned every way, too wide for its box (clipped), and drawn a second time.
    void cachedTextsDrawAsPlainTexts_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::newRow("ordinary screen") << 1;
        QTest::newRow("high-density screen") << 2;
    }
    void cachedTextsDrawAsPlainTexts()
    {
        QFETCH(int, ratio);
        const auto render = [ratio](
                                const std::function<void(QPainter&, QRect, int, QString)>& draw) {
            QImage image(W * ratio, 480 * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(white);
            QPainter painter(&image);
            int y = 0;
            for (const int size : {7, 8, 10}) {
                painter.setFont(QFont(QStringLiteral("Arial"), size));
                for (const int flags : {int(Qt::AlignLeft | Qt::AlignVCenter), int(Qt::AlignCenter),
                                        int(Qt::AlignRight | Qt::AlignVCenter),
                                        int(Qt::AlignRight | Qt::AlignBottom)}) {
                    for (const QString& text :
                         {QStringLiteral("2.5"), QStringLiteral("100000"),
                          QStringLiteral("zc(inf): 6 - DOF: [4.29 - 6.00m] - FFScale: 1:99")}) {
                        draw(painter, QRect(3, y += 13, 36, 12), flags, text);
                        draw(painter, QRect(60, y, 500, 12), flags, text);
                    }
                }
            }
            return image;
        };
        const QImage plain = render([](QPainter& p, QRect r, int flags, const QString& text) {
            p.drawText(r, flags, text);
        });
        TextLayoutCache cache;
        const auto cached = [&cache](QPainter& p, QRect r, int flags, const QString& text) {
            cache.drawText(&p, r, flags, text);
        };
        QCOMPARE(render(cached), plain);
        QCOMPARE(render(cached), plain);
    }

    // The rectangles put an opaque unsmoothed pen's pixels exactly where its strokes put
    // them, on random curves that climb, fall, run level and leave the picture, also under
    // a painter that enlarges as on a high-density screen; written into the image's rows, or
    // by the painter where the image's pixels are not of 32 bits, and within the part of the
    // image a paint was asked for.
    void curvePixelsAreTheStrokesPixels_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QRegion>("paintArea");
        QTest::newRow("ordinary screen") << 1 << QImage::Format_ARGB32 << QRegion();
        QTest::newRow("high-density screen")
            << 2 << QImage::Format_ARGB32_Premultiplied << QRegion();
        QTest::newRow("part of a window")
            << 1 << QImage::Format_RGB32 << (QRegion(40, 0, 90, H) + QRegion(300, 20, 7, 50));
        QTest::newRow("16-bit pixels") << 1 << QImage::Format_RGB16 << QRegion();
    }
    void curvePixelsAreTheStrokesPixels()
    {
        QFETCH(int, scale);
        QFETCH(QImage::Format, format);
        QFETCH(QRegion, paintArea);
        const auto paint = [&](const std::function<void(QPainter&)>& draw) {
            QImage image(W * scale, H * scale, format);
            image.fill(white);
            image.paintEngine()->setSystemClip(paintArea);
            QPainter painter(&image);
            painter.scale(scale, scale);
            painter.translate(3, -2);
            draw(painter);
            return image;
        };
        // The picture in the painter's coordinates, in device pixels.
        const QRect unclipped(QPoint(-3, 2) * scale, QSize(W, H) * scale);
        QRandomGenerator random(14);
        for (int curve = 0; curve < 60; ++curve) {
            std::vector<QLine> segments;
            int row = random.bounded(H);
            for (int x = 31; x < W - 10; ++x) {
                const int previous = row;
                switch (random.bounded(8)) {
                case 0:
                    row += random.bounded(-300, 301);
                    break;
                case 1:
                    row = random.bounded(2) ? -(1 << 22) : H + (1 << 22);
                    break;
                case 2:
                case 3:
                    break;
                default:
                    row += random.bounded(-3, 4);
                    break;
                }
                segments.emplace_back(x - 1, previous, x, row);
                if (row < -50 || row > H + 50)
                    row = random.bounded(H);
            }
            const QPen pen(QColor(0, 127, 0), curve % 2); // cosmetic, and one pixel wide
            const QImage stroked = paint([&](QPainter& p) {
                p.setPen(pen);
                p.drawLines(segments.data(), int(segments.size()));
            });
            SegmentShapes shapes(pen, scale);
            const QImage filled = paint([&](QPainter& p) {
                const CurvePixels pixels = scale == 1 ? CurvePixels(segments, unclipped)
                                                      : CurvePixels(segments, unclipped, shapes);
                p.setPen(pen);
                p.drawLines(pixels.strokes.data(), int(pixels.strokes.size()));
                p.scale(1.0 / scale, 1.0 / scale);
                PixelFill::fillRects(&p, pixels.runs, pen.color());
            });
            QCOMPARE(filled, stroked);
        }
        // The read-out's see-through cursor over pixels of every colour, opaque or not.
        QImage noise(W * scale, H * scale, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, qPremultiply(random.generate()));
        for (const QColor& colour : {QColor(0, 0, 0, 90), QColor(200, 40, 90, 1),
                                     QColor(13, 250, 7, 254), QColor(90, 90, 255, 128)}) {
            const QRect rect(random.bounded(-5, W / 2), random.bounded(-5, H / 2),
                             random.bounded(1, W / 2), random.bounded(1, H / 2));
            const auto over = [&](bool direct) {
                return paint([&](QPainter& p) {
                    p.drawImage(QRectF(-3, 2, W, H), noise);
                    if (direct)
                        PixelFill::blendRect(&p, rect, colour);
                    else
                        p.fillRect(rect, colour);
                });
            };
            QCOMPARE(over(true), over(false));
        }
    }

    void captions_data()
    {
        QTest::addColumn<double>("focus");
        QTest::addColumn<double>("aperture");
        QTest::addColumn<int>("diffraction");
        QTest::addColumn<bool>("dofMode");
        QTest::addColumn<QString>("values");
        // The blur of infinity itself, 2500 / (2.8 x 4950) / 0.03 = 6.0125; a point 10 km away
        // has 6.0095.
        QTest::newRow("5 m") << 5000.0 << 2.8 << 0 << false
                             << "zc(inf): 6.01 - DOF: [1.71m] - FFScale: 1:99 Diag: 4.28m";
        QTest::newRow("5 m, limits")
            << 5000.0 << 2.8 << 0 << true
            << "zc(inf): 6.01 - DOF: [4.29 - 6.00m] - FFScale: 1:99 Diag: 4.28m";
        QTest::newRow("40 m, past hyperfocal")
            << 40000.0 << 2.8 << 0 << false
            << "zc(inf): 0.74 - DOF: [inf. m] - FFScale: 1:799 Diag: 34.6m";
        // 2500 / (2.8 x 19950) / 0.03 = 1.4918, where a point 10 km away has 1.4888.
        QTest::newRow("20 m, infinity blurred")
            << 20000.0 << 2.8 << 0 << true
            << "zc(inf): 1.49 - DOF: [11.97 - 60.66m] - FFScale: 1:399 Diag: 17.3m";
        QTest::newRow("40 m, past hyperfocal, limits")
            << 40000.0 << 2.8 << 0 << true
            << "zc(inf): 0.74 - DOF: [17.08 - inf. m] - FFScale: 1:799 Diag: 34.6m";
        // Sharp at 10 km with diffraction: the far limit is infinite, not the search's end.
        QTest::newRow("39 m f/7.1, diffraction")
            << 39000.0 << 7.1 << 1 << false
            << "zc(inf): 0.41 - DOF: [inf. m] - FFScale: 1:779 Diag: 33.7m";
        QTest::newRow("39 m f/7.1, diffraction, limits")
            << 39000.0 << 7.1 << 1 << true
            << "zc(inf): 0.41 - DOF: [9.33 - inf. m] - FFScale: 1:779 Diag: 33.7m";
        // Diffraction alone exceeds the CoC even at the focus.
        const QString none = "zc(inf): 2.61 - DOF: [none] - FFScale: 1:99 Diag: 4.28m";
        QTest::newRow("f/64, diffraction") << 5000.0 << 64.0 << 1 << false << none;
        QTest::newRow("f/64, diffraction, limits") << 5000.0 << 64.0 << 1 << true << none;
        // Below 1 m in millimetres, where 0.30 m would hide the depth of field itself: near
        // and far 300 x 10416.7 / (10466.7 -+ 200 + 100) = 292.97 and 307.38 mm.
        QTest::newRow("0.30 m f/8") << 300.0 << 8.0 << 0 << false
                                    << "zc(inf): 41 - DOF: [14.4mm] - FFScale: 1:5 Diag: 0.22m";
        QTest::newRow("0.30 m f/8, limits")
            << 300.0 << 8.0 << 0 << true
            << "zc(inf): 41 - DOF: [293 - 307mm] - FFScale: 1:5 Diag: 0.22m";
        QTest::newRow("80 mm, above 1:1")
            << 80.0 << 8.0 << 0 << true
            << "zc(inf): 347 - DOF: [79.8 - 80.2mm] - FFScale: 1.7:1 Diag: 0.03m";
        QTest::newRow("0.01 ft, inside the focal length")
            << 3.048 << 2.8 << 0 << false
            << "No sharp image: the focus is closer than the focal length.";
    }
    void captions()
    {
        QFETCH(double, focus);
        QFETCH(double, aperture);
        QFETCH(int, diffraction);
        QFETCH(bool, dofMode);
        windowForm(*window).dofMode->setChecked(dofMode);
        window->cam2.init(focus, aperture, 50, 0.03, 1, diffraction, 100, 1.8);
        handToPlot(*window);
        const CaptionTexts texts = window->graphWidget->captionTexts(2);
        QCOMPARE(texts.title, QString("Camera 2:"));
        if (focus == 5000 && aperture == 2.8)
            QCOMPARE(texts.settings, QString("50mm f/2.8 - Dist.: 5m - CoC: 0.0300mm"));
        if (focus == 300)
            QCOMPARE(texts.settings, QString("50mm f/8 - Dist.: 300mm - CoC: 0.0300mm"));
        QTEST(texts.values, "values");
        // The exported numbers say the same of infinity, and nothing where no image forms.
        PlotInput alone = window->plotInput();
        alone.switchedOn = {false, true};
        window->graphWidget->setInput(alone);
        const QJsonValue zc =
            QJsonDocument::fromJson(PlotData(window->graphWidget->drawing()).json({}))
                .object()["cameras"][0]["zc_infinity"];
        QCOMPARE(zc.isNull(), !window->cam2.formsImage());
        const double shown = CaptionNumbers::blurAtInfinity(zc.toDouble());
        QVERIFY(zc.isNull() || texts.values.startsWith(QString("zc(inf): %1 ").arg(shown)));
    }

    // In feet the axis is titled and ticked in feet, and the captions give feet.
    void feetAxisAndCaptions()
    {
        mainWin& w = *window;
        w.setLengthUnit(LengthUnit::Feet);
        windowForm(w).boxC1->setChecked(false);
        const QImage image = draw(w);
        // 1 m at the axis: the first multiple of 5 ft, 1524 mm, lies in column 17 (1496, 1527].
        for (int x = 31; x <= 47; ++x)
            QCOMPARE(image.pixel(x, 200), x == 47 ? grey : white);
        const QImage texts = paintAlone([](QPainter& p) {
            p.setFont(QFont("Arial", 8));
            p.drawText(QRect(32, H - 25, 36, 12), Qt::AlignCenter, "5");
            p.drawText(W - 72, H - 12, "Distance [ft]");
        });
        QCOMPARE(image.copy(32, H - 25, 36, 12), texts.copy(32, H - 25, 36, 12));
        QCOMPARE(image.copy(W - 72, H - 24, 72, 16), texts.copy(W - 72, H - 24, 72, 16));

        windowForm(w).dofMode->setChecked(true);
        w.cam2.init(40000, 2.8, 50, 0.03, 1, 0, 100, 1.8);
        handToPlot(w);
        const CaptionTexts caption = w.graphWidget->captionTexts(2);
        QCOMPARE(caption.settings, QString("50mm f/2.8 - Dist.: 131.23ft - CoC: 0.0300mm"));
        QCOMPARE(caption.values,
                 QString("zc(inf): 0.74 - DOF: [56.03 - inf. ft] - FFScale: 1:799 Diag: 113ft"));
    }

    // A change of unit repaints all of the plot.
    void unitSwitchRepaintsTheWholePlot()
    {
        mainWin& w = *window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.run();
        PaintRegions regions;
        w.graphWidget->installEventFilter(&regions);
        w.setLengthUnit(LengthUnit::Feet);
        QCOMPARE(regions.painted.size(), size_t(1));
        QCOMPARE(regions.painted[0], QRegion(w.graphWidget->rect()));
        const QImage refreshed = plotInWindow(w);
        w.graphWidget->repaint();
        QCOMPARE(plotInWindow(w), refreshed);
    }

    void extremeValues_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<double>("focus");
        QTest::addColumn<double>("coc");
        QTest::addColumn<double>("flength");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("no CoC: infinite blur") << false << 5000.0 << 0.0 << 50.0;
        QTest::newRow("no CoC, a sample at the focus: NaN") << false << 4100.0 << 0.0 << 50.0;
        QTest::newRow("vanishing CoC: huge blur") << false << 5000.0 << 1e-300 << 50.0;
        QTest::newRow("focal length NaN") << false << 5000.0 << 0.03 << nan;
        // Column 100 samples the focus exactly: zc = 0, log10 = -inf.
        QTest::newRow("log scale, sharp sample") << true << 4100.0 << 0.03 << 50.0;
    }
    void extremeValues()
    {
        QFETCH(bool, log);
        QFETCH(double, focus);
        QFETCH(double, coc);
        QFETCH(double, flength);
        window->switchpromode();
        windowForm(*window).useLog->setChecked(log);
        windowForm(*window).qyscale->setValue(
            5); // keeps the log curve's neighbours inside the widget
        textbook(window->cam1, focus, coc, flength);
        handToPlot(*window);
        const QImage image = draw(*window);
        QCOMPARE(image.pixel(W - 300, 17), qRgb(0, 0, 0)); // the caption is still written
        if (log) { // the sharp sample, log10(0), lies below the axis, where nothing is drawn
            QVERIFY(cameraPixels(image, 1, QRect(31, 20, W - 41, H - 50)) > 0);
            QCOMPARE(cameraPixels(image, 1, QRect(31, H - 29, W - 41, 29)), 0);
        } else { // the curve runs above the widget; no band
            QCOMPARE(cameraPixels(image, 1, QRect(31, 60, W - 50, H - 92)), 0);
            QVERIFY(!tinted(image.pixel(200, 100)));
        }
    }

private:
    FreshWindow<mainWin> window;
};

ZIDOV_GUITEST_MAIN(TestGraph)
#include "tst_graph.moc"
