// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdio>
#include <optional>

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
// Writes the text to a standard stream and flushes it: a Windows console
// gets it as characters (its code page and font cannot garble them), a
// file, a pipe or a terminal elsewhere UTF-8 bytes. False, with errno set,
// when it could not be written.
bool write(FILE *stream, const QString &text);
// One line of standard input as text: UTF-8 when it is that; on Windows,
// when it is not, text in the code page the console types in (cmd pipes
// what it echoes in it too), or without a console the ANSI code page.
// Nothing when the bytes are none of these.
std::optional<QString> decodeInput(const QByteArray &line);
// The Qt platform plug-in that draws art with the system's fonts and needs
// no display.
const char *drawingPlatform();
}
