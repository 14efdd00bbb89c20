// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QPair>
#include <QString>

// The command line's help laid out for a terminal: option names in one
// column, their descriptions lined up in the next and wrapped to the width,
// everything measured in terminal columns (a Chinese character takes two).
namespace HelpText
{
// Terminal columns the text takes.
int columns(QStringView text);
// Arguments are (name, description) pairs; syntax follows the options in
// the usage line.
QString format(const QString &syntax, const QString &description, const QList<QCommandLineOption> &options,
               const QList<QPair<QString, QString>> &arguments, int width);
}
