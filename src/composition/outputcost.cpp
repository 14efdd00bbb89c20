// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outputcost.h"

#include "artgrid.h"
#include "layoutcost.h"
#include "picturearea.h"

#include <QFontMetricsF>
#include <QtMath>
#include <limits>

namespace {
// Memory per unit of output text: the art's text, the output's and its
// UTF-8 copy, a line-end replacement on the way.
constexpr qint64 BytesPerUnit = 8;
// A picture is held as 32-bit pixels and encoded into a buffer of at most as
// much again.
constexpr qint64 BytesPerPixel = 8;
// Processor time, from bench_outputs, with room for a busy machine: making
// text about 12 ns a unit (16 with its writing), html twice that for its
// escaped copy; filling, drawing and encoding a picture about 35 ns a
// pixel (63 cells at 4 times: 8.4 million pixels, 290 ms); laying the text
// out about 150 ns for each unit of LayoutCost.
constexpr qint64 NsPerUnit = 16;
constexpr qint64 NsPerPixel = 60;
constexpr qint64 NsPerLayout = 150;
// An SVG places every character as an element of its own: about 45 bytes of
// document, held as UTF-8, UTF-16 and written out, and 1.1 to 1.6 µs each
// (bench_outputs: 2100-character cells, 926,100 characters, 1.5 s, 156 MB).
constexpr qint64 SvgBytesPerUnit = 200;
constexpr qint64 NsPerSvgUnit = 1700;
// A colour change before a cell, and the reset and line end after a row.
constexpr qint64 AnsiCellUnits = 19;
constexpr qint64 RowEndUnits = 8;
// Text drawn at once is measured in pieces no longer than this.
constexpr qsizetype MeasuredPiece = 4096;
// Beyond this many units a drawn output is over its time already; the
// weighing stops building rows to lay out.
constexpr qint64 MaxDrawnUnits = OutputCost::MaxNs / NsPerLayout;

qint64 escapedLength(QStringView text)
{
    qint64 length = 0;
    for (QChar c : text)
        length += c == u'&' ? 5 : c == u'<' || c == u'>' ? 4 : c == u'"' ? 6 : 1;
    return length;
}

const QFontMetricsF &metrics()
{
    static const Canvas area = PictureArea::canvas();
    static const QFontMetricsF metrics(area.font(), &area.image());
    return metrics;
}

// Pixels across in 1/64 px: long texts measured piece by piece, as no one
// measurement may reach 2^25 px.
qint64 advance(QStringView text)
{
    qint64 sum = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = qMin(start + MeasuredPiece, text.size());
        if (end < text.size() && text[end].isLowSurrogate())
            --end;
        sum += qint64(metrics().horizontalAdvance(text.sliced(start, end - start).toString()) * 64);
        start = end;
    }
    return sum;
}
}

OutputCost::OutputCost(Form form, int scale) : m_form(form), m_scale(qMax(1, scale))
{
}

const OutputCost::Weight &OutputCost::weigh(const QString &text)
{
    auto known = m_measured.constFind(text.constData());
    if (known != m_measured.constEnd())
        return *known;
    Weight w;
    w.units = text.size();
    w.escaped = escapedLength(text);
    if (drawn())
        w.advance = advance(text);
    return *m_measured.insert(text.constData(), w);
}

void OutputCost::addRow(qint64 cells, const Weight &row)
{
    ++m_rows;
    m_cells += cells;
    m_total.units += row.units + RowEndUnits;
    m_total.escaped += row.escaped + RowEndUnits;
    m_total.layout += row.layout;
    m_width = qMax(m_width, (row.advance * m_scale + 63) / 64);
}

void OutputCost::add(const ArtGrid &art)
{
    // Texts are known by their storage only within one grid: another art's
    // text may live where this one's did.
    m_measured.clear();
    for (int r = 0; r < art.rowCount(); ++r) {
        Weight row;
        qint64 cells = 0;
        const bool layOut = drawn() && m_total.units <= MaxDrawnUnits;
        QString text;  // laid out whole: marks in one cell join the next cell's letters
        art.forEachCell(r, [&](const QString &cell, bool) {
            const Weight &w = weigh(cell);
            ++cells;
            row.units += w.units;
            row.escaped += w.escaped;
            row.advance += w.advance;
            if (layOut && row.units <= MaxDrawnUnits)
                text += cell;
        });
        row.layout = layOut && row.units <= MaxDrawnUnits ? LayoutCost::ofText(text) : row.units;
        addRow(cells, row);
    }
}

