// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include "displaywidth.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <cstring>

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
}

Canvas::Canvas(QSize pixels, qreal unitsX, qreal unitsY)
    : m_image(pixels, QImage::Format_RGB32), m_unitsX(unitsX), m_unitsY(unitsY)
{
    m_image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    m_image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    m_image.fill(m_back);
}

void Canvas::changed() const
{
    if (m_changed)
        m_changed();
}

void Canvas::setBackColor(const QColor &color)
{
    m_back = color;
    clear();
}

void Canvas::setColors(const QColor &back, const QColor &fore)
{
    m_fore = fore;
    setBackColor(back);
}

void Canvas::clear()
{
    if (m_picture.size() == m_image.size() && m_picture.format() == m_image.format()) {
        // The picture covers the whole image: a plain copy does it.
        for (int y = 0; y < m_image.height(); ++y)
            memcpy(m_image.scanLine(y), m_picture.constScanLine(y), m_image.bytesPerLine());
    } else {
        m_image.fill(m_back);
        if (!m_picture.isNull()) {
            QPainter painter(&m_image);
            painter.drawImage(0, 0, m_picture);
        }
    }
    m_textPos = QPoint(0, 0);
    changed();
}

void Canvas::setBackgroundPicture(const QImage &picture)
{
    m_picture = picture;
    clear();
}

void Canvas::flatten()
{
    // The image is already what the picture would paint: share it.
    m_picture = m_image;
}

int Canvas::linePitch() const
{
    return m_linePitch > 0 ? m_linePitch : QFontMetrics(m_font, &m_image).height();
}

void Canvas::printText(const QString &text)
{
    QPainter painter(&m_image);
    painter.setFont(m_font);
    painter.setPen(m_fore);
    const QFontMetrics metrics(m_font, &m_image);
    const int lineHeight = linePitch();
    // Nothing narrower than a pixel is worth drawing past the right edge.
    const qsizetype visibleChars = m_image.width() + 8;
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf(QStringLiteral("\r\n"), start);
        const qsizetype len = (end < 0 ? text.size() : end) - start;
        if (m_textPos.y() < m_image.height() && len > 0) {
            const QString line = text.mid(start, qMin(len, visibleChars));
            if (m_cellWidth > 0)
                printOnGrid(painter, line, m_textPos.y() + metrics.ascent());
            else
                painter.drawText(QPoint(m_textPos.x(), m_textPos.y() + metrics.ascent()), line);
        }
        m_textPos = QPoint(0, m_textPos.y() + lineHeight);
        if (end < 0)
            break;
        start = end + 2;
    }
    changed();
}

void Canvas::printOnGrid(QPainter &painter, const QString &line, int baseline) const
{
    const QFontMetricsF metrics(m_font, &m_image);
    int halfCells = 0;
    DisplayWidth::forEachGrapheme(line, [&](QStringView grapheme, int columns) {
        const qreal left = m_textPos.x() + halfCells * m_cellWidth / 2.0;
        halfCells += columns;
        if (left >= m_image.width() || (grapheme.size() == 1 && grapheme.front().isSpace()))
            return;
        const QString text = grapheme.toString();
        const qreal slack = columns * m_cellWidth / 2.0 - metrics.horizontalAdvance(text);
        // Whole pixels: a stroke between two pixels would be smeared over both.
        painter.drawText(QPointF(std::floor(left + slack / 2), baseline), text);
    });
}

void Canvas::stretchCopy(const QImage &picture)
{
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(m_image.rect(), picture);
    painter.end();
    changed();
}

void Canvas::shrinkCopy(const QImage &picture)
{
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    const int sw = src.width(), sh = src.height();
    const int dw = m_image.width(), dh = m_image.height();
    if (sw <= 0 || sh <= 0)
        return;
    for (int y = 0; y < dh; ++y) {
        const int y0 = y * sh / dh;
        const int y1 = qMax(y0 + 1, ((y + 1) * sh + dh - 1) / dh);
        auto *out = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < dw; ++x) {
            const int x0 = x * sw / dw;
            const int x1 = qMax(x0 + 1, ((x + 1) * sw + dw - 1) / dw);
            bool ink = false;
            for (int sy = y0; sy < y1 && !ink; ++sy) {
                const auto *row = reinterpret_cast<const QRgb *>(src.constScanLine(sy));
                for (int sx = x0; sx < x1; ++sx) {
                    if ((row[sx] & 0xFFFFFF) == 0) {
                        ink = true;
                        break;
                    }
                }
            }
            out[x] = ink ? qRgb(0, 0, 0)
                         : reinterpret_cast<const QRgb *>(src.constScanLine((y0 + y1) / 2))[(x0 + x1) / 2];
        }
    }
    changed();
}

QPoint Canvas::toPixel(qreal x, qreal y) const
{
    // A small epsilon keeps whole positions from falling one pixel short.
    return QPoint(int(std::floor(x * m_image.width() / m_unitsX + 1e-9)),
                  int(std::floor(y * m_image.height() / m_unitsY + 1e-9)));
}

qint64 Canvas::pixel(qreal x, qreal y) const
{
    const QPoint p = toPixel(x, y);
    if (!m_image.rect().contains(p))
        return -1;
    const QRgb rgb = m_image.pixel(p);
    return qint64(qBlue(rgb)) << 16 | qGreen(rgb) << 8 | qRed(rgb);
}

void Canvas::disc(QPoint c)
{
    const qreal r = m_penWidth / 2.0;
    const int reach = m_penWidth / 2;
    const QRgb ink = m_fore.rgb();
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(c.x() + dx, c.y() + dy);
            if (dx * dx + dy * dy <= r * r && m_image.rect().contains(p))
                m_image.setPixel(p, ink);
        }
    }
}

void Canvas::dot(qreal x, qreal y)
{
    disc(toPixel(x, y));
    changed();
}

void Canvas::line(qreal x0, qreal y0, qreal x1, qreal y1)
{
    const QPoint from = toPixel(x0, y0);
    const QPoint to = toPixel(x1, y1);
    // Ends far outside the image (a pointer dragged off the screen) are not walked to.
    const QRect reach = m_image.rect().adjusted(-m_penWidth, -m_penWidth, m_penWidth, m_penWidth);
    const QPoint step = to - from;
    const int steps = qMax(qAbs(step.x()), qAbs(step.y()));
    for (int i = 0; i <= steps; ++i) {
        const QPoint p = steps == 0 ? from
                                    : from + QPoint(qRound(qreal(step.x()) * i / steps), qRound(qreal(step.y()) * i / steps));
        if (reach.contains(p))
            disc(p);
    }
    changed();
}
