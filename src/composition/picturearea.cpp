// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturearea.h"

#include "fonts.h"

#include <QFontMetrics>

namespace {
Canvas blank(QSize pixels, QFont font, int linePitch)
{
    Canvas area(pixels, pixels.width(), pixels.height());
    area.setFont(font);
    area.setLinePitch(linePitch);
    return area;
}

QFont scaled(QFont font, int scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * scale);
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}
}

Canvas PictureArea::canvas()
{
    return blank(Size, Fonts::pictureFont(), Fonts::PictureLinePitch);
}

QSize PictureArea::sizeFor(const QString &art, int scale)
{
    // Measured as printed: on a canvas of the same resolution.
    const Canvas probe = blank(QSize(1, 1), scaled(Fonts::pictureFont(), scale), Fonts::PictureLinePitch * scale);
    const QFontMetrics metrics(probe.font(), &probe.image());
    QStringList rows = art.split(QStringLiteral("\r\n"));
    if (art.endsWith(QStringLiteral("\r\n")))
        rows.removeLast();
    QSize needed(0, rows.isEmpty() ? 0 : int(rows.size() - 1) * probe.linePitch() + metrics.height());
    for (const QString &row : rows)
        needed.setWidth(qMax(needed.width(), metrics.horizontalAdvance(row)));
    return (Size * scale).expandedTo(needed);
}

Canvas PictureArea::canvasFor(const QString &art, int scale)
{
    return blank(sizeFor(art, scale), scaled(Fonts::pictureFont(), scale), Fonts::PictureLinePitch * scale);
}

QImage PictureArea::picture(const QString &art, const QColor &back, const QColor &text, int scale)
{
    Canvas area = canvasFor(art, scale);
    area.setColors(back, text);
    area.printText(art);
    return area.image();
}
