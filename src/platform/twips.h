// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QtMath>

// Window places and sizes are designed in twips: 15 to the pixel at 96 dpi.
inline int twips(int t)
{
    return qRound(t / 15.0);
}

// Pixels back to twips, for scales kept in twips.
inline int toTwips(int pixels)
{
    return pixels * 15;
}

inline QRect twips(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
