// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Things other than a regular file at a name, as the system has them: on
// Windows a link is a directory junction and there are no FIFOs.
namespace SpecialFile
{
enum Kind { Link = 1, Fifo, Folder };
// Puts one at path (a link pointing at target); false when the system has no such thing or refuses it.
bool make(Kind kind, const QString &path, const QString &target);
// True when that kind of thing, itself (not what it points to), is at path.
bool isAt(Kind kind, const QString &path);
// Makes a folder named by raw bytes (GBK from an old disk); false where
// names are Unicode and cannot be such bytes (Windows).
bool makeFolder(const QByteArray &nativePath);
}
