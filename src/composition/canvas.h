// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <functional>

class QPainter;

// A persistent drawing surface: a fixed pixel image, a background colour and
// picture, a text colour, a font and a text position. Positions given to
// pixel() and dot() are in user units; the image spans unitsX by unitsY.
class Canvas
{
public:
    Canvas(QSize pixels, qreal unitsX, qreal unitsY);

    const QImage &image() const { return m_image; }
    QSize size() const { return m_image.size(); }
    qreal unitsX() const { return m_unitsX; }
    qreal unitsY() const { return m_unitsY; }

    QColor backColor() const { return m_back; }
    QColor foreColor() const { return m_fore; }
    // Repaints the image in the new colour (and the background picture).
    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color) { m_fore = color; }
    // Both colours at once; the image is repainted in the new background.
    void setColors(const QColor &back, const QColor &fore);

    // Fills with the background colour, draws the background picture at the
    // top-left corner and moves the text position to the top-left corner.
    void clear();
    // A null image means none; the image is repainted as clear() does.
    void setBackgroundPicture(const QImage &picture);
    const QImage &backgroundPicture() const { return m_picture; }
    QImage snapshot() const { return m_image.copy(); }
    // What was drawn becomes the background picture; nothing visible changes
    // and the text position stays where it was.
    void flatten();

    void setFont(const QFont &font) { m_font = font; }
    const QFont &font() const { return m_font; }
    // Printed lines lie this many pixels apart; 0 means the font's own line height.
    void setLinePitch(int pixels) { m_linePitch = pixels; }
    int linePitch() const;
    QPoint textPosition() const { return m_textPos; }
    // With a cell width, printed text lies on a fixed grid whatever the
    // font's advances: each character is centred in a cell that wide, an
    // ASCII one in half a cell. 0 lays text out by the font's own advances.
    void setCellWidth(int pixels) { m_cellWidth = pixels; }
    int cellWidth() const { return m_cellWidth; }

    // Draws text at the text position, transparently; every CR LF starts a
    // new line at the left edge. Afterwards the text position is the start
    // of the next line. What falls outside the image is cut off.
    void printText(const QString &text);

    // The whole picture scaled over the whole image, replacing what was there.
    void stretchCopy(const QImage &picture);
    // Scaled down over the whole image; a pixel is black when any source pixel
    // it covers is black, so thin strokes survive.
    void shrinkCopy(const QImage &picture);

    // 00BBGGRR of the pixel under (x, y); -1 outside the image.
    qint64 pixel(qreal x, qreal y) const;
    // A solid disc penWidth pixels across in the text colour, centred on (x, y).
    void dot(qreal x, qreal y);
    // The pen drawn from (x0, y0) to (x1, y1): discs as dot() draws them, a
    // pixel apart, so the line is whole however far apart its ends are.
    void line(qreal x0, qreal y0, qreal x1, qreal y1);
    void setPenWidth(int width) { m_penWidth = width; }

    // Called after every change of the image (a view repaints).
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

private:
    void printOnGrid(QPainter &painter, const QString &line, int baseline) const;
    QPoint toPixel(qreal x, qreal y) const;
    void disc(QPoint centre);
    void changed() const;

    QImage m_image;
    QImage m_picture;
    qreal m_unitsX;
    qreal m_unitsY;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    QFont m_font;
    int m_linePitch = 0;
    int m_cellWidth = 0;
    QPoint m_textPos;
    int m_penWidth = 1;
    std::function<void()> m_changed;
};
