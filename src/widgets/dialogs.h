// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Message, question and prompt boxes.
namespace Dialogs
{
void message(QWidget *parent, const QString &text, const QString &title,
             QMessageBox::Icon icon = QMessageBox::Information);
// True when the user answers yes.
bool ask(QWidget *parent, const QString &text, const QString &title);
// The edited answer; Cancel gives the empty text.
QString prompt(QWidget *parent, const QString &title, const QString &label,
               const QString &defaultAnswer);
}
