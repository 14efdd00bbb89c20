// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout bound at work, kind of text by kind: for cells of each kind, the
// longest cell the composition still accepts (at most the boxes' length),
// and what the main window then takes to compose the art and to copy it
// (painting included): the median processor time of several runs and the
// rise of the peak memory. Kinds that break a row are refused before
// composing; their line shows what the refusal costs. Every figure should
// stay well under a second and 256 MiB.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_layout [runs]
#include "canvas.h"
#include "celltext.h"
#include "composer.h"
#include "fonts.h"
#include "form1.h"
#include "layoutcost.h"
#include "measure.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
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
        {"U+202B + a", {}, QStringLiteral("\u202Ba")},
        {"Hangul jamo", {}, QStringLiteral("\u1100\u1161\u11A8")},
        {"half-width kana + voiced", {}, QStringLiteral("\uFF76\uFF9E")},
        {"U+FFFC", {}, QStringLiteral("\uFFFC")},
        {"emoji + ZWJ", {}, QStringLiteral("\U0001F468\u200D")},
        {"tab", {}, QStringLiteral("\t")},
        {"U+0085", {}, QStringLiteral("\u0085")},
        {"line breaks", {}, QStringLiteral("\n")},
        {"U+2028", {}, QStringLiteral("\u2028")},
    };
    // The longest cell of a kind whose art the composition accepts.
    Canvas small(QSize(20, 20), 20, 20), large(QSize(111, 111), 20, 20);
    const Composer composer(small, large);
    auto longest = [&composer](const QString &head, const QString &unit) {
        int lo = 0, hi = int((CellText::MaxLength - head.size()) / unit.size());
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            CompositionInput input;
            input.foreground = input.background = head + unit.repeated(mid);
            if (!Composer::refusal(input).isEmpty() || composer.artCost(input) <= Composer::MaxArtCost)
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
    // A refused text is answered by a message box: closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    closer.start(10);
    auto click = [](QPushButton *button) {
        return [button] {
            button->click();
            QApplication::processEvents();  // what the window paints before it takes input again
        };
    };
    std::printf("bound: art costing %lld plain letters; boxes take %d characters; median of %d runs\n",
                Composer::MaxArtCost, CellText::MaxLength, runs);
    std::printf("%-26s %6s %9s %13s %13s\n", "cells of", "chars", "", "compose", "copy");
    for (const auto &kind : kinds) {
        const QString cell = longest(kind.head, kind.unit);
        form.findChild<QLineEdit *>(QStringLiteral("Text4"))->setText(cell);
        form.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText(cell);
        CompositionInput input;
        input.foreground = input.background = cell;
        const bool refused = !Composer::refusal(input).isEmpty();
        const Cost composed = Measure::of(runs, click(compose));
        std::printf("%-26s %6lld %9s %6.0f ms %3.0f MiB", kind.name, qint64(cell.size()),
                    refused ? "refused" : "accepted", composed.cpuMs, composed.peakMiB);
        if (!refused) {
            const Cost copied = Measure::of(runs, click(copy));
            std::printf(" %6.0f ms %3.0f MiB", copied.cpuMs, copied.peakMiB);
        }
        std::printf("\n");
        std::fflush(stdout);
    }

    // A box filled to its length with what costs most to lay out: pasting it,
    // and the program idle while the cursor blinks in it.
    std::printf("\n%-26s %6s %13s %13s\n", "box full of", "chars", "paste", "idle, focused");
    closer.stop();
    auto *box = form.findChild<QLineEdit *>(QStringLiteral("Text3"));
    form.activateWindow();
    box->setFocus();
    for (const auto &kind : kinds) {
        const QString text = (kind.head + kind.unit.repeated(CellText::MaxLength)).left(CellText::MaxLength);
        QGuiApplication::clipboard()->setText(text);
        box->clear();
        const Cost pasted = Measure::of(runs, [box] {
            box->clear();
            box->paste();
            QApplication::processEvents();
        });
        QEventLoop idle;
        QTimer::singleShot(2000, &idle, &QEventLoop::quit);
        const double start = Measure::cpuMs();
        idle.exec();
        std::printf("%-26s %6lld %6.0f ms %3.0f MiB %10.1f %%\n", kind.name, qint64(box->text().size()), pasted.cpuMs,
                    pasted.peakMiB, (Measure::cpuMs() - start) / 20);
        std::fflush(stdout);
    }
    form.close();
    return 0;
}
