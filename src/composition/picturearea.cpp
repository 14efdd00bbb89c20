// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturearea.h"

#include "displaywidth.h"
#include "fonts.h"

#include <QStringList>
#include <cmath>

namespace {
void apply(Canvas &area, const PictureArea::Layout &layout)
{
    area.setFont(Fonts::pictureFont(layout.fontPixels));
    area.setLinePitch(layout.linePitch);
    area.setCellWidth(layout.cellWidth);
}

// Rows and half cells across of the art, whose lines end in CR LF.
QSize extent(const QString &art)
{
    QStringList rows = art.split(QStringLiteral("\r\n"));
    if (art.endsWith(QStringLiteral("\r\n")))
        rows.removeLast();
    int halfCells = 0;
    for (const QString &row : rows)
        halfCells = qMax(halfCells, DisplayWidth::fontColumns(row));
    return QSize(halfCells, int(rows.size()));
}

PictureArea::Layout layoutIn(QSize area, QSize cells)
{
    using namespace Fonts;
    const qreal wide = qreal(cells.width()) * PictureCellWidth / 2, tall = qreal(cells.height()) * PictureLinePitch;
    qreal grow = 1;
    if (wide > 0 && tall > 0 && tall <= area.height())
        grow = wide <= area.width() ? qMin(area.width() / wide, area.height() / tall) : area.height() / tall;
    grow = qMax(grow, 1.0);
    PictureArea::Layout layout;
    layout.cellWidth = 2 * int(std::floor(grow * PictureCellWidth / 2));
    layout.linePitch = int(std::floor(grow * PictureLinePitch));
    layout.fontPixels = int(std::floor(grow * PictureFontPixels));
    return layout;
}
}

Canvas PictureArea::canvas()
{
    Canvas area(Size, Size.width(), Size.height());
    apply(area, layoutIn(Size, {}));
    return area;
}

PictureArea::Layout PictureArea::layoutFor(const QString &art, int scale)
{
    const QSize cells = extent(art);
    Layout layout = layoutIn(Size, cells);
    layout.cellWidth *= scale;
    layout.linePitch *= scale;
    layout.fontPixels *= scale;
    const int wide = (cells.width() * layout.cellWidth + 1) / 2;
    layout.size = (Size * scale).expandedTo(QSize(wide, cells.height() * layout.linePitch));
    return layout;
}

Canvas PictureArea::canvasFor(const QString &art, int scale)
{
    const Layout layout = layoutFor(art, scale);
    Canvas area(layout.size, layout.size.width(), layout.size.height());
    apply(area, layout);
    return area;
}

QImage PictureArea::picture(const QString &art, const QColor &back, const QColor &text, int scale)
{
    Canvas area = canvasFor(art, scale);
    area.setColors(back, text);
    area.printText(art);
    return area.image();
}
