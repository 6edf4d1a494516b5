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

QString decode(const QByteArray& payload, const QString& where, ProjectRecord& project)
{
    using ProjectCodec::shownNumber;
    QDataStream in(payload);
    ProjectCodec::configure(in);
    quint8 camera = 0;
    FocusStackRecord read;
    quint32 shots = 0;
    in >> camera >> read.aperture >> shots;
    const QString cutShort =
        QCoreApplication::translate("ProjectFile",
                                    "The file is damaged: the focus stack is cut short (%1).")
            .arg(where);
    if (in.status() != QDataStream::Ok)
        return cutShort;
    if (camera != 1 && camera != 2)
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: it holds a focus stack for camera "
                                           "%1, but only cameras 1 and 2 exist (%2).")
            .arg(camera)
            .arg(where);
    read.camera = camera;
    // Checked before anything is read for them, so that a damaged count reserves nothing.
    if (shots < 1 || shots > maxShots)
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: the focus stack has %1 shots, but "
                                           "only 1 to %2 are allowed (%3).")
            .arg(shots)
            .arg(maxShots)
            .arg(where);
    if (payload.size() < qsizetype(13 + 8 * shots))
        return cutShort;
    const ProjectCodec::ValueRange& apertures = ProjectCodec::apertureRange;
    if (!std::isfinite(read.aperture) || !apertures.holds(read.aperture))
        return QCoreApplication::translate("ProjectFile",
                                           "The file is damaged: the focus stack is taken at f/%1, "
                                           "but only f/%2 to f/%3 are allowed (%4).")
            .arg(shownNumber(read.aperture), shownNumber(apertures.minimum),
                 shownNumber(apertures.maximum), where);
    for (quint32 i = 0; i < shots; ++i) {
        double focus = 0;
        in >> focus;
        if (!std::isfinite(focus) || !(focus > 0) || !ProjectCodec::focusDistanceRange.holds(focus))
            return QCoreApplication::translate(
                       "ProjectFile", "The file is damaged: shot %1 of the focus stack is focused at "
                                  "%2 m, but only more than 0 up to %3 m are allowed (%4).")
                .arg(i + 1)
                .arg(shownNumber(focus), shownNumber(ProjectCodec::focusDistanceRange.maximum),
                     where);
        // Nearest first.
        if (!read.focusDistances.isEmpty() && focus <= read.focusDistances.last())
            return QCoreApplication::translate("ProjectFile",
                                               "The file is damaged: shot %1 of the focus stack is "
                                               "not farther than the shot before it (%2).")
                .arg(i + 1)
                .arg(where);
        read.focusDistances.append(focus);
    }
    // Bytes beyond the shots are the rail's lens focus where there are enough for one.
    if (payload.size() >= qsizetype(13 + 8 * shots + 8)) {
        in >> read.railFocus;
        if (in.status() != QDataStream::Ok || !std::isfinite(read.railFocus) ||
            !(read.railFocus > 0) || !ProjectCodec::focusDistanceRange.holds(read.railFocus))
            return QCoreApplication::translate(
                       "ProjectFile",
                       "The file is damaged: the focusing rail of the focus stack "
                       "starts at %1 m, but only more than 0 up to %2 m are allowed (%3).")
                .arg(shownNumber(read.railFocus),
                     shownNumber(ProjectCodec::focusDistanceRange.maximum), where);
    }
    project.focusStack = read;
    return {};
}

} // namespace StackRecord
