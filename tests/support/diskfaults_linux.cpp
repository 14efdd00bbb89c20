// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diskfaults.h"

#include <QFile>
#include <cerrno>
#include <sys/mount.h>
#include <unistd.h>

bool DiskFaults::mount(const QString &folder)
{
    return ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(folder), "tmpfs", 0, "size=64k") == 0;
}

void DiskFaults::unmount(const QString &folder)
{
    ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
}

QString DiskFaults::fullReason()
{
    return qt_error_string(ENOSPC);
}

QString DiskFaults::missingFolderReason()
{
    return qt_error_string(ENOENT);
}
