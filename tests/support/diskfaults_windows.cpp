// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diskfaults.h"

#include <qt_windows.h>

bool DiskFaults::mount(const QString &)
{
    return false;
}

void DiskFaults::unmount(const QString &)
{
}

QString DiskFaults::fullReason()
{
    return qt_error_string(ERROR_DISK_FULL);
}

QString DiskFaults::missingFolderReason()
{
    return qt_error_string(ERROR_PATH_NOT_FOUND);
}
