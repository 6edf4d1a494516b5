// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Tagged records after the fields of format 1.3. Builds that know only those fields read no
// further, so they still open a file with records and simply do without them.
//
// Layout, big-endian: the four bytes "ZDXT", the extension's version (quint32, 1) and the
// number of records (quint32); then per record a tag of four ASCII bytes, the length of its
// payload in bytes (quint32) and the payload. The last record ends with the file. Each
// feature owns its tags; a reader skips records whose tag it does not know, and a feature may
// append fields to its own payload, which older readers of that tag ignore.
namespace ProjectExtension {

constexpr char magic[] = "ZDXT";
constexpr quint32 version = 1;

struct Record
{
    QByteArray tag;
    QByteArray payload;

    friend bool operator==(const Record& a, const Record& b)
    {
        return a.tag == b.tag && a.payload == b.payload;
    }
};

// Nothing at all for no records, so that files without them stay as they were.
QByteArray encode(const QList<Record>& records);

struct Decoded
{
    QList<Record> records;
    // Where each record starts in the file.
    QList<int> starts;
    // Empty when the records were read; otherwise why not, and from which byte of the file.
    QString message;
    int offset = -1;
    bool ok() const { return message.isEmpty(); }
};

// Reads the records that start at byte `start` of a file and run to its end.
Decoded decode(const QByteArray& file, int start);

// "record 2 at byte 230", the detail that ends a message about a record (counted from 1).
QString place(int record, int start);

} // namespace ProjectExtension
