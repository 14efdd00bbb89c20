// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_WIN
QStringList Drives::roots()
{
    // Every drive letter the system has, ready or not, as "C:/".
    QStringList out;
    for (const QFileInfo &drive : QDir::drives())
        out << drive.absolutePath().toUpper();
    out.sort();
    return out;
}

QString Drives::rootOf(const QString &path)
{
    const QString clean = QDir::fromNativeSeparators(QDir::cleanPath(path));
    for (const QString &root : roots())
        if (clean.startsWith(root, Qt::CaseInsensitive) || clean.compare(root.chopped(1), Qt::CaseInsensitive) == 0)
            return root;
    // A network share or a drive that came since: the root of its path.
    const QString root = QStorageInfo(path).rootPath();
    return root.isEmpty() ? roots().value(0) : root;
}

QString Drives::home()
{
    const QString profile = QDir::fromNativeSeparators(qEnvironmentVariable("USERPROFILE"));
    return !profile.isEmpty() && QFileInfo(profile).isDir() ? profile : QDir::homePath();
}
#else
QString Drives::home()
{
    return QDir::homePath();
}

QStringList Drives::roots()
{
    QStringList out{QStringLiteral("/")};
    const QString homeRoot = QStorageInfo(QDir::homePath()).rootPath();
    if (!homeRoot.isEmpty())
        out << homeRoot;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly()
            && QFileInfo(root).isWritable())
            out << root;
    }
    out.removeDuplicates();
    out.sort();
    return out;
}

QString Drives::rootOf(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    QString best = QStringLiteral("/");
    for (const QString &root : roots()) {
        const QString r = prefix(root);
        if ((clean + QLatin1Char('/')).startsWith(r) && r.size() > best.size())
            best = root;
    }
    return best;
}
#endif

QString Drives::prefix(const QString &folder)
{
    QString p = folder;
    while (p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p + QLatin1Char('/');
}
