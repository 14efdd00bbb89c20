// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files.h"

// What the systems' versions of Files share.
namespace FilesInternal
{
// How long a start or an exit waits for another run to finish counting.
constexpr int LockPatienceMs = 1000;

// Sets *error (when asked for) and returns false.
bool fail(QString *error, const QString &why);
// Whether a write to that name is to fail as on a full disk (the test seam).
bool simulatedFullDisk(const QByteArray &nativePath);
// Removes the temporary file of a write under way; safe in a signal handler.
void removeUnfinished();
// By name, ignoring case, as file lists show them.
QList<Files::Entry> sortedByName(QList<Files::Entry> entries);
}
