// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "projectextension.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>

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

QString place(int record, int start)
{
    return QCoreApplication::translate("ProjectFile", "record %1 at byte %2").arg(record).arg(start);
}

Decoded decode(const QByteArray& file, int start)
{
    Decoded result;
    const auto fail = [&](qint64 offset, const QString& message) {
        result.records.clear();
        result.starts.clear();
        result.offset = int(offset);
        result.message = message;
        return result;
    };
    // One byte is a text of its own: "%n byte(s)" would show as is in English.
    const auto bytesFrom = [](qint64 count, qint64 offset) {
        return count == 1 ? QCoreApplication::translate("ProjectFile", "1 byte at byte %1").arg(offset)
                          : QCoreApplication::translate("ProjectFile", "%1 bytes from byte %2 on")
                                .arg(count)
                                .arg(offset);
    };
    if (file.size() - start < headerSize || file.mid(start, tagSize) != QByteArray(magic))
        return fail(start, QCoreApplication::translate(
                               "ProjectFile", "The file is damaged: after the camera settings it "
                                          "holds something Zidov did not write (%1).")
                               .arg(bytesFrom(file.size() - start, start)));
    const quint32 readVersion = numberAt(file, start + tagSize);
    if (readVersion != version)
        return fail(start + tagSize,
                    QCoreApplication::translate(
                        "ProjectFile", "The file is damaged or was saved by a newer Zidov: the "
                                   "camera settings added to it are of a kind this Zidov does not "
                                   "know (version %1 at byte %2).")
                        .arg(readVersion)
                        .arg(start + tagSize));
    const quint32 count = numberAt(file, start + tagSize + 4);
    qint64 at = start + headerSize;
    for (quint32 i = 0; i < count; ++i) {
        if (file.size() - at < recordHeaderSize)
            return fail(at, QCoreApplication::translate(
                                "ProjectFile", "The file is damaged: the camera settings added to "
                                           "it end too early (record %1 of %2 is missing at byte "
                                           "%3, where the file ends after %4 bytes).")
                                .arg(i + 1)
                                .arg(count)
                                .arg(at)
                                .arg(file.size()));
        const QByteArray tag = file.mid(int(at), tagSize);
        if (!std::all_of(tag.begin(), tag.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            return fail(
                at, QCoreApplication::translate("ProjectFile",
                                                "The file is damaged: the camera settings added to "
                                                "it cannot be read (the tag of %1, %2, is not four "
                                                "printable ASCII characters).")
                        .arg(place(int(i + 1), int(at)), QString::fromLatin1(tag.toHex(' '))));
        const quint32 length = numberAt(file, int(at) + tagSize);
        if (quint64(file.size() - at - recordHeaderSize) < length) {
            const QString claim =
                length == 1 ? QCoreApplication::translate(
                                  "ProjectFile", "The file is damaged: the camera settings added to "
                                             "it end too early (record %1 at byte %2 claims 1 "
                                             "byte).")
                            : QCoreApplication::translate(
                                  "ProjectFile", "The file is damaged: the camera settings added to "
                                             "it end too early (record %1 at byte %2 claims %3 "
                                             "bytes).");
            const QString message = claim.arg(i + 1).arg(at);
            return fail(at, length == 1 ? message : message.arg(length));
        }
        result.records.append({tag, file.mid(int(at) + recordHeaderSize, int(length))});
        result.starts.append(int(at));
        at += recordHeaderSize + length;
    }
    if (at != file.size())
        return fail(at, QCoreApplication::translate(
                            "ProjectFile", "The file is damaged: it goes on after the camera settings "
                                       "added to it (%1).")
                            .arg(bytesFrom(file.size() - at, at)));
    return result;
}

} // namespace ProjectExtension
