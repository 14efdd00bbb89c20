// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// Whether a font named on the command line is there, and what is there
// instead.
namespace FontChoice
{
// True when the family is installed, or is a name that stands for an
// installed one (幼圆 and the other designed fonts), in any letter case.
bool known(const QString &family);
// The installed families whose names come closest to it, best first.
QStringList closest(const QString &family, int count = 5);
}
