// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workfiles.h"

#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <iterator>

namespace {
// The per-user data folder: $XDG_DATA_HOME when it is an absolute path (the
// XDG rule ignores a relative one), else ~/.local/share; as the bytes the
// environment gives.
QByteArray dataHome()
{
#ifdef Q_OS_WIN
    // %LOCALAPPDATA%: the user's own, never roamed.
    const QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    return Files::native(local.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                         : local);
#else
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    if (xdg.startsWith('/'))
        return xdg;
    const QByteArray home = qgetenv("HOME");
    return (home.isEmpty() ? Files::native(QDir::homePath()) : home) + "/.local/share";
#endif
}
}

std::optional<QString> WorkFiles::problem()
{
    const QByteArray base = dataHome();
    if (Files::keptName(base))
        return std::nullopt;
    return QStringLiteral("存放工作文件的文件夹“%1”的名字不是 UTF-8 编码，本程序无法按原样使用它。"
                          "请检查环境变量 HOME 和 XDG_DATA_HOME。")
        .arg(Files::shownName(base));
}

namespace {
QString location()
{
    return Files::shownName(dataHome()) + QStringLiteral("/Tessellon");
}
}

QString WorkFiles::folder()
{
    const QString dir = location();
    QDir().mkpath(dir);
    return dir;
}

QString WorkFiles::path(const QString &name)
{
    return folder() + QLatin1Char('/') + name;
}

bool WorkFiles::isWorkFile(const QByteArray &nativePath)
{
    const QString name = Files::shownName(nativePath.mid(nativePath.lastIndexOf('/') + 1));
    const bool workName = std::any_of(std::begin(AllNames), std::end(AllNames), [&name](const QString *known) {
        return name.compare(*known, Files::nameCase()) == 0;
    });
    if (!workName)
        return false;
    // The same folder by identity, whatever path leads to it.
    return Files::same(Files::folderOf(nativePath), Files::native(location()));
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
