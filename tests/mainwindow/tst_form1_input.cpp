// The input boxes, the special-character list, the drawing pad, copy and exit.
#include "canvas.h"
#include "canvasview.h"
#include "form1.h"
#include "frmabout.h"
#include "testenv.h"
#include "textfile.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
// Widget position of the grid point (c, r) on the large canvas.
QPoint gridPoint(qreal c, qreal r)
{
    return QPoint(1 + int(c * 111 / 20), 1 + int(r * 111 / 20));
}

int ink(const Canvas &canvas)
{
    int n = 0;
    for (int y = 0; y < canvas.size().height(); ++y)
        for (int x = 0; x < canvas.size().width(); ++x)
            n += (canvas.image().pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}
}

class TestForm1Input : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<Form1> form;
    template <typename T> T *get(const char *name) { return form->findChild<T *>(name); }
    Canvas &pad() { return *get<CanvasView>("Picture2")->canvas(); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        env.reset();
    }

    void changeAndClickRules()
    {
        auto *text2 = get<QLineEdit>("Text2"), *text3 = get<QLineEdit>("Text3"), *text4 = get<QLineEdit>("Text4");
        QTest::mouseClick(text4, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        QCOMPARE(text2->text(), QStringLiteral("顶"));
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text2->text(), QString());
        text4->setText(QStringLiteral("x"));
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("爱"));
        QApplication::sendEvent(text2, &typed);
        QCOMPARE(text2->text(), QStringLiteral("爱"));
        QCOMPARE(text4->text(), QStringLiteral("爱"));
        QCOMPARE(text3->text(), QStringLiteral("▓"));
        // A click into a non-empty Text2 empties Text4 too; every click empties.
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        text3->setText(QStringLiteral("ab"));
        QTest::mouseClick(text3, Qt::LeftButton);
        QCOMPARE(text3->text(), QString());
        text3->setText(QStringLiteral("ab"));
        QTest::mouseClick(text3, Qt::LeftButton);
        QCOMPARE(text3->text(), QString());
        // Moving in with Tab keeps the text.
        text3->setText(QStringLiteral("ab"));
        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text3);
        QCOMPARE(text3->text(), QStringLiteral("ab"));
    }

    void enterComposesFromEveryBox()
    {
        get<QLineEdit>("Text3")->setText(QStringLiteral("  "));
        QTest::keyClick(get<QLineEdit>("Text3"), Qt::Key_Return);
        QVERIFY(form->art().contains(QStringLiteral("  顶")));
        get<QLineEdit>("Text4")->setText(QStringLiteral("木"));
        QTest::keyClick(get<QLineEdit>("Text4"), Qt::Key_Enter);
        QVERIFY(form->art().contains(QStringLiteral("木")));
        QVERIFY(!form->art().contains(QStringLiteral("顶")));
    }

    void specialCharacterList()
    {
        auto *star = get<QWidget>("Picture3");
        QTest::mouseClick(star, Qt::LeftButton);
        QTest::mouseClick(star, Qt::LeftButton);
        const QString file = env->workFile(QStringLiteral("liebiao.txt"));
        const QByteArray bytes = TestEnv::readAll(file);
        QCOMPARE(bytes.size(), 232);
        QCOMPARE(bytes.count("\r\n"), 8);
        QVERIFY(bytes.startsWith(TextFile::encodeGbk(QStringLiteral("☆ ★ ○"))));
        QVERIFY(bytes.contains(TextFile::encodeGbk(QStringLiteral("】╀"))));
        QVERIFY(bytes.contains("\r\n\r\n\r\n"));
        QCOMPARE(env->opened(), (QStringList{file, file}));
    }

    void specialCharacterListUnwritable()
    {
        QDir().mkpath(env->workFile(QStringLiteral("liebiao.txt")));
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        QTest::mouseClick(get<QWidget>("Picture3"), Qt::LeftButton);
        QCOMPARE(texts.size(), 1);
        QVERIFY(env->opened().isEmpty());
    }

    void drawingTurnsIntoInkedCells()
    {
        auto *view = get<CanvasView>("Picture2");
        get<QRadioButton>("Option4")->click();
        QVERIFY(!get<QLineEdit>("Text2")->isEnabled());
        QVERIFY(!get<QCheckBox>("Check1")->isEnabled());
        // A lone click leaves nothing.
        QTest::mouseClick(view, Qt::LeftButton, {}, gridPoint(10, 10));
        QCOMPARE(ink(pad()), 0);
        // A slow stroke along row 5 from column 3 to 8.
        QTest::mousePress(view, Qt::LeftButton, {}, gridPoint(3, 5));
        for (qreal c = 3; c <= 8; c += 0.25)
            QTest::mouseMove(view, gridPoint(c, 5));
        QTest::mouseRelease(view, Qt::LeftButton, {}, gridPoint(8, 5));
        get<QPushButton>("Command1")->click();
        const QStringList lines = form->art().split(QStringLiteral("\r\n"));
        QCOMPARE(lines[5], QStringLiteral("▓▓▓顶顶顶顶顶顶▓▓▓▓▓▓▓▓▓▓▓▓"));
        QCOMPARE(form->art().count(QStringLiteral("顶")), 6);
    }

    void releaseEndsTheStroke()
    {
        auto *view = get<CanvasView>("Picture2");
        get<QRadioButton>("Option4")->click();
        // Released outside the canvas: moving back in draws nothing.
        QTest::mousePress(view, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(view, QPoint(200, 200));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseMove(view, gridPoint(5, 5));
        QCOMPARE(ink(pad()), 0);
        // Two buttons held, one released: the pen is up.
        QTest::mousePress(view, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mousePress(view, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseRelease(view, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseMove(view, gridPoint(6, 6));
        QCOMPARE(ink(pad()), 0);
        QTest::mouseRelease(view, Qt::LeftButton, {}, gridPoint(6, 6));
        // In text mode the pen never draws.
        get<QRadioButton>("Option3")->click();
        QTest::mousePress(view, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(view, gridPoint(6, 6));
        QTest::mouseRelease(view, Qt::LeftButton, {}, gridPoint(6, 6));
        QCOMPARE(ink(pad()), 0);
    }

    void modeSwitchBlanksThePad()
    {
        auto *shrink = get<QCheckBox>("Check1");
        shrink->setCheckState(Qt::Checked);
        get<QLineEdit>("Text2")->setText(QStringLiteral("爱"));
        get<QPushButton>("Command1")->click();
        QVERIFY(ink(pad()) > 0);
        get<QRadioButton>("Option4")->click();
        QCOMPARE(ink(pad()), 0);
        QCOMPARE(ink(*get<CanvasView>("Picture1")->canvas()), 0);
        get<QRadioButton>("Option3")->click();
        QCOMPARE(get<QLineEdit>("Text2")->text(), QStringLiteral("爱"));
        QVERIFY(get<QLineEdit>("Text2")->isEnabled());
        QVERIFY(shrink->isEnabled());
        QCOMPARE(shrink->checkState(), Qt::Checked);
    }

    void copyPutsExactlyTheArt()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        auto *copy = get<QPushButton>("Command2");
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        get<QPushButton>("Command1")->click();
        get<QLineEdit>("Text3")->setFocus();
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), form->art());
        QVERIFY(form->art().endsWith(QStringLiteral("\r\n")));
        QCOMPARE(get<QPlainTextEdit>("Text1")->textCursor().selectedText().size(), 483 - 21);
        QCOMPARE(QApplication::focusWidget(), get<QLineEdit>("Text3"));
    }

    void exitKeepsOtherWindows()
    {
        get<QPushButton>("Command5")->click();
        frmAbout *about = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *a = qobject_cast<frmAbout *>(w))
                about = a;
        QVERIFY(about && about->isVisible());
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible());  // an access key clicks after a short press animation
        QVERIFY(about->isVisible());
        QCOMPARE(TestEnv::readAll(env->workFile(QStringLiteral("denglu.qbx"))), QByteArray(" 2 \r\n"));
        about->close();
    }
};

QTEST_MAIN(TestForm1Input)
#include "tst_form1_input.moc"
