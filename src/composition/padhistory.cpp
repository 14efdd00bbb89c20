// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "padhistory.h"

void PadHistory::record(const QImage &before)
{
    m_redo.clear();
    m_undo.append(before);
    if (m_undo.size() > m_depth)
        m_undo.remove(0, m_undo.size() - m_depth);
}

QImage PadHistory::undo(const QImage &current)
{
    if (m_undo.isEmpty())
        return {};
    m_redo.append(current);
    return m_undo.takeLast();
}

QImage PadHistory::redo(const QImage &current)
{
    if (m_redo.isEmpty())
        return {};
    m_undo.append(current);
    return m_redo.takeLast();
}

void PadHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}
