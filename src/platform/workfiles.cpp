// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString WorkFiles::folder()
{
#ifdef Q_OS_WIN
    // %LOCALAPPDATA%\Tessellon: the user's own, never roamed.
    const QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    const QString dir = (local.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) : local)
                        + QStringLiteral("/Tessellon");
#else
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/Tessellon");
#endif
    QDir().mkpath(dir);
    return dir;
}

QString WorkFiles::path(const QString &name)
{
    return folder() + QLatin1Char('/') + name;
}

bool WorkFiles::remove(const QString &name)
{
    const QString p = path(name);
    const QFileInfo entry(p);
    return !(entry.exists() || entry.isSymLink()) || QFile::remove(p);
}

void WorkFiles::removeScratch()
{
    for (const QString &name : {Snapshot, CharList, Remembered, Tips})
        remove(name);
}
