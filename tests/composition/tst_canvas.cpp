#include "canvas.h"
#include "fonts.h"

#include <QTest>

namespace {
int inkCount(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}
}

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::install(); }

    void sampling_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("blackPixel");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("small: one unit is one pixel") << QSize(20, 20) << QPoint(7, 3) << QPointF(7, 3) << qint64(0);
        QTest::newRow("small: neighbour is white") << QSize(20, 20) << QPoint(7, 3) << QPointF(8, 3) << qint64(0xFFFFFF);
        QTest::newRow("small: column 20 is outside") << QSize(20, 20) << QPoint(19, 0) << QPointF(20, 0) << qint64(-1);
        QTest::newRow("small: row 20 is outside") << QSize(20, 20) << QPoint(0, 19) << QPointF(0, 20) << qint64(-1);
        QTest::newRow("large: point 1 is pixel 5") << QSize(111, 111) << QPoint(5, 5) << QPointF(1, 1) << qint64(0);
        QTest::newRow("large: point 19 is pixel 105") << QSize(111, 111) << QPoint(105, 105) << QPointF(19, 19) << qint64(0);
        QTest::newRow("large: point 3 is pixel 16") << QSize(111, 111) << QPoint(16, 5) << QPointF(3, 1) << qint64(0);
    }

    void sampling()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, blackPixel);
        QFETCH(QPointF, at);
        QFETCH(qint64, expected);
        Canvas canvas(size, 20, 20);
        QImage image = canvas.snapshot();
        image.setPixel(blackPixel, qRgb(0, 0, 0));
        canvas.setBackgroundPicture(image);
        QCOMPARE(canvas.pixel(at.x(), at.y()), expected);
    }

    void colourValuesAreRedLow()
    {
        Canvas canvas(QSize(20, 20), 20, 20);
        QImage image = canvas.snapshot();
        image.setPixel(0, 0, qRgb(1, 1, 1));     // near black is not ink
        image.setPixel(1, 0, qRgb(0x12, 0x34, 0x56));
        canvas.setBackgroundPicture(image);
        QCOMPARE(canvas.pixel(0, 0), qint64(0x010101));
        QCOMPARE(canvas.pixel(1, 0), qint64(0x563412));
    }

    void textIsPureBlack()
    {
        Canvas canvas(QSize(111, 111), 20, 20);
        canvas.setFont(Fonts::canvasFont(QStringLiteral("幼圆"), 80, true));
        canvas.printText(QStringLiteral("顶"));
        QSet<QRgb> colours;
        const QImage image = canvas.image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
        QCOMPARE(colours, (QSet<QRgb>{0x000000, 0xFFFFFF}));
        QVERIFY(inkCount(image) > 500);
    }

    void shrinkKeepsThinStrokes()
    {
        Canvas large(QSize(111, 111), 20, 20);
        QImage image = large.snapshot();
        for (int y = 0; y < 111; ++y)
            image.setPixel(50, y, qRgb(0, 0, 0));  // one pixel wide
        Canvas small(QSize(20, 20), 20, 20);
        small.shrinkCopy(image);
        for (int y = 0; y < 20; ++y)
            QCOMPARE(small.pixel(9, y), qint64(0));
        QCOMPARE(inkCount(small.image()), 20);
    }

    void dotIsSevenAcrossAndClipped()
    {
        Canvas canvas(QSize(111, 111), 20, 20);
        canvas.setPenWidth(7);
        canvas.dot(10, 10);  // centre pixel 55
        const QImage image = canvas.image();
        QCOMPARE(inkCount(image), 37);
        QCOMPARE(image.pixel(52, 55) & 0xFFFFFF, 0u);
        QCOMPARE(image.pixel(58, 55) & 0xFFFFFF, 0u);
        QVERIFY((image.pixel(51, 55) & 0xFFFFFF) != 0);
        Canvas corner(QSize(111, 111), 20, 20);
        corner.setPenWidth(7);
        corner.dot(0, 0);
        QCOMPARE(inkCount(corner.image()), 13);  // a quarter disc and its edges
    }

    void printedLinesAdvance()
    {
        Canvas canvas(QSize(261, 237), 261 * 15, 237 * 15);
        canvas.setFont(Fonts::canvasFont(QStringLiteral("宋体"), 9, false));
        const int line = QFontMetrics(canvas.font(), &canvas.image()).height();
        canvas.printText(QStringLiteral("a\r\nb\r\n"));
        // Two lines and the empty one after the last CR LF, then the next line.
        QCOMPARE(canvas.textPosition(), QPoint(0, 3 * line));
        canvas.flatten();
        QCOMPARE(canvas.textPosition(), QPoint(0, 3 * line));
        canvas.setBackColor(Qt::red);
        QCOMPARE(canvas.textPosition(), QPoint(0, 0));
        // The flattened picture lies over the new colour until it is removed.
        QCOMPARE(canvas.pixel(0, 0), qint64(0xFFFFFF));
        canvas.setBackgroundPicture(QImage());
        QCOMPARE(canvas.pixel(0, 0), qint64(0x0000FF));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
