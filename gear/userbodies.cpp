// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Zidov developers
#include "userbodies.h"

#include "geardatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("UserBodies", text);
}

QString element(const char* name, const QString& value)
{
    return QStringLiteral("        <%1>%2</%1>\n").arg(QLatin1String(name), value.toHtmlEscaped());
}

// Where the new entry goes: before the file's closing tag, after checking that the whole
// file is lensfun's XML. -1 and the reason otherwise.
qsizetype insertionPoint(const QByteArray& content, QString& reason)
{
    QXmlStreamReader reader(content);
    bool rootSeen = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && !rootSeen) {
            rootSeen = true;
            if (reader.name() != QLatin1String("lensdatabase")) {
                reason = tr("it holds no lensfun database");
                return -1;
            }
        }
    }
    if (reader.hasError()) {
        reason = tr("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
        return -1;
    }
    if (!rootSeen) {
        reason = tr("it holds no lensfun database");
        return -1;
    }
    return content.lastIndexOf("</lensdatabase>");
}
} // namespace

QString UserBodies::filePath()
{
    return GearDatabase::userFolder() + QStringLiteral("/zidov.xml");
}

QString UserBodies::add(const BodyChoice& body)
{
    const QString path = filePath();
    QByteArray content = "<lensdatabase version=\"1\">\n</lensdatabase>\n";
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return tr("%1 cannot be read: %2").arg(path, existing.errorString());
        content = existing.readAll();
        QString reason;
        const qsizetype at = insertionPoint(content, reason);
        if (at < 0)
            return tr("%1 cannot be read as lensfun's (%2). It was left as it is; mend or "
                      "remove it, then add the body again.")
                .arg(path, reason);
        content.truncate(at);
    } else {
        content.truncate(content.indexOf("</lensdatabase>"));
    }
    const QString entry = QStringLiteral("    <camera>\n") + element("maker", body.maker) +
                          element("model", body.model) + element("mount", body.mount) +
                          element("cropfactor", QString::number(body.crop, 'g', 4)) +
                          QStringLiteral("    </camera>\n</lensdatabase>\n");
    content += entry.toUtf8();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return tr("The folder %1 cannot be made.").arg(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return tr("%1 cannot be written: %2").arg(path, file.errorString());
    return {};
}
