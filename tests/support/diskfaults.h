// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Faults of the disk as the system has them: a small full tmpfs over a folder where the test may mount one (Linux, as
// root; elsewhere mounting fails and tests simulate), and the system's words for each fault.
namespace DiskFaults
{
bool mount(const QString &folder);
void unmount(const QString &folder);
// The system's words for a full disk, and for a name in a missing folder.
QString fullReason();
QString missingFolderReason();
}
