// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QSize>

// The image view's picture area, which the art is printed into.
namespace PictureArea {

// The picture's size in pixels.
inline constexpr QSize Size{261, 237};

// A blank picture of that size, with the font and line pitch the art is
// printed in and pixels as its units.
Canvas canvas();

}
