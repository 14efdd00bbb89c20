// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The one folder that holds the program's working files, and their names.
// Names are lower case, so every spelling the program uses names one file.
namespace WorkFiles
{
inline const QString CountFile = QStringLiteral("denglu.qbx");
inline const QString Snapshot = QStringLiteral("qbx.jpg");
inline const QString CharList = QStringLiteral("liebiao.txt");
inline const QString Remembered = QStringLiteral("qbx.ini");
inline const QString Tips = QStringLiteral("Tessellon的使用技巧.txt");

// The per-user data folder, created when missing.
QString folder();
// Full path of a working file inside folder().
QString path(const QString &name);
// Deletes the file if it exists (a link itself, never its target); true when
// it is gone afterwards.
bool remove(const QString &name);
// Deletes every working file but the count file.
void removeScratch();
}
