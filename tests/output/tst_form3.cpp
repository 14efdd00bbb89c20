// The image view window: colour codes, printing and reopening.
#include "canvas.h"
#include "colorcodes.h"
#include "form3.h"
#include "outputwindows.h"
#include "testenv.h"

#include <QPushButton>
#include <QTest>

namespace {
int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}
}

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("rounded");  // 0 for none
        QTest::addColumn<int>("exact");
        QTest::newRow("whole") << QStringLiteral("2") << 2 << 2;
        QTest::newRow("2.4") << QStringLiteral("2.4") << 2 << 0;
        QTest::newRow("half to even down") << QStringLiteral("2.5") << 2 << 0;
        QTest::newRow("half to even up") << QStringLiteral("3.5") << 4 << 0;
        QTest::newRow("1.0") << QStringLiteral("1.0") << 1 << 1;
        QTest::newRow("spaces") << QStringLiteral(" 7 ") << 7 << 7;
        QTest::newRow("empty (Cancel)") << QString() << 0 << 0;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0 << 0;
        QTest::newRow("too large") << QStringLiteral("1e9") << 0 << 0;
        QTest::newRow("full-width digit") << QStringLiteral("８") << 0 << 0;
    }

    void answers()
    {
        QFETCH(QString, answer);
        QFETCH(int, rounded);
        QFETCH(int, exact);
        QCOMPARE(ColorCodes::rounded(answer).value_or(0), rounded);
        QCOMPARE(ColorCodes::exact(answer).value_or(0), exact);
        QCOMPARE(ColorCodes::rounded(QStringLiteral("-1")).value_or(0), -1);
        QVERIFY(!ColorCodes::color(-1) && !ColorCodes::color(0) && !ColorCodes::color(9));
        QCOMPARE(ColorCodes::color(7), ColorCodes::color(4));
    }

    void printsInChosenColours()
    {
        TestEnv env;
        FakeArt art;
        art.text = QStringLiteral("■■■■■\r\n").repeated(21);
        OutputWindows windows(&art);
        windows.showImageView();
        Form3 *view = windows.existingImageView();
        QVERIFY(view && view->isVisible());
        const Canvas &area = view->pictureArea();
        QCOMPARE(area.size(), QSize(261, 237));
        auto *set = view->findChild<QPushButton *>("Command2");

        Modal::prompt(QStringLiteral("1"));
        Modal::prompt(QStringLiteral("6"));
        set->click();
        QVERIFY(count(area.image(), qRgb(255, 0, 255)) > 100);
        QCOMPARE(area.image().pixel(258, 2) & 0xFFFFFF, 0xFFFFFFu);
        const int lines = area.textPosition().y();

        // 0 and 9 change nothing: the area stays and the text goes below.
        const QImage before = area.image();
        QStringList titles;
        Modal::prompt(QStringLiteral("0"), &titles);
        Modal::prompt(QStringLiteral("9"), &titles);
        set->click();
        QCOMPARE(titles, (QStringList{QStringLiteral("请设置图片背景色"), QStringLiteral("请设置文字颜色")}));
        QCOMPARE(area.image(), before);
        QCOMPARE(area.textPosition().y(), 2 * lines);

        // A valid background erases and prints from the top again; 7 is 4's blue.
        Modal::prompt(QStringLiteral("7"));
        Modal::prompt(QStringLiteral("abc"));
        set->click();
        QCOMPARE(area.image().pixel(258, 2) & 0xFFFFFF, 0x0000FFu);
        QVERIFY(count(area.image(), qRgb(255, 0, 255)) > 100);
        QCOMPARE(area.textPosition().y(), lines);
    }

    void reopensEmpty()
    {
        TestEnv env;
        FakeArt art;
        art.text = QStringLiteral("■\r\n");
        OutputWindows windows(&art);
        windows.showImageView();
        Form3 *first = windows.existingImageView();
        const QImage empty = first->pictureArea().image();
        Modal::prompt(QStringLiteral("8"));
        Modal::prompt(QStringLiteral("1"));
        first->findChild<QPushButton *>("Command2")->click();
        windows.showImageView();
        QCOMPARE(windows.existingImageView(), first);  // brought up with its picture
        QVERIFY(first->pictureArea().image() != empty);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(first, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!windows.existingImageView());
        windows.showImageView();
        QCOMPARE(windows.existingImageView()->pictureArea().image(), empty);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
