#include "canvas.h"
#include "composer.h"
#include "fonts.h"
#include "snapshotfile.h"
#include "testenv.h"

#include <QTest>

namespace {
struct Run
{
    Composer::Result result;
    QString art;
    QList<int> rows;
    bool started = false;
};

Run compose(Canvas &small, Canvas &large, const CompositionInput &input, const QString &snapshot)
{
    Run run;
    Composer composer(small, large);
    SnapshotFile file(snapshot);
    run.result = composer.run(
        input, file, [&run] { run.started = true; },
        [&run](int row, const QString &text) {
            run.rows << row;
            run.art += text;
        });
    return run;
}

CompositionInput textInput(const QString &glyph)
{
    CompositionInput input;
    input.glyph = glyph;
    input.foreground = QStringLiteral("#");
    input.background = QStringLiteral(".");
    input.fontName = QStringLiteral("幼圆");
    return input;
}

QString grid(const QStringList &rows)
{
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
}

class TestComposer : public QObject
{
    Q_OBJECT
private slots:
    void glyphs_data()
    {
        QTest::addColumn<QString>("glyph");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("shrink");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("顶, bold, 14 pt print") << QStringLiteral("顶") << true << false << QStringList{
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
        QTest::newRow("顶, bold, shrunk 80 pt rendering") << QStringLiteral("顶") << true << true << QStringList{
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
        QTest::newRow("顶, regular") << QStringLiteral("顶") << false << false << QStringList{
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral("....................."),
            QStringLiteral("#######.##########..."),
            QStringLiteral("....#.......#........"),
            QStringLiteral("....#......##........"),
            QStringLiteral("....#....########...."),
            QStringLiteral("....#....#.....##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#..#..##...."),
            QStringLiteral("....#....#.####......"),
            QStringLiteral("....#......#..##....."),
            QStringLiteral("..###....###...##...."),
            QStringLiteral("......####......##..."),
            QStringLiteral("....................."),
        };
        QTest::newRow("empty glyph") << QString() << true << false << QStringList(21, QString(21, QLatin1Char('.')));
    }

    void glyphs()
    {
        QFETCH(QString, glyph);
        QFETCH(bool, bold);
        QFETCH(bool, shrink);
        QFETCH(QStringList, expected);
        TestEnv env;
        Canvas small(QSize(20, 20), 20, 20), large(QSize(111, 111), 20, 20);
        CompositionInput input = textInput(glyph);
        input.bold = bold;
        input.shrink = shrink;
        const Run run = compose(small, large, input, env.home() + QStringLiteral("/qbx.jpg"));
        QCOMPARE(run.result.failure, Composer::Failure::None);
        if (run.art != grid(expected))
            qWarning().noquote() << "\n" << run.art;
        QCOMPARE(run.art, grid(expected));
        QCOMPARE(run.rows, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    }

    void cellTexts()
    {
        TestEnv env;
        Canvas small(QSize(20, 20), 20, 20), large(QSize(111, 111), 20, 20);
        CompositionInput input = textInput(QStringLiteral("顶"));
        input.foreground.clear();
        input.background.clear();
        QCOMPARE(compose(small, large, input, env.home() + QStringLiteral("/qbx.jpg")).art,
                 QStringLiteral("\r\n").repeated(21));

        input = textInput(QStringLiteral("顶"));
        const QString plain = compose(small, large, input, env.home() + QStringLiteral("/qbx.jpg")).art;
        input.foreground = QStringLiteral("前景前景前景前景");
        input.background = QStringLiteral("  ");
        QString expected = plain;
        expected.replace(QLatin1Char('#'), input.foreground).replace(QLatin1Char('.'), input.background);
        QCOMPARE(compose(small, large, input, env.home() + QStringLiteral("/qbx.jpg")).art, expected);
    }

    void drawingModeSamplesTheLargeCanvas()
    {
        TestEnv env;
        Canvas small(QSize(20, 20), 20, 20), large(QSize(111, 111), 20, 20);
        large.setPenWidth(7);
        for (qreal x = 2; x <= 6; x += 0.1)
            large.dot(x, 4);  // a stroke along row 4, columns 2 to 6
        CompositionInput input = textInput(QStringLiteral("顶"));
        input.textMode = false;
        input.shrink = true;  // no effect in drawing mode
        const QString path = env.home() + QStringLiteral("/qbx.jpg");
        const Run run = compose(small, large, input, path);
        QStringList rows(21, QString(21, QLatin1Char('.')));
        rows[4] = QStringLiteral("..#####..............");
        QCOMPARE(run.art, grid(rows));
        QCOMPARE(TestEnv::readAll(path).left(2), QByteArray("BM"));
        // The drawing stays and grows: a second run sees it again.
        QCOMPARE(compose(small, large, input, path).art, grid(rows));
        QVERIFY(small.pixel(4, 4) == 0);
    }

    void failuresKeepThePreviousArt()
    {
        TestEnv env;
        Canvas small(QSize(20, 20), 20, 20), large(QSize(111, 111), 20, 20);
        TestEnv::writeAll(env.home() + QStringLiteral("/blocker"), "x");
        Run run = compose(small, large, textInput(QStringLiteral("顶")), env.home() + QStringLiteral("/blocker/qbx.jpg"));
        QCOMPARE(run.result.failure, Composer::Failure::WorkFile);
        QVERIFY(run.result.detail.contains(QStringLiteral("qbx.jpg")));
        QVERIFY(!run.started);
        QVERIFY(run.rows.isEmpty());

        CompositionInput huge = textInput(QStringLiteral("顶"));
        huge.background = QString(10000, QLatin1Char('x'));
        run = compose(small, large, huge, env.home() + QStringLiteral("/qbx.jpg"));
        QCOMPARE(run.result.failure, Composer::Failure::TooLarge);
        QVERIFY(!run.started);
    }
};

QTEST_MAIN(TestComposer)
#include "tst_composer.moc"
