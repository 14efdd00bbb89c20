// Bad input from files, folders and users: the program keeps working, says
// what the user must know in Chinese, and loses nothing.
#include "folderlist.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "frmabout.h"
#include "outputwindows.h"
#include "testenv.h"

#include <QBuffer>
#include <QtEndian>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
bool chinese(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

// A bitmap whose header claims 30000 × 30000 pixels, with none behind it.
QByteArray hugeBitmap()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&buffer, "BMP");
    qToLittleEndian<qint32>(30000, bytes.data() + 18);
    qToLittleEndian<qint32>(30000, bytes.data() + 22);
    return bytes;
}
}

class TestBadInput : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    FakeArt art;
    std::unique_ptr<OutputWindows> windows;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        art.text = QStringLiteral("■\r\n");
        windows = std::make_unique<OutputWindows>(&art);
    }
    void cleanup()
    {
        windows.reset();
        env.reset();
    }

    void rememberedFolder_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("folder that is gone") << QByteArray("/no/such/folder/\r\n");
        QTest::newRow("not a path") << QByteArray("\x01\x02 garbage \xFF\r\n");
        QTest::newRow("relative path") << QByteArray("Documents/\r\n");
        QTest::newRow("a megabyte line") << QByteArray(1 << 20, 'a');
    }

    void rememberedFolder()
    {
        QFETCH(QByteArray, line);
        QDir().mkpath(QFileInfo(env->workFile(QStringLiteral("qbx.ini"))).path());
        TestEnv::writeAll(env->workFile(QStringLiteral("qbx.ini")), line);
        windows->showSaveText();
        QCOMPARE(windows->saveWindow()->findChild<FolderList *>("Dir1")->path(), env->home());
        windows->showCombine();
        QCOMPARE(windows->combineWindow()->findChild<FolderList *>("Dir1")->path(), env->home());
    }

    void workingFolderUnwritable()
    {
        // A file where the working folder belongs: nothing can be written there, even as root.
        const QString folder = env->home() + QStringLiteral("/.local/share/Tessellon");
        QDir().mkpath(QFileInfo(folder).path());
        TestEnv::writeAll(folder, "keep me");
        Form1 form;
        form.show();
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        form.findChild<QPushButton *>("Command1")->click();
        Modal::press(QStringLiteral("确定"), &texts);
        QTest::mouseClick(form.findChild<QWidget *>("Picture3"), Qt::LeftButton);
        frmAbout about;
        about.show();
        Modal::press(QStringLiteral("确定"), &texts);
        about.findChild<QPushButton *>("Command1")->click();
        QCOMPARE(texts.size(), 3);
        for (const QString &text : texts)
            QVERIFY2(chinese(text), qPrintable(text));
        QVERIFY(texts[0].contains(QStringLiteral("qbx.jpg")));
        QVERIFY(env->opened().isEmpty());
        form.close();
        QCOMPARE(TestEnv::readAll(folder), QByteArray("keep me"));
    }

    void badPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QStringLiteral("empty.jpg") << QByteArray();
        QTest::newRow("truncated") << QStringLiteral("cut.jpg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12);
        QTest::newRow("not a picture") << QStringLiteral("text.bmp") << QByteArray("just some text");
        QTest::newRow("30000 x 30000") << QStringLiteral("huge.bmp") << hugeBitmap();
    }

    void badPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestEnv::writeAll(env->home() + QLatin1Char('/') + name, bytes);
        windows->showImageView();
        const QImage before = windows->existingImageView()->pictureArea().image();
        windows->showCombine();
        auto *files = windows->combineWindow()->findChild<QListWidget *>("File1");
        files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        windows->combineWindow()->findChild<QPushButton *>("Command1")->click();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains(name) && chinese(texts[0]));
        QVERIFY(windows->combineWindow()->isVisible());
        QCOMPARE(windows->existingImageView()->pictureArea().image(), before);
        QVERIFY(!QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
    }

    void megabytePastes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("refused");
        QTest::newRow("glyph text") << QStringLiteral("Text2") << false;
        QTest::newRow("foreground text") << QStringLiteral("Text4") << true;
        QTest::newRow("background text") << QStringLiteral("Text3") << true;
    }

    void megabytePastes()
    {
        QFETCH(QString, box);
        QFETCH(bool, refused);
        Form1 form;
        form.show();
        form.findChild<QPushButton *>("Command1")->click();
        const QString art = form.art();
        auto *edit = form.findChild<QLineEdit *>(box);
        QGuiApplication::clipboard()->setText(QString(1 << 20, QChar(0x9876)));
        edit->clear();
        edit->paste();
        QCOMPARE(edit->text().size(), 1 << 20);
        if (box == QStringLiteral("Text2"))
            form.findChild<QLineEdit *>("Text4")->setText(QStringLiteral("顶"));
        QStringList texts;
        if (refused)
            Modal::press(QStringLiteral("确定"), &texts);
        form.findChild<QPushButton *>("Command1")->click();
        if (refused) {
            QCOMPARE(texts.size(), 1);
            QVERIFY(chinese(texts[0]));
            QCOMPARE(form.art(), art);
        } else {
            QCOMPARE(form.art().count(QStringLiteral("\r\n")), 21);
            QVERIFY(form.art().contains(QStringLiteral("顶")));
        }
    }

    void saveIntoReadOnlyFolder()
    {
        windows->showSaveText();
        // Not even root may create files here.
        QVERIFY(windows->saveWindow()->findChild<FolderList *>("Dir1")->setPath(QStringLiteral("/proc")));
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        windows->saveWindow()->findChild<QPushButton *>("Command1")->click();
        QCOMPARE(texts.size(), 1);
        QVERIFY(chinese(texts[0]));
        QVERIFY(windows->saveWindow()->isVisible());
        QVERIFY(!QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
