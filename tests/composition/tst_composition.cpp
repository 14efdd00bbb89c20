// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The canvas and the composition: strokes, pictures and whole runs.
#include "celltext.h"
#include "composer.h"
#include "gridgeometry.h"
#include "padhistory.h"
#include "padpicture.h"
#include "snapshotfile.h"
#include "testhome.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace {
const GridGeometry Geometry;
using Failure = Composer::Failure;

QString grid(const QStringList &rows)
{
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList blankGrid()
{
    return QStringList(21, QString(21, QLatin1Char('.')));
}
}

class TestComposition : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestHome> env;
    Canvas small = Geometry.smallCanvas();
    Canvas large = Geometry.largeCanvas();
    CompositionInput input;
    QString workFile;  // none when empty
    bool started = false;
    Composer::Result result;

    QString compose()
    {
        QString art;
        started = false;
        SnapshotFile file(workFile);
        result = Composer(small, large).run(
            input, workFile.isEmpty() ? nullptr : &file, [this] { started = true; },
            [&art](int, const QString &text) { art += text; });
        return art;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestHome>();
        small = Geometry.smallCanvas();
        large = Geometry.largeCanvas();
        workFile = env->home() + QStringLiteral("/qbx.jpg");
        input = CompositionInput();
        input.glyph = QStringLiteral("顶");
        input.foreground = QStringLiteral("#");
        input.background = QStringLiteral(".");
        input.fontName = QStringLiteral("幼圆");
    }

    // Drawn with 幼圆 as WenQuanYi Zen Hei 0.9.45-8 (`dpkg-query -W fonts-wqy-zenhei`):
    // another version of the font may move a few cells.
    void glyphShrunkFromTheLargeRendering()
    {
        input.shrink = true;
        const QStringList expected{
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral(".......###......###.."),
            QStringLiteral("###################.."),
            QStringLiteral("#########..###...##.."),
            QStringLiteral("...###.....###......."),
            QStringLiteral("...###...#########..."),
            QStringLiteral("...###...#########..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...##.##.###..."),
            QStringLiteral("...###...#########..."),
            QStringLiteral("...###...########...."),
            QStringLiteral(".#####...#########..."),
            QStringLiteral(".####..#####...####.."),
            QStringLiteral("....................."),
        };
        QCOMPARE(compose(), grid(expected));
        input.glyph.clear();
        QCOMPARE(compose(), grid(blankGrid()));
    }

    void cellTexts()
    {
        QString expected = compose();
        input.foreground = QStringLiteral("前景前景前景前景");
        input.background = QStringLiteral("  ");
        expected.replace(QLatin1Char('#'), input.foreground).replace(QLatin1Char('.'), input.background);
        QCOMPARE(compose(), expected);
        input.foreground.clear();
        input.background.clear();
        QCOMPARE(compose(), QStringLiteral("\r\n").repeated(21));
    }

    void drawingModeSamplesTheLargeCanvas()
    {
        for (qreal x = 2; x <= 6; x += 0.1)
            large.dot(x, 4);  // a stroke along row 4, columns 2 to 6
        input.textMode = false;
        input.shrink = true;  // no effect in drawing mode
        QStringList expected = blankGrid();
        expected[4] = QStringLiteral("..#####..............");
        QCOMPARE(compose(), grid(expected));
        QVERIFY(TestHome::readAll(workFile).startsWith("BM"));
        // The drawing stays: the next run, reading the file back, sees it again.
        QCOMPARE(compose(), grid(expected));
        // Without the working file the drawing is kept in memory alone.
        QFile::remove(workFile);
        workFile.clear();
        QCOMPARE(compose(), grid(expected));
        QVERIFY(QDir(env->home()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
    }

    void picturesBecomeDrawings_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRgb>("paper");
        QTest::addColumn<QList<QRect>>("black");  // black rectangles on the paper
        QTest::addColumn<QStringList>("expected");
        const QSize square(50, 50);
        const QRgb clear = qRgba(0, 0, 0, 0);
        const QList<QRect> none;
        QStringList dark(20, QStringLiteral("####################."));
        dark << QString(21, QLatin1Char('.'));
        QTest::newRow("dark grey inks every sampled cell") << square << qRgb(64, 64, 64) << none << dark;
        QTest::newRow("light grey inks none") << square << qRgb(192, 192, 192) << none << blankGrid();
        QTest::newRow("transparent black counts as white") << square << clear << none << blankGrid();
        QStringList bar = blankGrid();
        bar[10] = QStringLiteral("####################.");
        const QList<QRect> band{{0, 40, 400, 20}};
        QTest::newRow("4:1 bar lies across the middle") << QSize(400, 100) << clear << band << bar;
        // Cell n is sampled at pixel floor(n * 111 / 20): 1 at 5, 3 at 16, 19 at 105.
        QStringList dots = blankGrid();
        dots[1] = QStringLiteral(".#.#.................");
        dots[19] = QStringLiteral("...................#.");
        const QList<QRect> pixels{{5, 5, 1, 1}, {16, 5, 1, 1}, {105, 105, 1, 1}};
        QTest::newRow("cells sample whole pixels") << large.size() << qRgb(255, 255, 255) << pixels << dots;
    }

    void picturesBecomeDrawings()
    {
        QFETCH(QSize, size);
        QFETCH(QRgb, paper);
        QFETCH(QList<QRect>, black);
        QFETCH(QStringList, expected);
        QImage picture(size, QImage::Format_ARGB32);
        picture.fill(paper);
        QPainter painter(&picture);
        for (const QRect &rect : black)
            painter.fillRect(rect, Qt::black);
        painter.end();
        large.setBackgroundPicture(PadPicture::fromImage(picture, large.size()));
        input.textMode = false;
        QCOMPARE(compose(), grid(expected));
    }

    void padHistoryKeepsTheLatestHundredSteps()
    {
        PadHistory history;
        QImage pad(1, 1, QImage::Format_RGB32);
        for (uint step = 0; step <= 100; ++step) {
            pad.fill(step);
            history.record(pad.copy());
        }
        pad.fill(101);
        for (QImage back; !(back = history.undo(pad)).isNull();)
            pad = back;
        QCOMPARE(pad.pixel(0, 0) & 0xFFFFFF, 1u);  // the oldest step is forgotten
    }

    // A working file that cannot be written, or a cell whose rows would cost
    // the output box too much to lay out: nothing is drawn and no row comes.
    void refusals_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<Failure>("failure");
        const QString mark(QChar(0x0301));
        QTest::newRow("unwritable working file") << QStringLiteral("#") << Failure::WorkFile;
        QTest::newRow("2164 letters") << QString(2164, QLatin1Char('x')) << Failure::None;
        QTest::newRow("2165 letters") << QString(2165, QLatin1Char('x')) << Failure::TooLarge;
        QTest::newRow("letter + 223 marks") << QLatin1Char('a') + mark.repeated(223) << Failure::TooLarge;
        QTest::newRow("70 marks, no letter") << mark.repeated(70) << Failure::TooLarge;
        QTest::newRow("61 direction pairs") << QStringLiteral("a\u05D0").repeated(61) << Failure::TooLarge;
        // As long as the longest Latin cell, but far slower to lay out.
        QTest::newRow("embeddings") << QStringLiteral("\u202Ba").repeated(1082) << Failure::TooLarge;
        QTest::newRow("Hangul jamo") << QStringLiteral("\u1100\u1161\u11A8").repeated(721) << Failure::TooLarge;
        QTest::newRow("object replacements") << QString(2164, QChar(0xFFFC)) << Failure::TooLarge;
        QTest::newRow("emoji joined") << QStringLiteral("\U0001F468\u200D").repeated(721) << Failure::TooLarge;
        QTest::newRow("a tab") << QStringLiteral("a\tb") << Failure::BadText;
    }

    void refusals()
    {
        QFETCH(QString, cell);
        QFETCH(Failure, failure);
        if (failure == Failure::WorkFile) {
            TestHome::writeAll(env->home() + QStringLiteral("/blocker"), "x");
            workFile = env->home() + QStringLiteral("/blocker/qbx.jpg");
        }
        input.foreground = input.background = cell;
        const QString art = compose();
        QCOMPARE(result.failure, failure);
        QCOMPARE(started, failure == Failure::None);
        QCOMPARE(art.isEmpty(), failure != Failure::None);
        if (failure == Failure::WorkFile)
            QVERIFY(result.detail.contains(QStringLiteral("qbx.jpg")));
    }

    // Ordinary text of any script goes into a box; what would break a row of
    // the art, or is longer than a box takes, is refused naming the box.
    void boxTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        const QString plain(CellText::MaxLength, u'x');
        QTest::newRow("Chinese and symbols") << QStringLiteral("顶▓☆　") << true;
        QTest::newRow("marks, joiners, emoji") << QStringLiteral("e\u0301\u200D\U0001F600\u202Ba") << true;
        QTest::newRow("right to left") << QStringLiteral("\u05D0\u0628") << true;
        QTest::newRow("as long as a box takes") << plain << true;
        QTest::newRow("longer") << plain + u'x' << false;
        QTest::newRow("tab") << QStringLiteral("\t") << false;
        QTest::newRow("line feed") << QStringLiteral("a\nb") << false;
        QTest::newRow("carriage return") << QStringLiteral("\r") << false;
        QTest::newRow("next line U+0085") << QStringLiteral("\u0085") << false;
        QTest::newRow("line separator") << QStringLiteral("\u2028") << false;
        QTest::newRow("paragraph separator") << QStringLiteral("\u2029") << false;
        QTest::newRow("NUL") << QString(QChar(0)) << false;
        QTest::newRow("DEL") << QStringLiteral("\x7F") << false;
        QTest::newRow("noncharacter") << QStringLiteral("\uFDD0") << false;
    }

    void boxTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        using CellText::Box;
        for (const Box box : {Box::Glyph, Box::Foreground, Box::Background}) {
            const QString why = CellText::refusal(text, box);
            QCOMPARE(why.isEmpty(), accepted);
            QVERIFY(accepted || why.startsWith(CellText::name(box)));
        }
        // The glyph counts in text mode only.
        input.glyph = text;
        input.textMode = false;
        QVERIFY(Composer::refusal(input).isEmpty());
        input.textMode = true;
        QCOMPARE(Composer::refusal(input).isEmpty(), accepted);
    }
};

QTEST_MAIN(TestComposition)
#include "tst_composition.moc"
