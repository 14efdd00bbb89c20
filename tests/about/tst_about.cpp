// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The splash, the About window and the usage tips.
#include "desktop.h"
#include "form1.h"
#include "form2.h"
#include "frmabout.h"
#include "testenv.h"
#include "textfile.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void splashFillsTakesNoInputAndFinishes()
    {
        TestEnv env;
        Form2 splash;
        auto *bar = splash.findChild<QProgressBar *>("ProgressBar1");
        bool finished = false;
        connect(&splash, &Form2::finished, this, [&] { finished = !splash.isVisible() && bar->value() == bar->maximum(); });
        splash.Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        // Clicks, keys and a close request leave it filling.
        QTest::mouseClick(&splash, Qt::LeftButton);
        QTest::keyClick(&splash, Qt::Key_Escape);
        splash.close();
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(finished, 10000);
    }

    void aboutWindow()
    {
        TestEnv env;
        Form1 main;
        main.show();
        main.findChild<QPushButton *>("Command5")->click();
        frmAbout *about = TestEnv::window<frmAbout>();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(QApplication::focusWidget(), about->findChild<QWidget *>("cmdOK"));

        auto *more = about->findChild<QPushButton *>("Command1");
        more->click();
        more->click();
        const QString file = env.workFile(QStringLiteral("Tessellon的使用技巧.txt"));
        const QByteArray bytes = TestEnv::readAll(file);
        QCOMPARE(bytes.count("\r\n"), 10);
        QVERIFY(TextFile::decode(bytes).contains(QStringLiteral("“幼圆”＋“粗体”")));  // in the system's encoding
        // Where fonts go is where this system keeps them.
        const bool windows = QGuiApplication::platformName() == QStringLiteral("windows");
        QVERIFY(TextFile::decode(bytes).contains(windows ? QStringLiteral("复制到％windir％\\Windows\\Fonts即可")
                                                         : QStringLiteral("复制到~/.local/share/fonts 文件夹，再运行 fc-cache")));
        QCOMPARE(env.opened(), (QStringList{file, file}));
        QVERIFY(about->isVisible());

        // With no program to open it, a message names the file instead.
        Desktop::simulateNoOpener(true);
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        more->click();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains(QDir::toNativeSeparators(file)) && TestEnv::chinese(texts[0]));

        // Esc closes it like 确定.
        QPointer<frmAbout> gone = about;
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!gone);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
