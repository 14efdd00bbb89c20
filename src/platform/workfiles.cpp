// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workfiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString WorkFiles::folder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/Tessellon");
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
    return !QFile::exists(p) || QFile::remove(p);
}
