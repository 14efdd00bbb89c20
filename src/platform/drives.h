// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The drives: on Windows its drive letters; elsewhere the roots of the
// mounted file systems a user can write to.
namespace Drives
{
// Always holds "/" and the home folder's file system; sorted.
QStringList roots();
// The root among roots() that holds path (the longest that prefixes it).
QString rootOf(const QString &path);
// The user's own folder, where the file windows start: on Windows the
// profile folder %USERPROFILE% names, as Explorer shows it.
QString home();
// A folder path with exactly one '/' at its end.
QString prefix(const QString &folder);
}
