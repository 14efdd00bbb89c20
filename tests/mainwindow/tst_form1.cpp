// The main window's layout, start-up and shutdown, and composition.
#include "canvasview.h"
#include "form1.h"
#include "testenv.h"
#include "textfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void countFile_data()
    {
        QTest::addColumn<QByteArray>("before");  // "-" for no file
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("atStart");
        QTest::addColumn<QByteArray>("afterExit");
        QTest::newRow("first start") << QByteArray("-") << QStringLiteral("1") << QByteArray(" 1 \r\n") << QByteArray(" 2 \r\n");
        QTest::newRow("second start") << QByteArray(" 2 \r\n") << QStringLiteral(" 2 ") << QByteArray(" 2 \r\n") << QByteArray(" 3 \r\n");
        QTest::newRow("empty file") << QByteArray() << QString() << QByteArray() << QByteArray(" 1 \r\n");
        QTest::newRow("not a number") << QByteArray("abc\r\n") << QStringLiteral("abc") << QByteArray("abc\r\n") << QByteArray(" 1 \r\n");
        QTest::newRow("binary garbage") << QByteArray("\x01\xFF\x00\x80", 4) << QString() << QByteArray("\x01\xFF\x00\x80", 4) << QByteArray(" 1 \r\n");
        QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '7') << QString() << QByteArray(1 << 20, '7') << QByteArray(" 1 \r\n");
    }

    void countFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, shown);
        QFETCH(QByteArray, atStart);
        QFETCH(QByteArray, afterExit);
        TestEnv env;
        const QString file = env.workFile(QStringLiteral("denglu.qbx"));
        if (before != "-") {
            QDir().mkpath(QFileInfo(file).path());
            TestEnv::writeAll(file, before);
        }
        {
            Form1 form;
            const QString title = form.windowTitle();
            QVERIFY(title.startsWith(QStringLiteral("Tessellon加强版    这是您第")));
            QVERIFY(title.endsWith(QStringLiteral("次使用本软件！")));
            if (!shown.isNull() || before.isEmpty())
                QCOMPARE(title, QStringLiteral("Tessellon加强版    这是您第") + shown + QStringLiteral("次使用本软件！"));
            QVERIFY(title.size() < 100);
            QCOMPARE(TestEnv::readAll(file), atStart);
            form.close();
        }
        QCOMPARE(TestEnv::readAll(file), afterExit);
    }

    void shutdownRemovesWorkingFiles()
    {
        TestEnv env;
        Form1 form;
        const QStringList names{QStringLiteral("qbx.jpg"), QStringLiteral("liebiao.txt"), QStringLiteral("qbx.ini"),
                                QStringLiteral("Tessellon的使用技巧.txt")};
        for (const QString &name : names)
            TestEnv::writeAll(env.workFile(name), "x");
        form.close();
        for (const QString &name : names)
            QVERIFY2(!QFileInfo::exists(env.workFile(name)), qPrintable(name));
        QCOMPARE(TestEnv::readAll(env.workFile(QStringLiteral("denglu.qbx"))), QByteArray(" 2 \r\n"));
        form.close();  // a second close stores nothing more
        QCOMPARE(TestEnv::readAll(env.workFile(QStringLiteral("denglu.qbx"))), QByteArray(" 2 \r\n"));
    }

    void layout()
    {
        TestEnv env;
        Form1 form;
        QCOMPARE(form.size(), QSize(511, 274));
        const auto geometry = [&form](const char *name) { return form.findChild<QWidget *>(name)->geometry(); };
        QCOMPARE(geometry("Command1"), QRect(280, 200, 65, 25));
        QCOMPARE(geometry("Command6"), QRect(440, 240, 65, 25));
        QCOMPARE(geometry("Picture2"), QRect(104, 16, 113, 113));
        QCOMPARE(geometry("Picture1"), QRect(192, 152, 22, 22));
        QCOMPARE(geometry("Text1"), QRect(0, 0, 273, 273));
        QCOMPARE(form.findChild<QWidget *>("Picture2")->parentWidget()->objectName(), QStringLiteral("Frame1"));
        QCOMPARE(form.findChild<QWidget *>("Option4")->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(form.findChild<QPushButton *>("Command4")->toolTip(), QStringLiteral("制作jpg图像文件"));
        QCOMPARE(form.findChild<QComboBox *>("Combo1")->currentText(), QStringLiteral("幼圆"));
        QVERIFY(form.findChild<QComboBox *>("Combo1")->count() > 0);
        QCOMPARE(form.findChild<QLineEdit *>("Text3")->text(), QStringLiteral("▓"));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.findChild<QWidget *>("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.findChild<QWidget *>("Command1"));
    }

    void composes()
    {
        TestEnv env;
        Form1 form;
        auto *bar = form.findChild<QProgressBar *>("ProgressBar1");
        form.findChild<QPushButton *>("Command1")->click();
        const QString art = form.art();
        QCOMPARE(art.size(), 483);
        QCOMPARE(art.count(QStringLiteral("\r\n")), 21);
        QVERIFY(art.endsWith(QStringLiteral("▓▓\r\n")));
        QVERIFY(art.contains(QStringLiteral("顶")));
        QCOMPARE(bar->value(), 20);
        QVERIFY(QFileInfo::exists(env.workFile(QStringLiteral("qbx.jpg"))));
    }

    void checkBoxesCountOnlyWhenTicked()
    {
        TestEnv env;
        Form1 form;
        auto *compose = form.findChild<QPushButton *>("Command1");
        auto *bold = form.findChild<QCheckBox *>("Check2");
        auto *shrink = form.findChild<QCheckBox *>("Check1");
        compose->click();
        const QString boldArt = form.art();
        bold->setCheckState(Qt::Unchecked);
        compose->click();
        const QString regularArt = form.art();
        QVERIFY(boldArt != regularArt);
        bold->setCheckState(Qt::PartiallyChecked);
        compose->click();
        QCOMPARE(form.art(), regularArt);
        shrink->setCheckState(Qt::Checked);
        compose->click();
        QVERIFY(form.art() != regularArt);
        shrink->setCheckState(Qt::PartiallyChecked);
        compose->click();
        QCOMPARE(form.art(), regularArt);
    }

    void workFileFailureKeepsArt()
    {
        TestEnv env;
        Form1 form;
        form.findChild<QPushButton *>("Command1")->click();
        const QString art = form.art();
        // A folder in the working file's place: it cannot be written, even as root.
        QFile::remove(env.workFile(QStringLiteral("qbx.jpg")));
        QDir().mkpath(env.workFile(QStringLiteral("qbx.jpg")));
        form.findChild<QLineEdit *>("Text2")->setText(QStringLiteral("一"));
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        form.findChild<QPushButton *>("Command1")->click();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("qbx.jpg")), qPrintable(texts[0]));
        QCOMPARE(form.art(), art);
        // The window goes on working once the file can be written again.
        QDir().rmdir(env.workFile(QStringLiteral("qbx.jpg")));
        form.findChild<QPushButton *>("Command1")->click();
        QVERIFY(form.art() != art);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
