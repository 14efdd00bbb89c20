// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
};

// Renders the glyph (or takes the drawing) and turns the 21 × 21 cell grid
// into text art: 21 lines of 21 cell texts, each line ended by CR LF.
class Composer
{
public:
    static constexpr int GridSize = 21;
    // Art longer than this would freeze the window; such a run is refused.
    static constexpr qint64 MaxArtLength = 2'000'000;

    enum class Failure { None, Rendering, WorkFile, TooLarge };
    struct Result
    {
        Failure failure = Failure::None;
        QString detail;  // the file and the system's reason for WorkFile
    };

    // Called once the rendering is done, before the first row.
    using StartSink = std::function<void()>;
    // Called after every row with the row's text (CR LF included).
    using RowSink = std::function<void(int row, const QString &rowText)>;

    Composer(Canvas &small, Canvas &large);

    // snapshot is the working file that keeps the large canvas.
    Result run(const CompositionInput &input, SnapshotFile &snapshot, const StartSink &started,
               const RowSink &rowDone);

    static qint64 artLength(const CompositionInput &input);

private:
    Canvas &m_small;
    Canvas &m_large;
};