void OutputCost::add(QStringView art)
{
    for (QStringView row : art.split(u"\r\n")) {
        if (row.isEmpty() && row.end() == art.end())
            break;  // after the last line end
        Weight w;
        w.units = row.size();
        w.escaped = escapedLength(row);
        if (drawn()) {
            w.advance = advance(row);
            w.layout = LayoutCost::ofText(row.toString());
        }
        addRow(1, w);
    }
}

qint64 OutputCost::height() const
{
    const qint64 lines = m_rows > 0 ? (m_rows - 1) * PictureArea::canvas().linePitch() + qCeil(metrics().height()) : 0;
    return qMax<qint64>(PictureArea::Size.height(), lines) * m_scale;
}

qint64 OutputCost::bytes() const
{
    switch (m_form) {
    case Form::Text:
        return m_total.units * BytesPerUnit;
    case Form::Ansi:
        return (m_total.units + m_cells * AnsiCellUnits) * BytesPerUnit;
    case Form::Html:
        return (m_total.units + m_total.escaped) * BytesPerUnit;
    case Form::Svg:
        return m_total.units * SvgBytesPerUnit;
    case Form::Picture:
        break;
    }
    const qint64 width = qMax<qint64>(m_width, PictureArea::Size.width() * m_scale);
    // Far past the limit already: the product would overflow.
    if (width > MaxBytes || height() > MaxBytes)
        return std::numeric_limits<qint64>::max();
    return width * height() * BytesPerPixel + m_total.units * BytesPerUnit;
}

qint64 OutputCost::nanoseconds() const
{
    const qint64 units = m_form == Form::Ansi   ? m_total.units + m_cells * AnsiCellUnits
                         : m_form == Form::Text ? m_total.units
                                                : m_total.units + 2 * m_total.escaped;
    const qint64 text = units * NsPerUnit;
    if (!drawn())
        return text;
    const qint64 layout = m_total.layout * NsPerLayout * m_scale;
    if (m_form == Form::Svg)
        return m_total.units * NsPerSvgUnit + layout;
    const qint64 memory = bytes();
    return memory == std::numeric_limits<qint64>::max() ? memory : memory / BytesPerPixel * NsPerPixel + layout;
}

QString OutputCost::refusal() const
{
    static const char *const names[] = {"文字", "网页", "彩色文字", "SVG 图像", "图片"};
    const QString name = QString::fromUtf8(names[int(m_form)]);
    const QString advice = QStringLiteral("请减少字数、格数、放大倍数或格子里的文字。");
    const qint64 width = qMax<qint64>(m_width, PictureArea::Size.width() * m_scale);
    if (drawn() && qMax(width, height()) > MaxSide)
        return QStringLiteral("拼出的%1会有 %2 × %3 像素，每边最多 %4 像素。%5")
            .arg(name)
            .arg(width)
            .arg(height())
            .arg(MaxSide)
            .arg(advice);
    if (const qint64 memory = bytes(); memory > MaxBytes)
        return QStringLiteral("拼出的%1太大：约需 %2 MB 内存，上限是 %3 MB。%4")
            .arg(name)
            .arg(memory == std::numeric_limits<qint64>::max() ? QStringLiteral("数千") : QString::number(memory >> 20))
            .arg(MaxBytes >> 20)
            .arg(advice);
    if (const qint64 ns = nanoseconds(); ns > MaxNs)
        return QStringLiteral("拼出的%1太复杂：制作约需 %2 秒，上限是 %3 秒。%4")
            .arg(name)
            .arg(ns == std::numeric_limits<qint64>::max() ? QStringLiteral("数千") : QString::number(qreal(ns) / 1e9, 'f', 1))
            .arg(MaxNs / 1'000'000'000)
            .arg(advice);
    return {};
}
