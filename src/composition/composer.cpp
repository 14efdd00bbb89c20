// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composer.h"

#include "canvas.h"
#include "celltext.h"
#include "fonts.h"
#include "layoutcost.h"
#include "snapshotfile.h"

#include <QDir>

namespace {
Composer::Result fileFailure(const SnapshotFile &file, const QString &why)
{
    return {Composer::Failure::WorkFile, QStringLiteral("“%1”：%2").arg(QDir::toNativeSeparators(file.path()), why), {}};
}
}

Composer::Composer(Canvas &small, Canvas &large, GridGeometry geometry)
    : m_small(small), m_large(large), m_geometry(geometry)
{
}

QString Composer::refusal(const CompositionInput &input)
{
    using CellText::Box;
    // The glyph is drawn in text mode only.
    const QString none;
    const std::pair<const QString &, Box> boxes[] = {{input.textMode ? input.glyph : none, Box::Glyph},
                                                     {input.foreground, Box::Foreground},
                                                     {input.background, Box::Background}};
    for (const auto &[text, box] : boxes)
        if (QString why = CellText::refusal(text, box); !why.isEmpty())
            return why;
    return {};
}

qint64 Composer::artCost(const CompositionInput &input) const
{
    const qint64 cells = m_geometry.cells;
    // Nothing costs less than a letter: the length alone may already say no,
    // before rows of megabytes are built to be weighed.
    const qint64 longest = qMax(input.foreground.size(), input.background.size());
    if (cells * (cells * longest + 2) > MaxArtCost)
        return cells * (cells * longest + 2);
    const QString &fore = input.foreground, &back = input.background;
    qint64 row = 0;
    for (const QString &cellsOfRow : {fore.repeated(cells), back.repeated(cells), (fore + back).repeated(cells / 2 + 1)})
        row = qMax(row, LayoutCost::ofText(cellsOfRow + QStringLiteral("\r\n")));
    return cells * row;
}

Composer::Result Composer::run(const CompositionInput &input, SnapshotFile *snapshot,
                               const StartSink &started, const RowSink &rowDone)
{
    if (QString why = refusal(input); !why.isEmpty())
        return {Failure::BadText, why, {}};
    if (artCost(input) > MaxArtCost)
        return {Failure::TooLarge, {}, {}};

    // Keep what the large canvas shows (in the working file, if there is one).
    m_large.flatten();
    const QImage shown = m_large.backgroundPicture();
    QString why;
    if (snapshot && !snapshot->write(shown, &why))
        return fileFailure(*snapshot, why);
    m_large.setBackgroundPicture(QImage());

    m_small.clear();
    m_large.clear();
    m_small.setFont(Fonts::canvasFont(input.fontName, m_geometry.smallPoints(), input.bold));
    m_large.setFont(Fonts::canvasFont(input.fontName, m_geometry.largePoints(), input.bold));

    if (input.textMode) {
        m_small.printText(input.glyph);
        if (input.shrink || input.printLarge)
            m_large.printText(input.glyph);
        if (input.shrink)
            m_small.shrinkCopy(m_large.snapshot());
    } else {
        // Without a working file the drawing is what the canvas showed.
        const QImage drawing = snapshot ? snapshot->read(&why) : shown;
        if (snapshot && drawing.isNull())
            return fileFailure(*snapshot, why);
        m_large.setBackgroundPicture(drawing);
        m_small.shrinkCopy(m_large.snapshot());
    }

    if (started)
        started();
    const Canvas &sampled = input.textMode ? m_small : m_large;
    Result result;
    QString row;
    const int cells = m_geometry.cells;
    row.reserve(cells * qMax(input.foreground.size(), input.background.size()) + 2);
    for (int r = 0; r < cells; ++r) {
        row.clear();
        QBitArray ink(cells);
        for (int c = 0; c < cells; ++c) {
            const bool fromPicture = !input.textMode && r < input.pictureCells.size()
                                     && c < input.pictureCells[r].size() && input.pictureCells[r].testBit(c);
            ink.setBit(c, fromPicture || sampled.pixel(c, r) == 0);
            row += ink.testBit(c) ? input.foreground : input.background;
        }
        row += QStringLiteral("\r\n");
        result.ink.append(ink);
        if (rowDone)
            rowDone(r, row);
    }
    return result;
}
