// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "specialfile.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace {
mode_t mode(SpecialFile::Kind kind)
{
    return kind == SpecialFile::Link ? S_IFLNK : kind == SpecialFile::Fifo ? S_IFIFO : S_IFDIR;
}
}

bool SpecialFile::make(Kind kind, const QString &path, const QString &target)
{
    if (kind == Link)
        return QFile::link(target, path);
    if (kind == Fifo)
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return QDir().mkpath(path);
}

bool SpecialFile::isAt(Kind kind, const QString &path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & S_IFMT) == mode(kind);
}

bool SpecialFile::makeFolder(const QByteArray &nativePath)
{
    return ::mkdir(nativePath.constData(), 0700) == 0;
}
