// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The one folder that holds the program's working files, and their names.
// Names are lower case, so every spelling the program uses names one file.
namespace WorkFiles
{
inline const QString CountFile = QStringLiteral("denglu.qbx");
inline const QString Snapshot = QStringLiteral("qbx.jpg");
inline const QString CharList = QStringLiteral("liebiao.txt");
inline const QString Remembered = QStringLiteral("qbx.ini");
inline const QString Tips = QStringLiteral("Tessellon的使用技巧.txt");
inline const QString CountLock = CountFile + QStringLiteral(".lock");
inline const QString *const AllNames[] = {&CountFile, &CountLock, &Snapshot, &CharList, &Remembered, &Tips};

// Why the working folder cannot be used (its name in the environment is not
// bytes the program can keep), or nothing.
std::optional<QString> problem();
// The per-user data folder, created when missing.
QString folder();
// Full path of a working file inside folder().
QString path(const QString &name);
// True when the name is one of the working files (or the count's lock),
// letter case ignored, in the working folder, whatever path leads there: the
// program replaces and deletes those, so nothing else may be saved there.
bool isWorkFile(const QByteArray &nativePath);
// Deletes the file if it exists (a link itself, never its target); true when
// it is gone afterwards.
bool remove(const QString &name);
// Deletes every working file but the count file.
void removeScratch();
}
