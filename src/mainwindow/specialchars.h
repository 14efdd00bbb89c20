// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

// The list of special characters the star button offers for copying.
namespace SpecialChars
{
QStringList lines();
// Writes the list into the working folder and opens it; false (with the
// reason) when it cannot be written, in which case nothing is opened.
bool writeAndOpen(QWidget *parent, QString *error);
}
