// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The canvas and the composition: sampling, ink, strokes and whole runs.
#include "canvas.h"
#include "composer.h"
#include "fonts.h"
#include "gridgeometry.h"
#include "padhistory.h"
#include "padpicture.h"
#include "snapshotfile.h"
#include "testenv.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace {
const GridGeometry Geometry;
const QSize Small = Geometry.smallCanvas().size(), Large = Geometry.largeCanvas().size();

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
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<Canvas> small, large;
    CompositionInput input;
    bool started = false;
    bool workFile = true;
    QList<int> rows;

    QString compose(const QString &snapshot = QString(), Composer::Result *result = nullptr)
    {
        QString art;
        started = false;
        rows.clear();
        SnapshotFile file(snapshot.isEmpty() ? env->home() + QStringLiteral("/qbx.jpg") : snapshot);
        const Composer::Result r = Composer(*small, *large).run(
            input, workFile ? &file : nullptr, [this] { started = true; },
            [this, &art](int row, const QString &text) {
                rows << row;
                art += text;
            });
        if (result)
            *result = r;
        return art;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        small = std::make_unique<Canvas>(Geometry.smallCanvas());
        large = std::make_unique<Canvas>(Geometry.largeCanvas());
        input = CompositionInput();
        workFile = true;
        input.glyph = QStringLiteral("顶");
        input.foreground = QStringLiteral("#");
        input.background = QStringLiteral(".");
        input.fontName = QStringLiteral("幼圆");
    }

    void geometry_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<QList<qreal>>("expected");  // small px, large px, small pt, large pt, pen
        QTest::newRow("the window's 21") << 21 << QList<qreal>{20, 111, 14, 80, 7};
        QTest::newRow("11 for a chat bubble") << 11 << QList<qreal>{10, 56, 7, 40, 4};
        QTest::newRow("smallest, 7") << 7 << QList<qreal>{6, 33, 4.2, 24, 2};
        QTest::newRow("largest, 63") << 63 << QList<qreal>{62, 344, 43.4, 248, 22};
    }

    void geometry()
    {
        QFETCH(int, cells);
        QFETCH(QList<qreal>, expected);
        const GridGeometry g{cells};
        const Canvas s = g.smallCanvas(), l = g.largeCanvas();
        QCOMPARE((QList<qreal>{qreal(s.size().width()), qreal(l.size().width()), g.smallPoints(), g.largePoints(),
                               qreal(g.penWidth())}),
                 expected);
        QCOMPARE(s.size().height(), s.size().width());
        QCOMPARE(l.size().height(), l.size().width());
        QCOMPARE(s.unitsX(), qreal(cells - 1));
        QCOMPARE(l.unitsY(), qreal(cells - 1));
    }

    void sampling_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pixel");  // painted in colour
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<qint64>("expected");
        const QRgb black = qRgb(0, 0, 0);
        QTest::newRow("small: one unit is one pixel") << Small << QPoint(7, 3) << black << QPointF(7, 3) << qint64(0);
        QTest::newRow("small: neighbour is white") << Small << QPoint(7, 3) << black << QPointF(8, 3) << qint64(0xFFFFFF);
        QTest::newRow("small: column 20 is outside") << Small << QPoint(19, 0) << black << QPointF(20, 0) << qint64(-1);
        QTest::newRow("small: row 20 is outside") << Small << QPoint(0, 19) << black << QPointF(0, 20) << qint64(-1);
        QTest::newRow("near black is not ink") << Small << QPoint(0, 0) << qRgb(1, 1, 1) << QPointF(0, 0) << qint64(0x010101);
        QTest::newRow("red in the low byte") << Small << QPoint(1, 0) << qRgb(0x12, 0x34, 0x56) << QPointF(1, 0) << qint64(0x563412);
        QTest::newRow("large: point 1 is pixel 5") << Large << QPoint(5, 5) << black << QPointF(1, 1) << qint64(0);
        QTest::newRow("large: point 3 is pixel 16") << Large << QPoint(16, 5) << black << QPointF(3, 1) << qint64(0);
        QTest::newRow("large: point 19 is pixel 105") << Large << QPoint(105, 105) << black << QPointF(19, 19) << qint64(0);
    }

    void sampling()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        QFETCH(QPointF, at);
        QFETCH(qint64, expected);
        Canvas canvas(size, Geometry.units(), Geometry.units());
        QImage image = canvas.snapshot();
        image.setPixel(pixel, colour);
        canvas.setBackgroundPicture(image);
        QCOMPARE(canvas.pixel(at.x(), at.y()), expected);
    }

    void inkIsPureBlackAndThinStrokesSurviveShrinking()
    {
        large->setFont(Fonts::canvasFont(QStringLiteral("幼圆"), Geometry.largePoints(), true));
        large->printText(QStringLiteral("顶"));
        const int ink = TestEnv::count(large->image(), 0);
        QVERIFY(ink > 500);
        QCOMPARE(ink + TestEnv::count(large->image(), 0xFFFFFF), 111 * 111);

        QImage line = Geometry.largeCanvas().snapshot();
        for (int y = 0; y < 111; ++y)
            line.setPixel(50, y, qRgb(0, 0, 0));  // one pixel wide
        small->shrinkCopy(line);
        QCOMPARE(TestEnv::count(small->image(), 0), 20);
        QCOMPARE(small->pixel(9, 19), qint64(0));
    }

    void dotIsSevenAcrossAndClipped()
    {
        large->dot(10, 10);  // centre pixel 55
        QCOMPARE(TestEnv::count(large->image(), 0), 37);
        QCOMPARE(large->image().pixel(52, 55) & 0xFFFFFF, 0u);
        QVERIFY((large->image().pixel(51, 55) & 0xFFFFFF) != 0);
        large->clear();
        large->dot(0, 0);
        QCOMPARE(TestEnv::count(large->image(), 0), 13);  // the quarter that falls inside
    }

    // The grids were drawn with 幼圆 as WenQuanYi Zen Hei 0.9.45-8 (Debian 12's
    // fonts-wqy-zenhei; `dpkg-query -W fonts-wqy-zenhei`): another version of
    // the font may move a few cells.
    void glyphs_data()
    {
        QTest::addColumn<QString>("glyph");
        QTest::addColumn<bool>("shrink");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("顶, 14 pt print") << QStringLiteral("顶") << false << QStringList{
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral("###################.."),
            QStringLiteral("###################.."),
            QStringLiteral("....##.....###......."),
            QStringLiteral("....##...#########..."),
            QStringLiteral("....##...#########..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.##.###..."),
            QStringLiteral("....##...##.######..."),
            QStringLiteral("....##...#######....."),
            QStringLiteral(".#####....###.###...."),
            QStringLiteral("..###...####...####.."),
            QStringLiteral("......#####.....###.."),
            QStringLiteral("....................."),
        };
        QTest::newRow("顶, 80 pt rendering shrunk") << QStringLiteral("顶") << true << QStringList{
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
        QTest::newRow("empty glyph") << QString() << false << blankGrid();
    }

    void glyphs()
    {
        QFETCH(QString, glyph);
        QFETCH(bool, shrink);
        QFETCH(QStringList, expected);
        input.glyph = glyph;
        input.shrink = shrink;
        QCOMPARE(compose(), grid(expected));
        QCOMPARE(rows, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    }

    void cellTexts()
    {
        const QString plain = compose();
        input.foreground = QStringLiteral("前景前景前景前景");
        input.background = QStringLiteral("  ");
        QString expected = plain;
        expected.replace(QLatin1Char('#'), input.foreground).replace(QLatin1Char('.'), input.background);
        QCOMPARE(compose(), expected);
        input.foreground.clear();
        input.background.clear();
        QCOMPARE(compose(), QStringLiteral("\r\n").repeated(21));
    }

    void drawingModeSamplesTheLargeCanvas()
    {
        for (qreal x = 2; x <= 6; x += 0.1)
            large->dot(x, 4);  // a stroke along row 4, columns 2 to 6
        input.textMode = false;
        input.shrink = true;  // no effect in drawing mode
        QStringList expected = blankGrid();
        expected[4] = QStringLiteral("..#####..............");
        QCOMPARE(compose(), grid(expected));
        QVERIFY(TestEnv::readAll(env->home() + QStringLiteral("/qbx.jpg")).startsWith("BM"));
        QCOMPARE(small->pixel(4, 4), qint64(0));
        // The drawing stays: the next run, reading the file back, sees it again.
        QCOMPARE(compose(), grid(expected));
        // Without the working file the drawing is kept in memory alone.
        QFile::remove(env->home() + QStringLiteral("/qbx.jpg"));
        workFile = false;
        QCOMPARE(compose(), grid(expected));
        QCOMPARE(compose(), grid(expected));
        QVERIFY(QDir(env->home()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
    }

    void picturesBecomeDrawings_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRgb>("paper");
        QTest::addColumn<QRect>("black");  // a black rectangle on the paper
        QTest::addColumn<QStringList>("expected");
        const QRect none;
        QTest::newRow("dark grey inks every sampled cell") << QSize(50, 50) << qRgb(0x40, 0x40, 0x40) << none
                                                           << QStringList(20, QStringLiteral("####################.")) + QStringList{QString(21, QLatin1Char('.'))};
        QTest::newRow("light grey inks none") << QSize(50, 50) << qRgb(0xc0, 0xc0, 0xc0) << none << blankGrid();
        QTest::newRow("transparent black counts as white") << QSize(50, 50) << qRgba(0, 0, 0, 0) << none << blankGrid();
        QStringList bar = blankGrid();
        bar[10] = QStringLiteral("####################.");
        QTest::newRow("4:1 bar lies across the middle") << QSize(400, 100) << qRgba(0, 0, 0, 0) << QRect(0, 40, 400, 20) << bar;
    }

    void picturesBecomeDrawings()
    {
        QFETCH(QSize, size);
        QFETCH(QRgb, paper);
        QFETCH(QRect, black);
        QFETCH(QStringList, expected);
        QImage picture(size, QImage::Format_ARGB32);
        picture.fill(paper);
        QPainter(&picture).fillRect(black, Qt::black);
        const QImage drawing = PadPicture::fromImage(picture, Large);
        QCOMPARE(drawing.size(), Large);
        QCOMPARE(TestEnv::count(drawing, 0) + TestEnv::count(drawing, 0xFFFFFF), 111 * 111);
        large->setBackgroundPicture(drawing);
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
        int undone = 0;
        for (QImage back; !(back = history.undo(pad)).isNull(); ++undone)
            pad = back;
        QCOMPARE(undone, 100);
        QCOMPARE(pad.pixel(0, 0) & 0xFFFFFF, 1u);  // the oldest step is forgotten
        for (QImage next; !(next = history.redo(pad)).isNull();)
            pad = next;
        QCOMPARE(pad.pixel(0, 0) & 0xFFFFFF, 101u);
        QVERIFY(history.canUndo() && !history.canRedo());
    }

    void failuresLeaveTheArtAlone()
    {
        TestEnv::writeAll(env->home() + QStringLiteral("/blocker"), "x");
        Composer::Result result;
        QVERIFY(compose(env->home() + QStringLiteral("/blocker/qbx.jpg"), &result).isEmpty());
        QCOMPARE(result.failure, Composer::Failure::WorkFile);
        QVERIFY(result.detail.contains(QStringLiteral("qbx.jpg")));
        QVERIFY(!started);
    }

    // Cells at the layout bound are composed; one more character is refused
    // before anything is drawn.
    void layoutBound_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("composed");
        const QString mark(QChar(0x0301)), mixed = QStringLiteral("a\u05D0");
        QTest::newRow("letter + 222 marks") << QLatin1Char('a') + mark.repeated(222) << true;
        QTest::newRow("letter + 223 marks") << QLatin1Char('a') + mark.repeated(223) << false;
        QTest::newRow("69 marks, no letter") << mark.repeated(69) << true;
        QTest::newRow("70 marks, no letter") << mark.repeated(70) << false;
        QTest::newRow("60 direction pairs") << mixed.repeated(60) << true;
        QTest::newRow("61 direction pairs") << mixed.repeated(61) << false;
        QTest::newRow("2164 letters") << QString(2164, QLatin1Char('x')) << true;
        QTest::newRow("2165 letters") << QString(2165, QLatin1Char('x')) << false;
    }

    void layoutBound()
    {
        QFETCH(QString, cell);
        QFETCH(bool, composed);
        input.foreground = input.background = cell;
        Composer::Result result;
        compose(QString(), &result);
        QCOMPARE(result.failure, composed ? Composer::Failure::None : Composer::Failure::TooLarge);
        QCOMPARE(started, composed);
    }
};

QTEST_MAIN(TestComposition)
#include "tst_composition.moc"
