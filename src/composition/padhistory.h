// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>

// The undo and redo history of a drawing pad, kept as whole pad images (a
// pad is small). Each step is recorded by the image the pad showed before
// it; undo hands back that image and keeps the current one for redo.
class PadHistory
{
public:
    static constexpr int DefaultDepth = 100;

    explicit PadHistory(int depth = DefaultDepth) : m_depth(qMax(1, depth)) {}

    // A new step is about to change the pad, which now shows before. Steps
    // that were undone can no longer be redone; the oldest beyond the depth
    // are forgotten.
    void record(const QImage &before);
    // The image to show instead of current; null when there is nothing to undo.
    QImage undo(const QImage &current);
    // The image to show instead of current; null when there is nothing to redo.
    QImage redo(const QImage &current);
    void clear();

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }

private:
    QList<QImage> m_undo;
    QList<QImage> m_redo;
    int m_depth;
};
