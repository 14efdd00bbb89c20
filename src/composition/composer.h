// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridgeometry.h"

#include <QBitArray>
#include <QList>
#include <QString>
#include <functional>

class Canvas;
class SnapshotFile;

// What one composition reads from the main window.
struct CompositionInput
{
    QString glyph;       // drawn in text mode
    QString foreground;  // cell text where the shape has ink
    QString background;  // cell text everywhere else
    QString fontName;
    bool bold = true;
    bool shrink = false; // text mode: cells come from the large rendering
    bool textMode = true;
    // Text mode: print the glyph on the large canvas too, for whoever shows
    // it; the art needs it only when shrinking.
    bool printLarge = true;
    // Drawing mode: the cells that a picture put on the pad are ink, and so
    // is whatever the pen drew.
    QList<QBitArray> pictureCells;
};

// Renders the glyph (or takes the drawing) and turns the cell grid into text
// art: one line of cell texts per grid row, each line ended by CR LF.
class Composer
{
public:
    // Art that costs more than this to lay out (in plain letters, see
    // LayoutCost) would hold up the window for most of a second; such a run is
    // refused before anything is drawn.
    static constexpr qint64 MaxArtCost = 1'000'000;

    enum class Failure { None, WorkFile, TooLarge, BadText };
    struct Result
    {
        Failure failure = Failure::None;
        QString detail;  // the file and the system's reason for WorkFile; what is wrong for BadText
        // After a run, one row of flags per grid row: true where the cell is ink.
        QList<QBitArray> ink;
    };

    // Called once the rendering is done, before the first row.
    using StartSink = std::function<void()>;
    // Called after every row with the row's text (CR LF included).
    using RowSink = std::function<void(int row, const QString &rowText)>;

    // The canvases are made by the same geometry.
    Composer(Canvas &small, Canvas &large, GridGeometry geometry = {});

    // snapshot is the working file that keeps the large canvas; without one
    // the drawing is kept in memory only and no file is touched.
    Result run(const CompositionInput &input, SnapshotFile *snapshot, const StartSink &started,
               const RowSink &rowDone);

    // Why a box's text cannot be composed (CellText::refusal), for the first
    // box that is wrong; empty when all are right.
    static QString refusal(const CompositionInput &input);

    // What the art costs to lay out, at most: every row as if it took the
    // costlier of the cell texts, with every kind of seam between cells.
    qint64 artCost(const CompositionInput &input) const;

private:
    Canvas &m_small;
    Canvas &m_large;
    GridGeometry m_geometry;
};
