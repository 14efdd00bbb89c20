// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

// The command line's side of the system: the words typed, the bytes
// written, and the Qt platform that draws without a window.
namespace Console
{
// The arguments as typed, every character kept (on Windows from the wide
// command line, not the code page's version of it).
QStringList arguments(int argc, char *argv[]);
// The arguments as the bytes that name files on disk (see Files::native).
QList<QByteArray> fileArguments(int argc, char *argv[]);
// Standard input and output carry bytes as they are: UTF-8 text, no line
// ends changed; a Windows console shows that text as UTF-8 until the
// program ends.
void useUtf8();
// The Qt platform plug-in that draws art with the system's fonts and needs
// no display.
const char *drawingPlatform();
}
