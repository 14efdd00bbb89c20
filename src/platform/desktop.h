// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// What the program asks of the desktop: opening documents, the clipboard.
class Desktop
{
public:
    // Opens the file with the program the desktop associates with its type;
    // does not wait for that program.
    static bool openDocument(const QString &path);
    // Writes the lines as a text file (GBK, CR LF) and opens it; false, with
    // the reason, when it cannot be written, and then nothing is opened.
    static bool writeAndOpen(const QString &path, const QStringList &lines, QString *error);
    static void copyText(const QString &text);
    // Puts the picture on the clipboard as an image (PNG among the offered types).
    static void copyImage(const QImage &image);
};
