// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QString>

class QIODevice;
class graph;

// The plot written out by the same graphDraw as the screen: as a bitmap in any image format
// the toolkit writes, or as SVG or PDF, where texts stay texts and lines and bands stay
// shapes. Every format has the exports' light-grey background; a vector page is the plot's
// size in pixels at 96 dpi.
namespace PlotExport {

// format: a lower-case file suffix such as "png", "jpg", "svg" or "pdf". pixelRatio is the
// bitmap's device pixels per plot pixel; the vector formats do not need it.
bool write(graph& plot, QIODevice& device, const QString& format, qreal pixelRatio);

bool isVectorFormat(const QString& format);

} // namespace PlotExport
