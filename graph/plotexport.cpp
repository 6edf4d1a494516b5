// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotexport.h"

#include "plotdrawing.h"
#include "settingstabledrawing.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <optional>

namespace {
// Screen and bitmap fonts are laid out at 96 dpi; a vector page at the same resolution
// keeps every text the size it has beside the lines.
constexpr int pageDpi = 96;
constexpr qreal pointsPerPixel = 72.0 / pageDpi;

// The plot, with the settings table below it where there is one.
class Page
{
public:
    Page(PlotDrawing& plot_, const SettingsTable* settings) : plot(plot_)
    {
        if (settings)
            table.emplace(*settings, plot.width());
    }
    QSize size() const { return plot.size() + QSize(0, table ? table->height() : 0); }
    void draw(QPainter& painter)
    {
        painter.fillRect(QRect(QPoint(0, 0), size()), PlotDrawing::exportBackground());
        plot.graphDraw(&painter);
        if (table)
            table->draw(&painter, plot.height(), PlotDrawing::exportBackground());
    }

private:
    PlotDrawing& plot;
    std::optional<SettingsTableDrawing> table;
};

// The painter must end before the generator or writer it paints on goes.
bool drawPage(Page& content, QPaintDevice& page)
{
    QPainter painter;
    if (!painter.begin(&page))
        return false;
    content.draw(painter);
    return painter.end();
}

QString documentTitle(const PlotDrawing& plot)
{
    return QStringLiteral("Zidov ") + (plot.input() ? plot.input()->version : QString());
}

bool writeSvg(PlotDrawing& plot, const SettingsTable* table, QIODevice& device)
{
    Page page(plot, table);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(page.size());
        svg.setViewBox(QRect(QPoint(0, 0), page.size()));
        svg.setResolution(pageDpi);
        svg.setTitle(documentTitle(plot));
        svg.setDescription(QStringLiteral("Relative blur zc over subject distance"));
        if (!drawPage(page, svg))
            return false;
    }
    // The generator gives the size in millimetres, rounded, which viewers turn into a pixel
    // more or less; in pixels it is exact.
    QByteArray bytes = buffer.data();
    static const QRegularExpression size(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QString exact = QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                              .arg(page.size().width())
                              .arg(page.size().height());
    const QRegularExpressionMatch match = size.match(QString::fromLatin1(bytes.left(200)));
    if (match.hasMatch())
        bytes.replace(match.capturedStart(), match.capturedLength(), exact.toLatin1());
    return device.write(bytes) == bytes.size();
}

bool writePdf(PlotDrawing& plot, const SettingsTable* table, QIODevice& device)
{
    Page page(plot, table);
    QPdfWriter pdf(&device);
    pdf.setResolution(pageDpi);
    pdf.setCreator(documentTitle(plot));
    pdf.setTitle(documentTitle(plot));
    const QPageSize pageSize(QSizeF(page.size()) * pointsPerPixel, QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
    if (!pdf.setPageSize(pageSize) || !pdf.setPageMargins(QMarginsF(0, 0, 0, 0)))
        return false;
    return drawPage(page, pdf);
}

bool writeBitmap(PlotDrawing& plot, const SettingsTable* table, QIODevice& device,
                 const QString& format, qreal pixelRatio)
{
    const QImage image = PlotExport::image(plot, pixelRatio, table);
    return !image.isNull() && PlotExport::encode(image, device, format);
}
} // namespace

namespace PlotExport {

bool isVectorFormat(const QString& format)
{
    return format == QLatin1String("svg") || format == QLatin1String("pdf");
}

bool write(PlotDrawing& plot, QIODevice& device, const QString& format, qreal pixelRatio,
           const SettingsTable* table)
{
    if (plot.width() <= 0 || plot.height() <= 0)
        return false;
    if (format == QLatin1String("svg"))
        return writeSvg(plot, table, device);
    if (format == QLatin1String("pdf"))
        return writePdf(plot, table, device);
    return writeBitmap(plot, table, device, format, pixelRatio);
}

bool encode(const QImage& image, QIODevice& device, const QString& format, int pngCompression)
{
    QImageWriter writer(&device, format.toLatin1());
    // The PNG writer takes its zlib level only as a quality, 0 for level 9 down to 99 for 0.
    if (pngCompression >= 0 && format == QLatin1String("png"))
        writer.setQuality(99 - 11 * pngCompression);
    return writer.write(image);
}

QImage image(PlotDrawing& plot, qreal pixelRatio, const SettingsTable* table)
{
    if (!table)
        return plot.renderImage(pixelRatio);
    // As renderImage lays the plot out, with the table below.
    Page page(plot, table);
    QImage image((QSizeF(page.size()) * pixelRatio).toSize(), QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    page.draw(painter);
    return image;
}

} // namespace PlotExport
