// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QImage>
#include <QString>

class QIODevice;
class SettingsTable;
class PlotDrawing;

// The plot written out by the same graphDraw as the screen: as a bitmap in any image format
// the toolkit writes, or as SVG or PDF, where texts stay texts and lines and bands stay
// shapes. Every format has the exports' light-grey background; a vector page is the plot's
// size in pixels at 96 dpi. A settings table, where one is given, goes below the plot on a
// page that much taller.
namespace PlotExport {

// format: a lower-case file suffix such as "png", "jpg", "svg" or "pdf". pixelRatio is the
// bitmap's device pixels per plot pixel; the vector formats do not need it.
bool write(PlotDrawing& plot, QIODevice& device, const QString& format, qreal pixelRatio,
           const SettingsTable* table = nullptr);
// The bitmap that write() encodes; null when it cannot be made.
QImage image(PlotDrawing& plot, qreal pixelRatio, const SettingsTable* table = nullptr);

bool isVectorFormat(const QString& format);

// Encodes a bitmap that image() drew, from any thread. pngCompression is zlib's level from 0
// to 9 for PNG; -1 keeps the encoder's own, which the window's export writes.
bool encode(const QImage& image, QIODevice& device, const QString& format, int pngCompression = -1);

} // namespace PlotExport
