// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "stackrecord.h"

#include "projectcodec.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace StackRecord {

ProjectExtension::Record encode(const FocusStackRecord& stack)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    ProjectCodec::configure(out);
    out << quint8(stack.camera) << stack.aperture << quint32(stack.focusDistances.size());
    for (const double focus : stack.focusDistances)
        out << focus;
    if (stack.railFocus > 0)
        out << stack.railFocus;
    return {QByteArray(tag), payload};
}

QString decode(const QByteArray& payload, ProjectRecord& project)
{
    QDataStream in(payload);
    ProjectCodec::configure(in);
    quint8 camera = 0;
    FocusStackRecord read;
    quint32 shots = 0;
    in >> camera >> read.aperture >> shots;
    if (in.status() != QDataStream::Ok)
        return QCoreApplication::translate("mainWin", "The focus stack is cut short.");
    if (camera != 1 && camera != 2)
        return QCoreApplication::translate(
                   "mainWin", "The focus stack names camera %1; only cameras 1 and 2 exist.")
            .arg(camera);
    read.camera = camera;
    // Checked before anything is read for them, so that a damaged count reserves nothing.
    const bool countFits =
        shots >= 1 && shots <= maxShots && payload.size() >= qsizetype(13 + 8 * shots);
    bool valid = countFits && std::isfinite(read.aperture) &&
                 ProjectCodec::apertureRange.holds(read.aperture);
    for (quint32 i = 0; valid && i < shots; ++i) {
        double focus = 0;
        in >> focus;
        // Nearest first, each within the focus box's range.
        valid = in.status() == QDataStream::Ok && std::isfinite(focus) && focus > 0 &&
                ProjectCodec::focusDistanceRange.holds(focus) &&
                (read.focusDistances.isEmpty() || focus > read.focusDistances.last());
        read.focusDistances.append(focus);
    }
    // Bytes beyond the shots are the rail's lens focus where there are enough for one.
    if (valid && payload.size() >= qsizetype(13 + 8 * shots + 8)) {
        in >> read.railFocus;
        valid = in.status() == QDataStream::Ok && std::isfinite(read.railFocus) &&
                read.railFocus > 0 && ProjectCodec::focusDistanceRange.holds(read.railFocus);
    }
    if (!valid)
        return QCoreApplication::translate("mainWin",
                                           "The focus stack holds a value outside its range.");
    project.focusStack = read;
    return {};
}

} // namespace StackRecord
