// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// What each output of the largest arts the weighing accepts really costs,
// against what OutputCost says before making it: processor time and the rise
// of peak memory, for text, html, ANSI, SVG and pictures, with long cells,
// many cells and large scales.
// Run: build/bench/bench_outputs [runs]
#include "artexport.h"
#include "artgrid.h"
#include "imagefiles.h"
#include "measure.h"
#include "outputcost.h"
#include "picturearea.h"

#include <QGuiApplication>
#include <cstdio>

namespace {
// A chequered art of rows × columns cells; the art side by side `arts` times.
ArtGrid art(int cells, int arts, const QString &fore, const QString &back)
{
    QList<QBitArray> ink(cells, QBitArray(cells));
    for (int r = 0; r < cells; ++r)
        for (int c = 0; c < cells; ++c)
            ink[r].setBit(c, (r + c) % 2 == 0);
    ArtGrid grid;
    for (int i = 0; i < arts; ++i)
        grid.append(ArtGrid(ink, fore, back), 1);
    return grid;
}

void make(const ArtGrid &grid, OutputCost::Form form, int scale)
{
    const ArtExport::Colours colours{Qt::white, Qt::black};
    const QString text = grid.text(u"\r\n");
    switch (form) {
    case OutputCost::Form::Text:
        (void)text.toUtf8();
        break;
    case OutputCost::Form::Html:
        (void)ArtExport::htmlPre(text, colours).toUtf8();
        break;
    case OutputCost::Form::Ansi:
        (void)ArtExport::ansi(grid, colours, u"\n").toUtf8();
        break;
    case OutputCost::Form::Svg:
        (void)ArtExport::svg({text}, colours, scale);
        break;
    case OutputCost::Form::Picture:
        (void)ImageFiles::encode(PictureArea::picture(text, colours.back, colours.text, scale), "PNG");
        break;
    }
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 3;
    struct Case
    {
        const char *name;
        OutputCost::Form form;
        int cells, arts, scale;
        QString fore, back;
    };
    const QString a = QString(2500, u'a'), amp = QString(2500, u'&'), han = QString(2100, u'中');
    const Case cases[] = {
        {"text, 7 cells × 100 arts of 2,500 a", OutputCost::Form::Text, 7, 100, 1, a, a},
        {"html, 7 cells × 20 arts of 2,500 &", OutputCost::Form::Html, 7, 20, 1, amp, amp},
        {"ansi, 63 cells of 2,500 a", OutputCost::Form::Ansi, 63, 1, 1, a, a},
        {"svg, 21 cells of 2,100 中", OutputCost::Form::Svg, 21, 1, 1, han, han},
        {"picture, 21 cells × 8 arts at 3", OutputCost::Form::Picture, 21, 8, 3, u"顶"_qs, u"▓"_qs},
        {"picture, 63 cells at 4", OutputCost::Form::Picture, 63, 1, 4, u"顶"_qs, u"▓"_qs},
        {"picture, 21 cells at 8", OutputCost::Form::Picture, 21, 1, 8, u"顶"_qs, u"▓"_qs},
    };
    std::printf("%-40s %12s %12s %12s %12s\n", "output", "weighed ms", "made ms", "weighed MiB", "made MiB");
    for (const Case &c : cases) {
        const ArtGrid grid = art(c.cells, c.arts, c.fore, c.back);
        OutputCost cost(c.form, c.scale);
        cost.add(grid);
        const QString why = cost.refusal();
        const Cost made = why.isEmpty() ? Measure::of(runs, [&] { make(grid, c.form, c.scale); }) : Cost{};
        std::printf("%-40s %12.0f %12.0f %12.0f %12.0f%s\n", c.name, cost.nanoseconds() / 1e6, made.cpuMs,
                    cost.bytes() / 1048576.0, made.peakMiB, why.isEmpty() ? "" : "  (refused)");
    }
    return 0;
}
