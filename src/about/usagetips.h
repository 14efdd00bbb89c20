// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

// The short help file the About window writes and opens.
namespace UsageTips
{
QStringList lines();
// Writes the tips into the working folder and opens them; false (with
// the reason) when they cannot be written, and then nothing is opened.
bool writeAndOpen(QWidget *parent, QString *error);
}
