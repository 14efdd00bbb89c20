// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Message, question and prompt boxes; documents opened with a word when the
// desktop cannot open them.
namespace Dialogs
{
void message(QWidget *parent, const QString &text, const QString &title,
             QMessageBox::Icon icon = QMessageBox::Information);
// Opens the file with the desktop's program for its type; when the desktop
// cannot, says so and names the file, so that it can be opened by hand.
void openDocument(QWidget *parent, const QString &path, const QByteArray &nativePath = {});
// Writes the lines as a text file (see TextFile) and opens it so; false, with
// the reason, when it cannot be written, and then nothing is opened.
bool writeAndOpen(QWidget *parent, const QString &path, const QStringList &lines, QString *error);
// True when the user answers yes.
bool ask(QWidget *parent, const QString &text, const QString &title);
// The edited answer; Cancel gives the empty text.
QString prompt(QWidget *parent, const QString &title, const QString &label,
               const QString &defaultAnswer);
}
