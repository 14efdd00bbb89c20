// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Median time of one whole composition in the main window, against its
// floor: drawing the two glyph images and reading their 441 points.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_compose [runs]
#include "canvas.h"
#include "fonts.h"
#include "form1.h"
#include "gridgeometry.h"
#include "median.h"

#include <QApplication>
#include <QLineEdit>
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

    Form1 form;
    auto *compose = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    const double one = medianMicros(runs, [&] { compose->click(); });
    form.findChild<QLineEdit *>(QStringLiteral("Text4"))->setText(QStringLiteral("前景字前景字前景"));
    form.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(QStringLiteral("背景字背景字背景"));
    const double eight = medianMicros(runs, [&] { compose->click(); });

    std::printf("floor (two glyph images + 441 reads): %8.1f us\n", floor);
    std::printf("composition, 1-character cells:       %8.1f us  (%.2fx floor, goal <= 3x)\n", one, one / floor);
    std::printf("composition, 8-character cells:       %8.1f us  (%.2fx 1-character, goal <= 1.5x)\n", eight,
                eight / one);
    form.close();
    return 0;
}
