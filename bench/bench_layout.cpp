// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout bound at work, script by script: for cells of each kind of
// text, the longest cell the composition still accepts, and how long the
// main window then takes to compose the art and to copy it (painting
// included). Every figure should stay well under a second.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_layout
#include "canvas.h"
#include "fonts.h"
#include "form1.h"
#include "composer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace {
qint64 msOf(QPushButton *button)
{
    QElapsedTimer timer;
    timer.start();
    button->click();
    QApplication::processEvents();  // what the window paints before it takes input again
    return timer.elapsed();
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Fonts::install();
    // The working files go to a private folder.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");

    // Each kind: what starts a cell and what repeats in it.
    const struct { const char *name; QString head, unit; } kinds[] = {
        {"Latin letters", {}, QStringLiteral("a")},
        {"Chinese", {}, QStringLiteral("\u9876")},
        {"letter + combining marks", QStringLiteral("a"), QStringLiteral("\u0301")},
        {"combining marks only", {}, QStringLiteral("\u0301")},
        {"Hebrew (right to left)", {}, QStringLiteral("\u05D0")},
        {"Arabic (joined)", {}, QStringLiteral("\u0628")},
        {"mixed directions", {}, QStringLiteral("a\u05D0")},
        {"Devanagari conjuncts", {}, QStringLiteral("\u0915\u094D\u0937")},
    };
    // The longest cell of a kind whose art the composition accepts.
    Canvas small(QSize(20, 20), 20, 20), large(QSize(111, 111), 20, 20);
    const Composer composer(small, large);
    auto longest = [&composer](const QString &head, const QString &unit) {
        int lo = 0, hi = 1 << 20;
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            CompositionInput input;
            input.foreground = input.background = head + unit.repeated(mid);
            if (composer.artCost(input) <= Composer::MaxArtCost)
                lo = mid;
            else
                hi = mid - 1;
        }
        return head + unit.repeated(lo);
    };

    Form1 form;
    form.show();
    auto *compose = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *copy = form.findChild<QPushButton *>(QStringLiteral("Command2"));
    std::printf("bound: art costing %lld plain letters\n", Composer::MaxArtCost);
    std::printf("%-26s %12s %9s %9s\n", "cells of", "cell chars", "compose", "copy");
    for (const auto &kind : kinds) {
        const QString cell = longest(kind.head, kind.unit);
        form.findChild<QLineEdit *>(QStringLiteral("Text4"))->setText(cell);
        form.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(cell);
        const qint64 composeMs = msOf(compose);
        const qint64 copyMs = msOf(copy);
        std::printf("%-26s %12lld %6lld ms %6lld ms\n", kind.name, qint64(cell.size()), composeMs, copyMs);
    }
    form.close();
    return 0;
}
