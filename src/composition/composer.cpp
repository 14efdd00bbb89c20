// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composer.h"

#include "canvas.h"
#include "fonts.h"
#include "snapshotfile.h"

#include <QDir>

namespace {
constexpr qreal LargePoints = 80;
constexpr qreal SmallPoints = 14;

Composer::Result fileFailure(const SnapshotFile &file, const QString &why)
{
    return {Composer::Failure::WorkFile, QStringLiteral("“%1”：%2").arg(QDir::toNativeSeparators(file.path()), why)};
}
}

Composer::Composer(Canvas &small, Canvas &large) : m_small(small), m_large(large) {}

qint64 Composer::artLength(const CompositionInput &input)
{
    const qint64 cell = qMax(input.foreground.size(), input.background.size());
    return GridSize * (GridSize * cell + 2);
}

Composer::Result Composer::run(const CompositionInput &input, SnapshotFile &snapshot,
                               const StartSink &started, const RowSink &rowDone)
{
    if (artLength(input) > MaxArtLength)
        return {Failure::TooLarge, QString::number(artLength(input))};

    // Keep what the large canvas shows in the working file.
    m_large.flatten();
    QString why;
    if (!snapshot.write(m_large.backgroundPicture(), &why))
        return fileFailure(snapshot, why);
    m_large.setBackgroundPicture(QImage());

    m_small.clear();
    m_large.clear();
    m_small.setFont(Fonts::canvasFont(input.fontName, SmallPoints, input.bold));
    m_large.setFont(Fonts::canvasFont(input.fontName, LargePoints, input.bold));

    if (input.textMode) {
        m_small.printText(input.glyph);
        m_large.printText(input.glyph);
        if (input.shrink)
            m_small.shrinkCopy(m_large.snapshot());
    } else {
        const QImage drawing = snapshot.read(&why);
        if (drawing.isNull())
            return fileFailure(snapshot, why);
        m_large.setBackgroundPicture(drawing);
        m_small.shrinkCopy(m_large.snapshot());
    }
    if (m_small.image().isNull() || m_large.image().isNull())
        return {Failure::Rendering, {}};

    if (started)
        started();
    const Canvas &sampled = input.textMode ? m_small : m_large;
    QString row;
    row.reserve(GridSize * qMax(input.foreground.size(), input.background.size()) + 2);
    for (int r = 0; r < GridSize; ++r) {
        row.clear();
        for (int c = 0; c < GridSize; ++c)
            row += sampled.pixel(c, r) == 0 ? input.foreground : input.background;
        row += QStringLiteral("\r\n");
        if (rowDone)
            rowDone(r, row);
    }
    return {};
}
