// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The image view, the save window and the picture combination, fed good input and bad.
#include "canvasview.h"
#include "folderlist.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "outputwindows.h"
#include "specialfile.h"
#include "testenv.h"
#include "files.h"
#include "textfile.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QRgb Red = 0xFF0000, Blue = 0x0000FF, Magenta = 0xFF00FF, White = 0xFFFFFF;

QRgb at(const Canvas &area, int x, int y) { return area.image().pixel(x, y) & 0xFFFFFF; }

// A 100 × 50 picture of two halves, left and right.
void writePicture(const QString &path, QColor left, QColor right)
{
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(left);
    QPainter(&image).fillRect(50, 0, 50, 50, right);
    image.save(path, "BMP");
}
}

class TestOutput : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    FakeArt art;
    std::unique_ptr<OutputWindows> windows;

    static Form3 *view() { return TestEnv::window<Form3>(); }
    static Form4 *saveWindow() { return TestEnv::window<Form4>(); }
    static Form5 *combineWindow() { return TestEnv::window<Form5>(); }
    static const Canvas &area(Form3 *w = view()) { return *w->findChild<CanvasView *>("Picture1")->canvas(); }
    void press(QWidget *window, const char *button) { window->findChild<QPushButton *>(button)->click(); }
    void setColours(const QString &back, const QString &text)
    {
        Modal::prompt(back);
        Modal::prompt(text);
        press(view(), "Command2");
    }
    static FolderList *folder(QWidget *window) { return window->findChild<FolderList *>("Dir1"); }
    void saveAs(const QString &name)
    {
        saveWindow()->findChild<QLineEdit *>("Text1")->setText(name);
        press(saveWindow(), "Command1");
    }
    QByteArray remembered() { return TestEnv::readAll(env->workFile(u"qbx.ini"_s)); }
    void combine(const QString &name, const QString &answer)
    {
        windows->showCombine();
        auto *files = combineWindow()->findChild<QListWidget *>("File1");
        files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
        Modal::prompt(answer);
        press(combineWindow(), "Command1");
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        art.text = u"■■■■■■■■\r\n"_s.repeated(21);
        windows = std::make_unique<OutputWindows>(&art);
    }
    void cleanup() { windows.reset(); env.reset(); }

    void imageViewPrintsInChosenColours()
    {
        art.text = u"顶▓\r\n"_s;
        windows->showImageView();
        setColours(u"1"_s, u"6"_s);  // the defaults
        const int ink = TestEnv::count(area().image(), Magenta);
        QVERIFY(ink > 50);

        // 0 and 9 change nothing: nothing is erased and the text is printed again below.
        setColours(u"0"_s, u"9"_s);
        QCOMPARE(TestEnv::count(area().image(), Magenta), 2 * ink);
        const int top = TestEnv::inkBands(area().image(), White).first().top();

        // A valid background erases and prints from the top again. 3.5 rounds to 4 (blue).
        setColours(u"3.5"_s, u"abc"_s);
        QCOMPARE(TestEnv::count(area().image(), Magenta), ink);
        QCOMPARE(TestEnv::inkBands(area().image(), Blue).first().top(), top);
    }

    void savesTextAndRemembersTheFolder()
    {
        art.text = u"顶▓\r\n▓顶\r\n"_s;
        const QString docs = env->home() + u"/文档"_s;
        QDir().mkpath(docs);
        windows->showSaveText();
        folder(saveWindow())->setPath(docs);
        press(saveWindow(), "Command1");  // named after the glyph
        const QString file = docs + u"/顶.txt"_s;
        const QByteArray first = TextFile::encode(art.text + u"\r\n"_s);  // the system's encoding
        QCOMPARE(TestEnv::readAll(file), first);
        QCOMPARE(env->opened(), QStringList{file});
        QTRY_VERIFY(!saveWindow());
        QCOMPARE(remembered(), TextFile::encode(docs + u"/\r\n"_s));

        // A name that would leave the folder is refused with a message; the window stays.
        art.text = u"😀▓\r\n"_s;
        windows->showSaveText();
        QCOMPARE(folder(saveWindow())->path(), docs);
        QStringList texts;
        Modal::press(u"确定"_s, &texts);
        saveAs(u"../escape"_s);
        QVERIFY(!QFileInfo::exists(env->home() + u"/escape.txt"_s));
        QVERIFY(texts.size() == 1 && TestEnv::chinese(texts[0]));
        QVERIFY(saveWindow()->isVisible());

        // Saved again under the same name: replaced only when the user agrees, and Enter saves as the button does.
        saveWindow()->findChild<QLineEdit *>("Text1")->setText(u"顶"_s);
        Modal::press(u"否(&N)"_s);
        press(saveWindow(), "Command1");
        QCOMPARE(TestEnv::readAll(file), first);
        Modal::press(u"是(&Y)"_s);
        QTest::keyClick(saveWindow()->findChild<QLineEdit *>("Text1"), Qt::Key_Return);
        QCOMPARE(TestEnv::readAll(file), TextFile::encode(art.text + u"\r\n"_s));  // UTF-8 where the code page lacks 😀
    }

    void savesUnderTheTypedName_data()
    {
        QTest::addColumn<QString>("openers");  // the windows that open it, in order
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("signature");
        const QByteArray jpeg("\xFF\xD8\xFF"), png("\x89PNG\r\n\x1A\n");
        QTest::newRow("text: bare") << "main" << "abc" << "abc.txt" << QByteArray();
        QTest::newRow("text: .TXT") << "main" << "ABC.TXT" << "ABC.TXT" << QByteArray();
        QTest::newRow("picture: bare") << "view" << "abc" << "abc.jpg" << jpeg;
        QTest::newRow("picture mode kept: .PNG") << "view main" << "a.PNG" << "a.PNG" << png;
        QTest::newRow("picture mode set: .png inside") << "main view" << "a.png.txt" << "a.png.txt.jpg" << jpeg;
        QTest::newRow("SVG mode kept: .SVG") << "svg main" << "a.SVG" << "a.SVG" << QByteArray("<?xml");
        QTest::newRow("SVG mode set: .png") << "view svg" << "a.png" << "a.png.svg" << QByteArray("<?xml");
        if (Files::separators() == u"/"_s)  // a plain name where only '/' parts folders
            QTest::newRow("text: backslash") << "main" << "a\\b" << "a\\b.txt" << QByteArray();
    }

    void savesUnderTheTypedName()
    {
        QFETCH(QString, openers);
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QByteArray, signature);
        for (const QString &opener : openers.split(u' '))
            opener == u"view"_s ? windows->showSavePicture()
                                : (opener == u"svg"_s ? windows->showSaveSvg() : windows->showSaveText());
        saveAs(name);
        QCOMPARE(QDir(env->home()).entryList(QDir::Files | QDir::Hidden), QStringList{file});
        const QString path = env->home() + u'/' + file;
        QVERIFY(TestEnv::readAll(path).startsWith(signature));
        // With no image view open, a picture is saved from a hidden one.
        QVERIFY(signature.isEmpty() || (view() && !view()->isVisible()));
    }

    // The file as this or an earlier version wrote it; the window opens in the folder it names, or at home.
    void rememberedFolder_data()
    {
        QTest::addColumn<QByteArray>("line");  // after the home folder's name
        QTest::addColumn<QString>("opened");   // under the home folder
        QTest::newRow("gone") << QByteArray("/no/such/folder/") << QString();
        QTest::newRow("GBK bytes that are also UTF-8") << QByteArray("/\xCD\xBC\xC6\xAC/") << u"/图片/"_s;
        QTest::newRow("UTF-8 that GBK reads too") << QByteArray("/\xE5\x9B\xBE\xE7\x89\x87/") << u"/图片/"_s;
    }

    void rememberedFolder()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, opened);
        QDir(env->home()).mkdir(u"图片"_s);
        QDir().mkpath(QFileInfo(env->workFile(u"qbx.ini"_s)).path());
        const QByteArray home = line.startsWith("/no/") ? QByteArray() : QFile::encodeName(env->home());
        TestEnv::writeAll(env->workFile(u"qbx.ini"_s), home + line + "\r\n");
        windows->showCombine();
        QCOMPARE(QDir(folder(combineWindow())->path()), QDir(env->home() + opened));
    }

    void copiesWhatASaveWrites()
    {
        windows->showImageView();
        setColours(u"2.5"_s, u"7"_s);  // 2.5 rounds to 2 (red), 7 is 4's blue
        const QList<QAction *> menu = view()->findChild<CanvasView *>("Picture1")->actions();  // copy, save

        windows->showImageView();
        view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view()));
        QTest::keySequence(view(), QKeySequence::Copy);
        const QImage copied = QApplication::clipboard()->image();
        QVERIFY(TestEnv::count(copied, Blue) > 100);

        menu[1]->trigger();  // as 保存 does
        saveAs(u"a.png"_s);
        const QImage saved(env->home() + u"/a.png"_s);
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
    }

    void dropsPictures()
    {
        writePicture(env->home() + u"/wide.bmp"_s, Qt::red, Qt::blue);
        TestEnv::writeAll(env->home() + u"/notes.txt"_s, "text");
        art.text = u"■■■■\r\n"_s;  // leaves the lower corners to the picture
        windows->showImageView();
        auto *picture = view()->findChild<CanvasView *>("Picture1");
        QVERIFY(!TestEnv::drop(picture, {QUrl(u"https://example.com/a.jpg"_s)}));
        // The first file that is a picture is combined as the combination window does.
        QStringList texts;
        Modal::prompt(u"1"_s, &texts);
        const QUrl notes = QUrl::fromLocalFile(env->home() + u"/notes.txt"_s);
        QVERIFY(TestEnv::drop(picture, {notes, QUrl::fromLocalFile(env->home() + u"/wide.bmp"_s)}));
        QTRY_COMPARE(texts.size(), 1);
        QCOMPARE(at(area(), 5, 230), Red);
        QVERIFY(remembered().isEmpty());  // no folder was chosen
    }

    void combinesPictures()
    {
        writePicture(env->home() + u"/wide.bmp"_s, Qt::red, Qt::blue);
        writePicture(env->home() + u"/PHOTO.JPG"_s, Qt::black, Qt::black);
        for (const char *name : {"notes.txt", "b.png", "C.WEBP", "d.svg", "e.Jpeg"})
            TestEnv::writeAll(env->home() + u'/' + QString::fromLatin1(name), "");
        windows->showCombine();
        // Every picture the program reads, in any letter case, in the folder's order.
        QStringList listed;
        for (const auto *item : combineWindow()->findChild<QListWidget *>("File1")->findItems(u"*"_s, Qt::MatchWildcard))
            listed << item->text();
        QStringList expected = {"b.png", "C.WEBP", "e.Jpeg", "PHOTO.JPG", "wide.bmp"};
        if (!QImageReader::supportedImageFormats().contains("webp"))
            expected.removeOne("C.WEBP");
        QCOMPARE(listed, expected);

        combine(u"PHOTO.JPG"_s, u"1.0"_s);  // 1, white
        QTRY_VERIFY(!combineWindow());
        QVERIFY(TestEnv::count(area().image(), White) > 100);
        QCOMPARE(TestEnv::inkBands(area().image(), 0).size(), 21);  // the whole art over the picture
        QCOMPARE(area().backgroundPicture(), area().image());  // flattened, keeping the text position
        QCOMPARE(remembered(), (env->home() + u"/\r\n"_s).toUtf8());

        // A second picture replaces the first, stretched over the whole area.
        art.text.clear();
        combine(u"wide.bmp"_s, u"2.5"_s);  // no code: the colour stays
        QCOMPARE(at(area(), 5, 230), Red);
        QCOMPARE(at(area(), 255, 230), Blue);
        QVERIFY(area().foreColor() == QColor(Qt::white));

        // A later 设置 shows the combined picture again under a new printout.
        setColours(u"3"_s, u"8"_s);
        QCOMPARE(at(area(), 255, 230), Blue);
    }

    // Names the system or the program refuses: the system's reason, before anything is written.
    void refusedNames_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("picture over the snapshot") << true << "qbx" << "工作文件";
        QTest::newRow("too long") << false << QString(300, u'a') << QString();  // the system's reason
    }

    void refusedNames()
    {
        QFETCH(bool, picture);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString work = QFileInfo(env->workFile(u"qbx.ini"_s)).path();
        QDir().mkpath(work);
        if (reason.isEmpty())
            reason = *Files::checkName(Files::native(work + u'/' + name + u".txt"_s));
        TestEnv::writeAll(env->workFile(u"qbx.jpg"_s), "snapshot");
        picture ? windows->showSavePicture() : windows->showSaveText();
        folder(saveWindow())->setPath(work);
        QStringList texts;
        Modal::press(u"确定"_s, &texts);
        saveAs(name);
        QVERIFY2(texts.size() == 1 && texts[0].contains(reason), qPrintable(texts.join(u'\n')));
        QCOMPARE(QDir(work).entryList(QDir::Files | QDir::Hidden), QStringList{u"qbx.jpg"_s});
        QCOMPARE(TestEnv::readAll(env->workFile(u"qbx.jpg"_s)), QByteArray("snapshot"));
        QVERIFY(saveWindow()->isVisible());
    }

    // A folder and a picture named in GBK bytes, as old archives unpack. The folder is entered in both
    // windows, listed and saved into under its own bytes; the picture is read by its bytes, dropped from
    // a file manager (which sends them percent-encoded) and combined into a view closed before.
    void gbkNames()
    {
        const QByteArray folderBytes = QFile::encodeName(env->home()) + '/' + QStringEncoder("GBK").encode(u"文档"_s);
        const QByteArray picture = folderBytes + '/' + QStringEncoder("GBK").encode(u"顶.bmp"_s);
        if (!SpecialFile::makeFolder(folderBytes))
            QSKIP("names are Unicode on Windows, never GBK bytes");
        writePicture(env->home() + u"/wide.bmp"_s, Qt::red, Qt::blue);
        QCOMPARE(::rename(QFile::encodeName(env->home() + u"/wide.bmp"_s), picture), 0);
        auto enter = [this](QWidget *window) {
            FolderList *list = folder(window);
            const QList<QTreeWidgetItem *> found = list->findItems(u"文档"_s, Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(found.size(), 1);
            emit list->itemActivated(found[0], 0);
            QCOMPARE(list->path(), env->home() + u"/文档"_s);  // shown decoded
        };
        art.text = u"■■■■\r\n"_s;  // leaves the lower corners to the picture
        windows->showImageView();
        Modal::prompt(u"1"_s);
        QVERIFY(TestEnv::drop(view()->findChild<CanvasView *>("Picture1"),
                              {QUrl::fromEncoded("file://" + picture.toPercentEncoding("/"))}));
        QTRY_COMPARE(at(area(), 5, 230), Red);
        view()->close();
        QTRY_VERIFY(!view());
        windows->showCombine();
        enter(combineWindow());
        QCOMPARE(folder(combineWindow())->nativePath(), folderBytes);
        combine(u"顶.bmp"_s, u"1"_s);
        QTRY_VERIFY(!combineWindow());  // read: a picture that cannot be read keeps the window open
        QCOMPARE(at(area(), 5, 230), Red);

        windows->showSaveText();
        enter(saveWindow());
        saveAs(u"顶"_s);
        QTRY_VERIFY(!saveWindow());
        QFile saved;
        QVERIFY(Files::openRegular(saved, folderBytes + QFile::encodeName(u"/顶.txt"_s), Files::Links::Refuse));
        QCOMPARE(saved.readAll(), TextFile::encode(art.text + u"\r\n"_s));
        QVERIFY(remembered().isEmpty());  // a name that would be read back as another folder is not kept
        // The temporary folder cannot remove names that are not UTF-8.
        ::unlink(picture.constData());
        ::unlink(folderBytes + "/\xE9\xA1\xB6.txt");
        ::rmdir(folderBytes.constData());
    }

    void badPictures_data()
    {
        QTest::addColumn<QString>("name");  // empty: nothing selected
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nothing selected") << "" << QByteArray();
        QTest::newRow("truncated") << "cut.jpg" << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12);
    }

    void badPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (!name.isEmpty())
            TestEnv::writeAll(env->home() + u'/' + name, bytes);
        windows->showImageView();
        const QImage before = area().image();
        QStringList texts;
        Modal::press(u"确定"_s, &texts);
        combine(name, u"1"_s);
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains(name) && TestEnv::chinese(texts[0]));
        QVERIFY(combineWindow()->isVisible());
        QCOMPARE(area().image(), before);
        QVERIFY(remembered().isEmpty());
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
