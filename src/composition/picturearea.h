// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QSize>

// The image view's picture area, which the art is printed into.
namespace PictureArea {

// The drawable area inside the area's sunken border, in pixels.
inline constexpr QSize Size{261, 237};

// A blank area of that size, with the font and line pitch the art is printed
// in and twips as its units.
Canvas canvas();

}
