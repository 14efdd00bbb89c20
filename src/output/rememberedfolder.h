// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// The folder last saved to or taken a picture from, kept in the working
// folder for the rest of the run.
namespace RememberedFolder
{
// The remembered folder when it still exists, else the home folder.
QString load();
// Stores the folder prefix (ending in one '/'), unless its name on disk
// (nativePrefix) would not read back as the same folder; tells the user,
// over window, when it cannot be written.
bool store(QWidget *window, const QString &prefix, const QByteArray &nativePrefix);
}
