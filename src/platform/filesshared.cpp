// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts of Files that are the same on every system.

#include "filesinternal.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {
QString &fullDiskFolder()
{
    static QString folder;
    return folder;
}
}

bool FilesInternal::fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool FilesInternal::simulatedFullDisk(const QByteArray &nativePath)
{
    const QString &folder = fullDiskFolder();
    return !folder.isEmpty()
           && QDir::cleanPath(Files::shownName(nativePath)).startsWith(QDir::cleanPath(folder) + QLatin1Char('/'));
}

QList<Files::Entry> FilesInternal::sortedByName(QList<Files::Entry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const Files::Entry &a, const Files::Entry &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

void Files::simulateFullDisk(const QString &folder)
{
    fullDiskFolder() = folder;
}

Qt::CaseSensitivity Files::nameCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

QString Files::separators()
{
#ifdef Q_OS_WIN
    return QStringLiteral("/\\");
#else
    return QStringLiteral("/");
#endif
}

bool Files::write(const QString &path, const QByteArray &bytes, QString *error)
{
    return write(native(path), bytes, error);
}

bool Files::openRegular(QFile &file, const QString &path, Links links, QString *error)
{
    return openRegular(file, native(path), links, error);
}

QString Files::shownName(const QByteArray &native)
{
    if (const std::optional<QString> kept = keptName(native))
        return *kept;
    QStringDecoder gbk("GBK");
    return gbk.isValid() ? QString(gbk.decode(native)) : QString(QStringDecoder(QStringDecoder::System).decode(native));
}

Files::Entry Files::entry(const QString &path)
{
    return {path, native(path)};
}

QByteArray Files::folderOf(const QByteArray &nativePath)
{
    const qsizetype slash = nativePath.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    // The root keeps its slash: "/" and "C:/", never "" or "C:".
    return nativePath.left(slash + 1 <= rootLength(nativePath) ? slash + 1 : slash);
}
