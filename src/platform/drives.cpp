// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

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

QString Drives::prefix(const QString &folder)
{
    QString p = folder;
    while (p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p + QLatin1Char('/');
}
