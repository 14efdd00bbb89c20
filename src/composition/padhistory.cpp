// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "padhistory.h"

void PadHistory::record(const QImage &before)
{
    m_redo.clear();
    m_undo.append({before, m_cells});
    if (m_undo.size() > m_depth)
        m_undo.remove(0, m_undo.size() - m_depth);
}

void PadHistory::recordPicture(const QImage &before, const QList<QBitArray> &cells)
{
    record(before);
    m_cells = cells;
}

QImage PadHistory::undo(const QImage &current)
{
    if (m_undo.isEmpty())
        return {};
    m_redo.append({current, m_cells});
    const Step step = m_undo.takeLast();
    m_cells = step.cells;
    return step.pad;
}

QImage PadHistory::redo(const QImage &current)
{
    if (m_redo.isEmpty())
        return {};
    m_undo.append({current, m_cells});
    const Step step = m_redo.takeLast();
    m_cells = step.cells;
    return step.pad;
}

void PadHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_cells.clear();
}
