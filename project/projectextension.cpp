// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectextension.h"

#include <QCoreApplication>
#include <QtEndian>

namespace ProjectExtension {

namespace {
constexpr int tagSize = 4;
constexpr int headerSize = tagSize + 4 + 4;
constexpr int recordHeaderSize = tagSize + 4;

void appendNumber(QByteArray& bytes, quint32 value)
{
    char big[4];
    qToBigEndian(value, big);
    bytes.append(big, 4);
}

quint32 numberAt(const QByteArray& bytes, int offset)
{
    return qFromBigEndian<quint32>(bytes.constData() + offset);
}
} // namespace

QByteArray encode(const QList<Record>& records)
{
    QByteArray bytes;
    if (records.isEmpty())
        return bytes;
    bytes.append(magic, tagSize);
    appendNumber(bytes, version);
    appendNumber(bytes, quint32(records.size()));
    for (const Record& record : records) {
        bytes.append(record.tag.left(tagSize).leftJustified(tagSize, ' '));
        appendNumber(bytes, quint32(record.payload.size()));
        bytes.append(record.payload);
    }
    return bytes;
}

Decoded decode(const QByteArray& file, int start)
{
    Decoded result;
    const auto fail = [&](int offset, const QString& message) {
        result.records.clear();
        result.offset = offset;
        result.message = message;
        return result;
    };
    if (file.size() - start < headerSize || file.mid(start, tagSize) != QByteArray(magic))
        // One byte is a text of its own: "%n byte(s)" would show as is in English.
        return fail(start, file.size() - start == 1
                               ? QCoreApplication::translate(
                                     "mainWin", "The 1 byte after the camera settings is not "
                                                "Zidov's additions to the format.")
                               : QCoreApplication::translate(
                                     "mainWin", "The %1 bytes after the camera settings are not "
                                                "Zidov's additions to the format.")
                                     .arg(file.size() - start));
    const quint32 readVersion = numberAt(file, start + tagSize);
    if (readVersion != version)
        return fail(start + tagSize,
                    QCoreApplication::translate(
                        "mainWin", "The additions to the format are of version %1, which this "
                                   "Zidov does not know.")
                        .arg(readVersion));
    const quint32 count = numberAt(file, start + tagSize + 4);
    qint64 at = start + headerSize;
    for (quint32 i = 0; i < count; ++i) {
        if (file.size() - at < recordHeaderSize)
            return fail(int(at), QCoreApplication::translate(
                                     "mainWin", "The file ends after %1 bytes; record %2 of the %3 "
                                                "additions, from byte %4 on, is missing.")
                                     .arg(file.size())
                                     .arg(i + 1)
                                     .arg(count)
                                     .arg(at));
        const quint32 length = numberAt(file, int(at) + tagSize);
        if (quint64(file.size() - at - recordHeaderSize) < length) {
            const QString claim =
                (length == 1
                     ? QCoreApplication::translate("mainWin",
                                                   "Record %1 of the additions (byte %2) claims 1 "
                                                   "byte, but the file ends before.")
                     : QCoreApplication::translate("mainWin",
                                                   "Record %1 of the additions (byte %2) claims %3 "
                                                   "bytes, but the file ends before."))
                    .arg(i + 1)
                    .arg(at);
            return fail(int(at), length == 1 ? claim : claim.arg(length));
        }
        result.records.append(
            {file.mid(int(at), tagSize), file.mid(int(at) + recordHeaderSize, int(length))});
        at += recordHeaderSize + length;
    }
    if (at != file.size())
        return fail(int(at), file.size() - at == 1
                                 ? QCoreApplication::translate(
                                       "mainWin", "1 byte follows the last addition to the format, "
                                                  "at byte %1.")
                                       .arg(at)
                                 : QCoreApplication::translate(
                                       "mainWin", "%1 bytes follow the last addition to the "
                                                  "format, from byte %2 on.")
                                       .arg(file.size() - at)
                                       .arg(at));
    return result;
}

} // namespace ProjectExtension
