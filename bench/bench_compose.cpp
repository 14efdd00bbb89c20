// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Median time of the composition core, and of a whole 拼字 as the user sees
// it (the composition and the output box laid out and painted), against
// their floor: drawing the two glyph images and reading their 441 points.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_compose [runs]
#include "canvas.h"
#include "composer.h"
#include "fonts.h"
#include "form1.h"
#include "gridgeometry.h"
#include "median.h"
#include "snapshotfile.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {
// Warms the glyph caches first.
double medianMicros(int runs, const std::function<void()> &work)
{
    work();
    return medianNs(runs, work) / 1000.0;
}

qint64 floorRun(const GridGeometry &geometry, Canvas &small, Canvas &large)
{
    small.clear();
    large.clear();
    small.setFont(Fonts::canvasFont(QStringLiteral("幼圆"), geometry.smallPoints(), true));
    large.setFont(Fonts::canvasFont(QStringLiteral("幼圆"), geometry.largePoints(), true));
    small.printText(QStringLiteral("顶"));
    large.printText(QStringLiteral("顶"));
    qint64 sum = 0;
    for (int r = 0; r < geometry.cells; ++r)
        for (int c = 0; c < geometry.cells; ++c)
            sum += small.pixel(c, r);
    return sum;
}
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    QApplication app(argc, argv);
    Fonts::install();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 300;

    const GridGeometry geometry;
    Canvas small = geometry.smallCanvas(), large = geometry.largeCanvas();
    volatile qint64 sink = 0;
    const double floor = medianMicros(runs, [&] { sink = sink + floorRun(geometry, small, large); });

    // The main window's defaults, its working file included.
    CompositionInput input;
    input.glyph = input.foreground = QStringLiteral("顶");
    input.background = QStringLiteral("▓");
    input.fontName = QStringLiteral("幼圆");
    SnapshotFile snapshot(home.path() + QStringLiteral("/qbx.jpg"));
    QString art;
    auto coreRun = [&] {
        art.clear();
        Composer(small, large, geometry).run(input, &snapshot, {}, [&art](int, const QString &row) { art += row; });
    };
    const double core = medianMicros(runs, coreRun);
    input.foreground = QStringLiteral("前景字前景字前景");
    input.background = QStringLiteral("背景字背景字背景");
    const double eight = medianMicros(runs, coreRun);

    // A whole 拼字 as the user sees it: the art laid out and painted in the box.
    Form1 form;
    form.show();
    auto *compose = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QWidget *shown = form.findChild<QAbstractScrollArea *>(QStringLiteral("Text1"))->viewport();
    QImage screen(shown->size(), QImage::Format_ARGB32_Premultiplied);
    const double whole = medianMicros(runs, [&] {
        compose->click();
        shown->render(&screen);
    });

    std::printf("floor (two glyph images + 441 reads):  %8.1f us\n", floor);
    std::printf("composition core, 1-character cells:   %8.1f us  (%.2fx floor, goal <= 3x)\n", core, core / floor);
    std::printf("composition core, 8-character cells:   %8.1f us  (%.2fx 1-character, goal <= 1.5x)\n", eight,
                eight / core);
    std::printf("whole 拼字, the box laid out and painted: %6.1f us  (%.2fx floor, goal <= 12x)\n", whole,
                whole / floor);
    form.close();
    return 0;
}
