// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon, at every size it is drawn at.
namespace AppIcon
{
QIcon icon();
QPixmap picture48();
QPixmap star();
}
