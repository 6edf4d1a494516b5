// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// What went wrong in the words of the person saving, with the system's own after it.
QString reason(int error)
{
    static const struct
    {
        int error;
        const char* said;
    } said[] = {
        {ENOSPC, QT_TRANSLATE_NOOP("ProjectFile", "The disk is full (%1).")},
        {EDQUOT, QT_TRANSLATE_NOOP("ProjectFile", "Your share of the disk is used up (%1).")},
        {EFBIG,
         QT_TRANSLATE_NOOP("ProjectFile", "The file would be larger than this system allows (%1).")},
        {EACCES, QT_TRANSLATE_NOOP("ProjectFile", "You may not write there (%1).")},
        {EPERM, QT_TRANSLATE_NOOP("ProjectFile", "You may not write there (%1).")},
        {EROFS, QT_TRANSLATE_NOOP("ProjectFile", "The disk can only be read (%1).")},
        {ENOENT, QT_TRANSLATE_NOOP("ProjectFile", "The folder does not exist (%1).")},
        {ENOTDIR, QT_TRANSLATE_NOOP("ProjectFile", "A part of the path is not a folder (%1).")},
        {ENAMETOOLONG, QT_TRANSLATE_NOOP("ProjectFile", "The name is too long (%1).")},
        {EIO, QT_TRANSLATE_NOOP("ProjectFile", "The disk could not be written (%1).")},
    };
    const QString system = QString::fromLocal8Bit(std::strerror(error));
    for (const auto& [number, text] : said) {
        if (number == error)
            return QCoreApplication::translate("ProjectFile", text).arg(system);
    }
    return system;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// In a folder that takes no new files the project file itself may still be writable: only
// then is it written in place.
bool writeInPlace(const QByteArray& path, const QByteArray& bytes, QString& error)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        error = reason(errno);
        return false;
    }
    const bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int failure = errno;
    if (::close(fd) != 0 && ok) {
        error = reason(errno);
        return false;
    }
    if (!ok)
        error = reason(failure);
    return ok;
}
} // namespace

namespace WholeFile {

bool write(const QString& name, const QByteArray& bytes, QString& error)
{
    // Through a symbolic link the file it points to is replaced, not the link.
    const QFileInfo given(name);
    const QFileInfo target(given.isSymLink() ? given.symLinkTarget() : given.absoluteFilePath());
    if (target.exists() && !target.isFile()) {
        error = QCoreApplication::translate(
            "ProjectFile", "A folder or device has that name, so no file can take it (it is not a "
                       "regular file).");
        return false;
    }
    const QByteArray path = QFile::encodeName(target.absoluteFilePath());
    // A short name of its own, so that a target name at the file system's limit still gets
    // a temporary file; QSaveFile's adds to the target's and then cannot be created.
    QByteArray temporary = QFile::encodeName(target.absolutePath()) + "/.zidov-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        const int failure = errno;
        if ((failure == EACCES || failure == EROFS || failure == EPERM) && target.exists())
            return writeInPlace(path, bytes, error);
        error = reason(failure);
        return false;
    }
    // The permissions a new file gets, or the ones of the file it replaces.
    struct stat old;
    mode_t mode = 0;
    if (::stat(path.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporary.constData(), path.constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        error = reason(failure);
    }
    return ok;
}

} // namespace WholeFile
