// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBitArray>
#include <QList>
#include <QString>
#include <functional>

// Text art cell by cell: which cells of each row are ink, and the texts that
// fill ink cells and the others. Several arts can stand side by side in one
// grid, each with its own texts.
class ArtGrid
{
public:
    // Background cells between arts laid side by side.
    static constexpr int DefaultGap = 1;
    static constexpr int MaxGap = 63;
    // Cells across that a row of arts side by side may reach.
    static constexpr int MaxColumns = 4096;

    ArtGrid() = default;
    // ink holds one row of flags per grid row, all as wide as the first.
    ArtGrid(const QList<QBitArray> &ink, const QString &foreground, const QString &background);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    // Puts the other grid on the right, after gap cells of this grid's
    // background; rows missing on either side are background.
    void append(const ArtGrid &other, int gap);

    // Calls cell(text, ink) for every cell of the row, left to right.
    void forEachCell(int row, const std::function<void(const QString &text, bool ink)> &cell) const;
    // Every row's cell texts, each row followed by lineEnd.
    QString text(QStringView lineEnd) const;

private:
    struct Block
    {
        QList<QBitArray> ink;  // empty for a gap
        int columns = 0;
        QString foreground, background;
    };
    QList<Block> m_blocks;
    int m_rows = 0;
    int m_columns = 0;
};
