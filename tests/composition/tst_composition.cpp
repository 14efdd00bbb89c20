// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The canvas and the composition: strokes, pictures and whole runs.
#include "celltext.h"
#include "composer.h"
#include "gridgeometry.h"
#include "padhistory.h"
#include "picturearea.h"
#include "snapshotfile.h"
#include "testhome.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const GridGeometry Geometry;
using Failure = Composer::Failure;

QString grid(const QStringList &rows) { return rows.join(u"\r\n"_s) + u"\r\n"_s; }
QStringList blankGrid() { return QStringList(21, QString(21, u'.')); }
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
        result = Composer(small, large).run(input, workFile.isEmpty() ? nullptr : &file, [this] { started = true; },
                                            [&art](int, const QString &text) { art += text; });
        return art;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestHome>();
        small = Geometry.smallCanvas();
        large = Geometry.largeCanvas();
        workFile = env->home() + u"/qbx.jpg"_s;
        input = CompositionInput{};
        input.glyph = u"顶"_s;
        input.foreground = u"#"_s;
        input.background = u"."_s;
        input.fontName = u"幼圆"_s;
    }

    // Drawn with 幼圆 as WenQuanYi Zen Hei 0.9.45-8 (`dpkg-query -W fonts-wqy-zenhei`):
    // another version of the font may move a few cells. Not bold: the font has
    // no bold face, and each system's font engine makes its own (Windows' far heavier).
    void glyphShrunkFromTheLargeRendering()
    {
        input.shrink = true;
        input.bold = false;
        const QStringList expected{
            u"....................."_s,
            u"....................."_s,
            u"....................."_s,
            u".......###......###.."_s,
            u"###################.."_s,
            u"#########..###...##.."_s,
            u"...###.....###......."_s,
            u"...###...#########..."_s,
            u"...###...#########..."_s,
            u"...###...##.##.###..."_s,
            u"...###...##.##.###..."_s,
            u"...###...##.##.###..."_s,
            u"...###...##.##.###..."_s,
            u"...###...##.##.###..."_s,
            u"...###...##.##.###..."_s,
            u"...###...##.##.###..."_s,
            u"...###...#########..."_s,
            u"...###...########...."_s,
            u".#####...#########..."_s,
            u".####..#####...####.."_s,
            u"....................."_s,
        };
        QCOMPARE(compose(), grid(expected));
        input.glyph.clear();
        QCOMPARE(compose(), grid(blankGrid()));
    }

    void cellTexts()
    {
        QString expected = compose();
        input.foreground = u"前景前景前景前景"_s;
        input.background = u"  "_s;
        expected.replace(u'#', input.foreground).replace(u'.', input.background);
        QCOMPARE(compose(), expected);
        input.foreground.clear();
        input.background.clear();
        QCOMPARE(compose(), u"\r\n"_s.repeated(21));
    }

    void drawingModeSamplesTheLargeCanvas()
    {
        for (qreal x = 2; x <= 6; x += 0.1)
            large.dot(x, 4);  // a stroke along row 4, columns 2 to 6
        input.textMode = false;
        input.shrink = true;  // no effect in drawing mode
        QStringList expected = blankGrid();
        expected[4] = u"..#####.............."_s;
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
        QTest::newRow("unwritable working file") << u"#"_s << Failure::WorkFile;
        QTest::newRow("2164 letters") << QString(2164, u'x') << Failure::None;
        QTest::newRow("2165 letters") << QString(2165, u'x') << Failure::TooLarge;
        QTest::newRow("letter + 223 marks") << u'a' + mark.repeated(223) << Failure::TooLarge;
        QTest::newRow("70 marks, no letter") << mark.repeated(70) << Failure::TooLarge;
        QTest::newRow("61 direction pairs") << u"a\u05D0"_s.repeated(61) << Failure::TooLarge;
        QTest::newRow("Hangul jamo") << u"\u1100\u1161\u11A8"_s.repeated(721) << Failure::TooLarge;
        QTest::newRow("emoji joined") << u"\U0001F468\u200D"_s.repeated(721) << Failure::TooLarge;
        QTest::newRow("a tab") << u"a\tb"_s << Failure::BadText;
    }

    void refusals()
    {
        QFETCH(QString, cell);
        QFETCH(Failure, failure);
        if (failure == Failure::WorkFile) {
            TestHome::writeAll(env->home() + u"/blocker"_s, "x");
            workFile = env->home() + u"/blocker/qbx.jpg"_s;
        }
        input.foreground = input.background = cell;
        const QString art = compose();
        QCOMPARE(result.failure, failure);
        QCOMPARE(started, failure == Failure::None);
        QCOMPARE(art.isEmpty(), failure != Failure::None);
        if (failure == Failure::WorkFile)
            QVERIFY(result.detail.contains(u"qbx.jpg"_s));
    }

    // Ordinary text of any script goes into a box; what would break a row of
    // the art, or is longer than a box takes, is refused naming the box.
    void boxTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        const QString plain(CellText::MaxLength, u'x');
        QTest::newRow("Chinese and symbols") << u"顶▓☆　"_s << true;
        QTest::newRow("marks, joiners, emoji") << u"e\u0301\u200D\U0001F600\u202Ba"_s << true;
        QTest::newRow("as long as a box takes") << plain << true;
        QTest::newRow("longer") << plain + u'x' << false;
        QTest::newRow("tab") << u"\t"_s << false;
        QTest::newRow("line feed") << u"a\nb"_s << false;
        QTest::newRow("line separator") << u"\u2028"_s << false;
        QTest::newRow("paragraph separator") << u"\u2029"_s << false;
        QTest::newRow("noncharacter") << u"\uFDD0"_s << false;
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

    // On the picture's cell grid a character's place follows from the characters before it, never from the font's
    // advances: the same columns in a Latin font as in the Chinese one, an ASCII letter centred in half a cell.
    void picturePrintsOnTheCellGrid_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("Chinese monospaced") << u"WenQuanYi Zen Hei Mono"_s;
        QTest::newRow("Latin proportional") << u"DejaVu Sans"_s;
    }
    void picturePrintsOnTheCellGrid()
    {
        QFETCH(QString, family);
        Canvas area = PictureArea::canvas();
        QFont font = area.font();
        font.setFamily(family);
        area.setFont(font);
        area.setColors(Qt::white, Qt::black);
        area.printText(u"■ii■\r\n"_s);
        QList<qreal> centres;
        int start = -1;
        for (int x = 0; x <= area.size().width(); ++x) {
            bool ink = false;
            for (int y = 0; x < area.size().width() && y < area.linePitch() && !ink; ++y)
                ink = qGray(area.image().pixel(x, y)) < 128;
            if (ink && start < 0)
                start = x;
            if (!ink && start >= 0)
                centres << (start + x - 1) / 2.0, start = -1;
        }
        const QList<qreal> expected{6, 15, 21, 30};
        QCOMPARE(centres.size(), expected.size());
        for (qsizetype i = 0; i < centres.size(); ++i)
            QVERIFY2(qAbs(centres[i] - expected[i]) <= 1.5, qPrintable(u"%1 at %2"_s.arg(i).arg(centres[i])));
    }
};

QTEST_MAIN(TestComposition)
#include "tst_composition.moc"
