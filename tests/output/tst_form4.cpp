// The save window: text and picture files, names, folders and failures.
#include "folderlist.h"
#include "form3.h"
#include "form4.h"
#include "outputwindows.h"
#include "testenv.h"
#include "textfile.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestForm4 : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    FakeArt art;
    std::unique_ptr<OutputWindows> windows;

    Form4 *window() { return windows->saveWindow(); }
    template <typename T> T *get(const char *name) { return window()->findChild<T *>(name); }
    void saveAs(const QString &name)
    {
        get<QLineEdit>("Text1")->setText(name);
        get<QPushButton>("Command1")->click();
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        art.text = QStringLiteral("顶▓\r\n▓顶\r\n");
        windows = std::make_unique<OutputWindows>(&art);
    }
    void cleanup()
    {
        windows.reset();
        env.reset();
    }

    void savesTextInGbk()
    {
        windows->showSaveText();
        QCOMPARE(window()->windowTitle(), QStringLiteral("保存为TXT文本文件"));
        QCOMPARE(get<QLineEdit>("Text1")->text(), QStringLiteral("顶"));
        QCOMPARE(get<FolderList>("Dir1")->path(), env->home());
        get<QPushButton>("Command1")->click();
        const QString file = env->home() + QStringLiteral("/顶.txt");
        QCOMPARE(TestEnv::readAll(file), TextFile::encodeGbk(art.text) + "\r\n");
        QCOMPARE(env->opened(), QStringList{file});
        QTRY_VERIFY(!window());
        QCOMPARE(TestEnv::readAll(env->workFile(QStringLiteral("qbx.ini"))), (env->home() + QStringLiteral("/\r\n")).toUtf8());
    }

    void keepsCharactersGbkCannotHold()
    {
        art.text = QStringLiteral("😀▓\r\n");
        windows->showSaveText();
        saveAs(QStringLiteral("emoji"));
        QCOMPARE(TestEnv::readAll(env->home() + QStringLiteral("/emoji.txt")),
                 QByteArray("\xEF\xBB\xBF") + (art.text + QStringLiteral("\r\n")).toUtf8());
    }

    void namesAsTyped()
    {
        windows->showSaveText();
        saveAs(QStringLiteral("abc.txt"));
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/abc.txt.txt")));
        windows->showSaveText();
        saveAs(QString());
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/.txt")));
        // Enter in the name box saves as the button does.
        windows->showSaveText();
        get<QLineEdit>("Text1")->setText(QStringLiteral("enter"));
        QTest::keyClick(get<QLineEdit>("Text1"), Qt::Key_Return);
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/enter.txt")));
    }

    void refusesSeparatorsAndAsksBeforeReplacing()
    {
        windows->showSaveText();
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        saveAs(QStringLiteral("../escape"));
        QCOMPARE(texts.size(), 1);
        QVERIFY(!QFileInfo::exists(QFileInfo(env->home()).path() + QStringLiteral("/escape.txt")));
        QVERIFY(window());

        const QString file = env->home() + QStringLiteral("/old.txt");
        TestEnv::writeAll(file, "old");
        Modal::press(QStringLiteral("否(&N)"), &texts);
        saveAs(QStringLiteral("old"));
        QCOMPARE(TestEnv::readAll(file), QByteArray("old"));
        QVERIFY(window());
        Modal::press(QStringLiteral("是(&Y)"), &texts);
        saveAs(QStringLiteral("old"));
        QCOMPARE(TestEnv::readAll(file), TextFile::encodeGbk(art.text) + "\r\n");
    }

    void failedSaveKeepsWindowAndFolder()
    {
        const QString gone = env->home() + QStringLiteral("/gone");
        QDir().mkpath(gone);
        windows->showSaveText();
        get<FolderList>("Dir1")->setPath(gone);
        QDir(gone).removeRecursively();
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        saveAs(QStringLiteral("x"));
        QCOMPARE(texts.size(), 1);
        QVERIFY(window() && window()->isVisible());
        QVERIFY(!QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
    }

    void remembersTheFolder()
    {
        const QString docs = env->home() + QStringLiteral("/文档");
        QDir().mkpath(docs);
        windows->showSaveText();
        get<FolderList>("Dir1")->setPath(docs);
        saveAs(QStringLiteral("a"));
        windows->showSaveText();
        QCOMPARE(get<FolderList>("Dir1")->path(), docs);
        get<QPushButton>("Command2")->click();  // 取消 writes nothing
        QTRY_VERIFY(!window());
        // A remembered folder that is gone falls back to home.
        QDir(docs).removeRecursively();
        windows->showSaveText();
        QCOMPARE(get<FolderList>("Dir1")->path(), env->home());
    }

    void savesPictureAsJpeg()
    {
        windows->showSavePicture();
        QCOMPARE(window()->windowTitle(), QStringLiteral("保存图像"));
        QVERIFY(!windows->existingImageView());
        saveAs(QStringLiteral("abc"));
        // With no image view open, a hidden one is made and its empty area saved.
        QVERIFY(windows->existingImageView() && !windows->existingImageView()->isVisible());
        const QString file = env->home() + QStringLiteral("/abc.jpg");
        QVERIFY(TestEnv::readAll(file).startsWith("\xFF\xD8\xFF"));
        QImageReader reader(file);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.read().size(), Form3::PictureSize);
    }

    void captionChoosesTheMode()
    {
        windows->showSavePicture();
        windows->showSaveText();
        QCOMPARE(window()->windowTitle(), QStringLiteral("保存图像"));
        window()->close();
        QTRY_VERIFY(!window());
        windows->showSaveText();
        windows->showSavePicture();
        QCOMPARE(window()->windowTitle(), QStringLiteral("保存图像"));
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
