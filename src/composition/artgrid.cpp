// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artgrid.h"

ArtGrid::ArtGrid(const QList<QBitArray> &ink, const QString &foreground, const QString &background)
    : m_rows(int(ink.size())), m_columns(ink.isEmpty() ? 0 : int(ink.first().size()))
{
    m_blocks.append({ink, m_columns, foreground, background});
}

void ArtGrid::append(const ArtGrid &other, int gap)
{
    if (m_blocks.isEmpty()) {
        *this = other;
        return;
    }
    if (gap > 0)
        m_blocks.append({{}, gap, {}, m_blocks.last().background});
    m_blocks.append(other.m_blocks);
    m_rows = qMax(m_rows, other.m_rows);
    m_columns += gap + other.m_columns;
}

void ArtGrid::forEachCell(int row, const std::function<void(const QString &, bool)> &cell) const
{
    for (const Block &block : m_blocks) {
        const QBitArray *flags = row < block.ink.size() ? &block.ink[row] : nullptr;
        for (int c = 0; c < block.columns; ++c) {
            const bool ink = flags && flags->testBit(c);
            cell(ink ? block.foreground : block.background, ink);
        }
    }
}

QString ArtGrid::text(QStringView lineEnd) const
{
    QString text;
    for (int r = 0; r < m_rows; ++r) {
        forEachCell(r, [&text](const QString &cell, bool) { text += cell; });
        text += lineEnd;
    }
    return text;
}
