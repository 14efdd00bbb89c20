// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// What the program asks of the desktop: opening documents, the clipboard.
namespace Desktop
{
// Names the program as the desktop knows it: the application name, which
// is the window class (the desktop file's StartupWMClass), the version, and
// the desktop file's name, which docks match the windows with.
void identify();
// Opens the file with the program the desktop associates with its type;
// does not wait for that program. False when the desktop has no way to
// open it (no launcher, no program for the type).
bool openDocument(const QString &path);
// Puts the text on the clipboard as plain text and, when there is one, the
// same text as HTML for rich text targets.
void copyText(const QString &text, const QString &html = {});
// The same for a file named by its bytes on disk.
bool openDocument(const QByteArray &nativePath);
// What the user can do when no program opens a file, in the system's terms.
QString openerAdvice();
// Test seam: every later openDocument fails as on a desktop with no program
// for the type; false ends it.
void simulateNoOpener(bool on);
// Puts the picture on the clipboard as an image (PNG among the offered types).
void copyImage(const QImage &image);
}
