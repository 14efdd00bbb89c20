// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturearea.h"

#include "fonts.h"

Canvas PictureArea::canvas()
{
    Canvas area(Size, Size.width(), Size.height());
    area.setFont(Fonts::pictureFont());
    area.setLinePitch(Fonts::PictureLinePitch);
    return area;
}
