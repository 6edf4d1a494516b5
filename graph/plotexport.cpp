// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "plotexport.h"

#include "graph.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {
// Screen and bitmap fonts are laid out at 96 dpi; a vector page at the same resolution
// keeps every text the size it has beside the lines.
constexpr int pageDpi = 96;
constexpr qreal pointsPerPixel = 72.0 / pageDpi;

// The painter must end before the generator or writer it paints on goes.
bool drawPage(graph& plot, QPaintDevice& page)
{
    QPainter painter;
    if (!painter.begin(&page))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), plot.size()), graph::exportBackground());
    plot.graphDraw(&painter);
    return painter.end();
}

QString documentTitle(const graph& plot)
{
    return QStringLiteral("Zidov ") + (plot.input() ? plot.input()->version : QString());
}

bool writeSvg(graph& plot, QIODevice& device)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(plot.size());
        svg.setViewBox(QRect(QPoint(0, 0), plot.size()));
        svg.setResolution(pageDpi);
        svg.setTitle(documentTitle(plot));
        svg.setDescription(QStringLiteral("Relative blur zc over subject distance"));
        if (!drawPage(plot, svg))
            return false;
    }
    // The generator gives the size in millimetres, rounded, which viewers turn into a pixel
    // more or less; in pixels it is exact.
    QByteArray bytes = buffer.data();
    static const QRegularExpression size(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QString exact =
        QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(plot.width()).arg(plot.height());
    const QRegularExpressionMatch match = size.match(QString::fromLatin1(bytes.left(200)));
    if (match.hasMatch())
        bytes.replace(match.capturedStart(), match.capturedLength(), exact.toLatin1());
    return device.write(bytes) == bytes.size();
}

bool writePdf(graph& plot, QIODevice& device)
{
    QPdfWriter pdf(&device);
    pdf.setResolution(pageDpi);
    pdf.setCreator(documentTitle(plot));
    pdf.setTitle(documentTitle(plot));
    const QPageSize page(QSizeF(plot.size()) * pointsPerPixel, QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    if (!pdf.setPageSize(page) || !pdf.setPageMargins(QMarginsF(0, 0, 0, 0)))
        return false;
    return drawPage(plot, pdf);
}

bool writeBitmap(graph& plot, QIODevice& device, const QString& format, qreal pixelRatio)
{
    const QImage image = plot.renderImage(pixelRatio);
    if (image.isNull())
        return false;
    QImageWriter writer(&device, format.toLatin1());
    return writer.write(image);
}
} // namespace

namespace PlotExport {

bool isVectorFormat(const QString& format)
{
    return format == QLatin1String("svg") || format == QLatin1String("pdf");
}

bool write(graph& plot, QIODevice& device, const QString& format, qreal pixelRatio)
{
    if (plot.width() <= 0 || plot.height() <= 0)
        return false;
    if (format == QLatin1String("svg"))
        return writeSvg(plot, device);
    if (format == QLatin1String("pdf"))
        return writePdf(plot, device);
    return writeBitmap(plot, device, format, pixelRatio);
}

} // namespace PlotExport
