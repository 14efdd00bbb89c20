// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

class ArtGrid;

// What making one output of an art will cost, weighed from the art's texts
// before anything is made: the memory its text or picture takes and the time
// that drawing it takes. An art whose output is over a limit is refused with
// a sentence that names the limit, by the command line and the windows alike.
// Every size is counted in 64 bits, so no art is too large to be weighed.
class OutputCost
{
public:
    enum class Form { Text, Html, Ansi, Svg, Picture };

    static constexpr qint64 MaxBytes = 256LL << 20;
    static constexpr qint64 MaxNs = 1'000'000'000;
    // Pictures and SVG images are measured in whole pixels of 26.6 fixed
    // point: no side may come near 2^25 px.
    static constexpr qint64 MaxSide = 1 << 20;

    explicit OutputCost(Form form, int scale = 1);
    // The art as the grid holds it; may be called again for the next art.
    void add(const ArtGrid &art);
    // The art as the output box holds it, every row ended by CR LF.
    void add(QStringView art);

    qint64 bytes() const;
    qint64 nanoseconds() const;
    // The picture's (or the SVG's) size in pixels, as drawn at the scale.
    qint64 width() const { return m_width; }
    qint64 height() const;
    // Empty when the output keeps within the limits; otherwise why not.
    QString refusal() const;

private:
    struct Weight
    {
        qint64 units = 0;    // UTF-16 units of the plain text
        qint64 escaped = 0;  // the same in html or SVG
        qint64 layout = 0;   // LayoutCost of the text
        qint64 advance = 0;  // pixels across at scale 1, in 1/64 px
    };
    const Weight &weigh(const QString &text);
    void addRow(qint64 cells, const Weight &row);
    bool drawn() const { return m_form == Form::Svg || m_form == Form::Picture; }

    Form m_form;
    int m_scale;
    qint64 m_rows = 0, m_cells = 0;
    qint64 m_width = 0;  // the widest row, in pixels at the scale
    Weight m_total;
    QHash<const QChar *, Weight> m_measured;  // by the text's own storage: grids share their cell texts
};
