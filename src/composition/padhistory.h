// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBitArray>
#include <QImage>
#include <QList>

// The undo and redo history of a drawing pad, kept as whole pad images (a
// pad is small). Each step is recorded by the image the pad showed before
// it; undo hands back that image and keeps the current one for redo. The
// cells of a picture placed on the pad travel with the images: undo and
// redo bring back the cells that went with the image they hand back.
class PadHistory
{
public:
    static constexpr int DefaultDepth = 100;

    explicit PadHistory(int depth = DefaultDepth) : m_depth(qMax(1, depth)) {}

    // A new step is about to change the pad, which now shows before. Steps
    // that were undone can no longer be redone; the oldest beyond the depth
    // are forgotten.
    void record(const QImage &before);
    // The same for a step that puts a picture's cells on the pad.
    void recordPicture(const QImage &before, const QList<QBitArray> &cells);
    // The image to show instead of current; null when there is nothing to undo.
    QImage undo(const QImage &current);
    // The image to show instead of current; null when there is nothing to redo.
    QImage redo(const QImage &current);
    // Forgets the steps and the picture's cells: the pad is blank again.
    void clear();

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    // The cells of the picture the pad shows now; empty when it shows none.
    const QList<QBitArray> &cells() const { return m_cells; }

private:
    struct Step
    {
        QImage pad;
        QList<QBitArray> cells;
    };
    QList<Step> m_undo;
    QList<Step> m_redo;
    QList<QBitArray> m_cells;
    int m_depth;
};
