// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "geardatabase.h"

#include <lensfun.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <charconv>
#include <cstdlib>
#include <cstring>

#include <algorithm>

namespace {
// A lensfun string holds the default text first, then pairs of language and text.
struct Names
{
    QString english;
    QString original;
};

Names names(const lfMLstr text)
{
    Names result;
    if (!text)
        return result;
    result.original = QString::fromUtf8(text);
    result.english = result.original;
    const char* at = text + std::strlen(text) + 1;
    while (*at) {
        const char* language = at;
        const char* translated = language + std::strlen(language) + 1;
        if (std::strcmp(language, "en") == 0)
            result.english = QString::fromUtf8(translated);
        at = translated + std::strlen(translated) + 1;
    }
    return result;
}

QString text(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

// lensfun keeps the decimals of its XML files as floats; 5.6 is 5.6, not 5.599999904632568.
double decimal(float value)
{
    char digits[32];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    *end.ptr = '\0';
    return std::strtod(digits, nullptr);
}
// The seconds since 1970 in a folder's timestamp.txt, 0 without one: lensfun reads the
// newest of its installed and updated folders.
qint64 timestamp(const QString& folder)
{
    QFile file(folder + QStringLiteral("/timestamp.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine(32).trimmed().toLongLong();
}

bool byName(const BodyChoice& a, const BodyChoice& b)
{
    return QString::compare(a.maker + a.model, b.maker + b.model, Qt::CaseInsensitive) < 0;
}
} // namespace

struct GearDatabase::Loader
{
    static std::unique_ptr<GearDatabase> copy(lfDatabase* db)
    {
        auto result = std::make_unique<GearDatabase>();
        if (const lfCamera* const* cameras = lf_db_get_cameras(db)) {
            for (; *cameras; ++cameras) {
                const lfCamera& c = **cameras;
                const Names model = names(c.Model);
                BodyChoice body;
                body.maker = names(c.Maker).english;
                body.model = model.english;
                body.mount = text(c.Mount);
                // Some entries repeat the maker in the model ("Canon EOS R6" for "EOS R6").
                if (model.original != model.english && model.original != body.name())
                    body.shortModel = model.original;
                body.crop = c.CropFactor;
                result->bodyList.append(body);
            }
        }
        if (const lfLens* const* lenses = lf_db_get_lenses(db)) {
            for (; *lenses; ++lenses) {
                const lfLens& l = **lenses;
                Lens lens;
                lens.choice.maker = names(l.Maker).english;
                lens.choice.model = names(l.Model).english;
                // lensfun's MinAperture is the widest f-number, at the short end.
                lens.choice.stated = lensRangeOf(lens.choice.model, decimal(l.MinFocal),
                                                 decimal(l.MaxFocal), decimal(l.MinAperture));
                for (char* const* mount = l.Mounts; mount && *mount; ++mount)
                    lens.mounts << text(*mount);
                result->lensList.append(lens);
            }
        }
        if (const lfMount* const* mounts = lf_db_get_mounts(db)) {
            for (; *mounts; ++mounts) {
                QStringList takes;
                for (char* const* other = (*mounts)->Compat; other && *other; ++other)
                    takes << text(*other);
                result->compatible.append({names((*mounts)->Name).english, takes});
            }
        }
        lf_db_destroy(db);
        std::stable_sort(result->bodyList.begin(), result->bodyList.end(), byName);
        std::stable_sort(
            result->lensList.begin(), result->lensList.end(), [](const Lens& a, const Lens& b) {
                return QString::compare(a.choice.maker + a.choice.model,
                                        b.choice.maker + b.choice.model, Qt::CaseInsensitive) < 0;
            });
        return result;
    }
};

std::unique_ptr<GearDatabase> GearDatabase::loadInstalled()
{
    lfDatabase* db = lf_db_new();
    lf_db_load(db);
    std::unique_ptr<GearDatabase> result = Loader::copy(db);
    const QString version = QStringLiteral("/version_1");
    const qint64 newest =
        std::max({timestamp(QStringLiteral("/usr/share/lensfun") + version),
                  timestamp(QStringLiteral("/var/lib/lensfun-updates") + version),
                  timestamp(userFolder() + QStringLiteral("/updates") + version)});
    if (newest > 0)
        result->issuedOn = QDateTime::fromSecsSinceEpoch(newest, Qt::UTC).date();
    return result;
}

QString GearDatabase::userFolder()
{
    // As lensfun finds it; Qt's own data location differs in test mode.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    return (data.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : data) +
           QStringLiteral("/lensfun");
}

QStringList GearDatabase::lensMounts() const
{
    QStringList result;
    for (const BodyChoice& body : bodyList) {
        if (body.takesLenses() && !result.contains(body.mount))
            result << body.mount;
    }
    result.sort(Qt::CaseInsensitive);
    return result;
}

void GearDatabase::addBody(const BodyChoice& body)
{
    bodyList.insert(std::upper_bound(bodyList.begin(), bodyList.end(), body, byName), body);
}

std::unique_ptr<GearDatabase> GearDatabase::loadFiles(const QStringList& files)
{
    lfDatabase* db = lf_db_new();
    for (const QString& file : files)
        lf_db_load_file(db, QFile::encodeName(file).constData());
    return Loader::copy(db);
}

bool GearDatabase::fits(const QString& lensMount, const QString& bodyMount) const
{
    if (lensMount == bodyMount)
        return true;
    for (const auto& [mount, takes] : compatible) {
        if (mount == bodyMount)
            return takes.contains(lensMount);
    }
    return false;
}

bool GearDatabase::has(const BodyChoice& body) const
{
    return std::any_of(bodyList.begin(), bodyList.end(), [&](const BodyChoice& b) {
        return b.maker == body.maker && b.model == body.model;
    });
}

bool GearDatabase::has(const LensChoice& lens) const
{
    return std::any_of(lensList.begin(), lensList.end(), [&](const Lens& l) {
        return l.choice.maker == lens.maker && l.choice.model == lens.model;
    });
}
