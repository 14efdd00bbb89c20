// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The output windows: the image view's colours and printing, the save
// window's files, names and folders, and the picture combination, fed
// good input and bad.
#include "canvas.h"
#include "canvasview.h"
#include "colorcodes.h"
#include "folderlist.h"
#include "fonts.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "outputwindows.h"
#include "picturearea.h"
#include "testenv.h"
#include "textfile.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {
const QRgb Red = 0xFF0000, Blue = 0x0000FF, Magenta = 0xFF00FF, White = 0xFFFFFF;

QRgb at(const Canvas &area, int x, int y)
{
    return area.image().pixel(x, y) & 0xFFFFFF;
}

// A picture of two halves, left and right.
void writePicture(const QString &path, QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), left);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), right);
    painter.end();
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
    static const Canvas &area(Form3 *window = view())
    {
        return *window->findChild<CanvasView *>("Picture1")->canvas();
    }
    void press(QWidget *window, const char *button) { window->findChild<QPushButton *>(button)->click(); }
    void setColours(const QString &back, const QString &text)
    {
        Modal::prompt(back);
        Modal::prompt(text);
        press(view(), "Command2");
    }
    template <typename T> T *saveWidget(const char *name) { return saveWindow()->findChild<T *>(name); }
    void saveAs(const QString &name)
    {
        saveWidget<QLineEdit>("Text1")->setText(name);
        press(saveWindow(), "Command1");
    }
    QByteArray remembered() { return TestEnv::readAll(env->workFile(QStringLiteral("qbx.ini"))); }
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
        art.text = QStringLiteral("■■■■■■■■\r\n").repeated(21);
        windows = std::make_unique<OutputWindows>(&art);
    }
    void cleanup()
    {
        windows.reset();
        env.reset();
    }

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
        QTest::newRow("negative") << QStringLiteral("-1") << -1 << 0;
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
    }

    void imageViewPrintsInChosenColours()
    {
        windows->showImageView();
        QVERIFY(view()->isVisible());
        setColours(QStringLiteral("1"), QStringLiteral("6"));  // the defaults
        QVERIFY(TestEnv::count(area().image(), Magenta) > 100);
        QCOMPARE(at(area(), 258, 2), White);
        const int lines = area().textPosition().y();

        // 0 and 9 change nothing: the area stays and the text goes below.
        const QImage before = area().image();
        QStringList titles;
        Modal::prompt(QStringLiteral("0"), &titles);
        Modal::prompt(QStringLiteral("9"), &titles);
        press(view(), "Command2");
        QCOMPARE(titles, (QStringList{QStringLiteral("请设置图片背景色"), QStringLiteral("请设置文字颜色")}));
        QCOMPARE(area().image(), before);
        QCOMPARE(area().textPosition().y(), 2 * lines);

        // A valid background erases and prints from the top again; 7 is 4's blue.
        setColours(QStringLiteral("7"), QStringLiteral("abc"));
        QCOMPARE(at(area(), 258, 2), Blue);
        QVERIFY(TestEnv::count(area().image(), Magenta) > 100);
        QCOMPARE(area().textPosition().y(), lines);
    }

    void wholeArtInThePicture_data()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("printed") << QStringLiteral("printed");
        QTest::newRow("saved as JPEG") << QStringLiteral("saved");
        QTest::newRow("combined with a picture") << QStringLiteral("combined");
    }

    void wholeArtInThePicture()
    {
        QFETCH(QString, via);
        // 21 rows of 21 cells, with the tallest glyphs an art meets.
        art.text = (QStringLiteral("顶▓").repeated(10) + QStringLiteral("囧\r\n")).repeated(21);
        windows->showImageView();
        QRgb background = White;
        int tolerance = 0;
        if (via == QStringLiteral("combined")) {
            writePicture(env->home() + QStringLiteral("/black.bmp"), QSize(40, 40), Qt::black, Qt::black);
            combine(QStringLiteral("black.bmp"), QStringLiteral("1"));  // white text
            background = 0;
        } else {
            setColours(QStringLiteral("1"), QStringLiteral("6"));  // the defaults
        }
        QImage picture = area().image();
        if (via == QStringLiteral("saved")) {
            windows->showSavePicture();
            saveAs(QStringLiteral("art"));
            picture = QImage(env->home() + QStringLiteral("/art.jpg"));
            tolerance = 100;
        }
        const QList<QRect> rows = TestEnv::inkBands(picture, background, tolerance);
        QCOMPARE(rows.size(), 21);
        for (const QRect &row : rows) {
            QCOMPARE(row.height(), rows.first().height());
            // The 21st cell is whole, inside the right edge.
            QVERIFY(row.right() >= 20 * QFontMetrics(Fonts::pictureFont()).horizontalAdvance(QStringLiteral("囧")));
            QVERIFY(row.right() < picture.width() - 1);
        }
        QVERIFY(rows.first().top() > 0 && rows.last().bottom() < picture.height() - 1);
    }

    void secondPrintoutStartsBelowTheFirst()
    {
        art.text = QStringLiteral("顶▓\r\n");
        windows->showImageView();
        setColours(QStringLiteral("1"), QStringLiteral("6"));
        setColours(QStringLiteral("0"), QStringLiteral("6"));  // no new background: nothing erased
        const QList<QRect> rows = TestEnv::inkBands(area().image(), White);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].top() - rows[0].top(), 2 * Fonts::PictureLinePitch);  // an empty line between
    }

    void imageViewReopensEmpty()
    {
        windows->showImageView();
        Form3 *first = view();
        const QImage empty = area().image();
        setColours(QStringLiteral("8"), QStringLiteral("1"));
        windows->showImageView();
        QCOMPARE(view(), first);  // brought up with its picture
        QVERIFY(area().image() != empty);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(first, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!view());
        windows->showImageView();
        QCOMPARE(area().image(), empty);
    }

    void savesTextInGbkOrUtf8()
    {
        art.text = QStringLiteral("顶▓\r\n▓顶\r\n");
        windows->showSaveText();
        QCOMPARE(saveWindow()->windowTitle(), QStringLiteral("保存为TXT文本文件"));
        QCOMPARE(saveWidget<QLineEdit>("Text1")->text(), QStringLiteral("顶"));
        QCOMPARE(saveWidget<FolderList>("Dir1")->path(), env->home());
        press(saveWindow(), "Command1");
        const QString file = env->home() + QStringLiteral("/顶.txt");
        QCOMPARE(TestEnv::readAll(file), TextFile::encodeGbk(art.text) + "\r\n");
        QCOMPARE(env->opened(), QStringList{file});
        QTRY_VERIFY(!saveWindow());
        QCOMPARE(remembered(), (env->home() + QStringLiteral("/\r\n")).toUtf8());
        // An emoji has no GBK code: the file is UTF-8 with a byte-order mark.
        art.text = QStringLiteral("😀▓\r\n");
        windows->showSaveText();
        saveAs(QStringLiteral("emoji"));
        QCOMPARE(TestEnv::readAll(env->home() + QStringLiteral("/emoji.txt")),
                 QByteArray("\xEF\xBB\xBF") + (art.text + QStringLiteral("\r\n")).toUtf8());
    }

    void saveNamesAsTyped()
    {
        windows->showSaveText();
        saveAs(QStringLiteral("abc.txt"));
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/abc.txt.txt")));
        windows->showSaveText();
        saveAs(QString());
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/.txt")));
        windows->showSaveText();
        saveWidget<QLineEdit>("Text1")->setText(QStringLiteral("enter"));
        QTest::keyClick(saveWidget<QLineEdit>("Text1"), Qt::Key_Return);
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/enter.txt")));
    }

    void saveRefusesSeparatorsAndAsksBeforeReplacing()
    {
        windows->showSaveText();
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        saveAs(QStringLiteral("../escape"));
        QCOMPARE(texts.size(), 1);
        QVERIFY(!QFileInfo::exists(QFileInfo(env->home()).path() + QStringLiteral("/escape.txt")));
        const QString file = env->home() + QStringLiteral("/old.txt");
        TestEnv::writeAll(file, "old");
        Modal::press(QStringLiteral("否(&N)"));
        saveAs(QStringLiteral("old"));
        QCOMPARE(TestEnv::readAll(file), QByteArray("old"));
        Modal::press(QStringLiteral("是(&Y)"));
        saveAs(QStringLiteral("old"));
        QCOMPARE(TestEnv::readAll(file), TextFile::encodeGbk(art.text) + "\r\n");
    }

    void failedSaveKeepsWindowAndFolder()
    {
        windows->showSaveText();
        // Not even root may create files here.
        QVERIFY(saveWidget<FolderList>("Dir1")->setPath(QStringLiteral("/proc")));
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        saveAs(QStringLiteral("x"));
        QCOMPARE(texts.size(), 1);
        QVERIFY(TestEnv::chinese(texts[0]));
        QVERIFY(saveWindow()->isVisible());
        QVERIFY(remembered().isEmpty());
    }

    void badRememberedFolder_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("folder that is gone") << QByteArray("/no/such/folder/\r\n");
        QTest::newRow("not a path") << QByteArray("\x01\x02 garbage \xFF\r\n");
        QTest::newRow("relative path") << QByteArray("Documents/\r\n");
        QTest::newRow("a megabyte line") << QByteArray(1 << 20, 'a');
    }

    void badRememberedFolder()
    {
        QFETCH(QByteArray, line);
        QDir().mkpath(QFileInfo(env->workFile(QStringLiteral("qbx.ini"))).path());
        TestEnv::writeAll(env->workFile(QStringLiteral("qbx.ini")), line);
        windows->showSaveText();
        QCOMPARE(saveWidget<FolderList>("Dir1")->path(), env->home());
        windows->showCombine();
        QCOMPARE(combineWindow()->findChild<FolderList *>("Dir1")->path(), env->home());
    }

    void saveRemembersTheFolder()
    {
        const QString docs = env->home() + QStringLiteral("/文档");
        QDir().mkpath(docs);
        windows->showSaveText();
        saveWidget<FolderList>("Dir1")->setPath(docs);
        saveAs(QStringLiteral("a"));
        windows->showSaveText();
        QCOMPARE(saveWidget<FolderList>("Dir1")->path(), docs);
        press(saveWindow(), "Command2");  // 取消 writes nothing
        QTRY_VERIFY(!saveWindow());
    }

    void savesPictureByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("signature");
        const QByteArray jpeg("\xFF\xD8\xFF"), png("\x89PNG\r\n\x1A\n");
        QTest::newRow("a name: JPEG") << QStringLiteral("abc") << QStringLiteral("abc.jpg") << jpeg;
        QTest::newRow(".PNG: lossless") << QStringLiteral("a.PNG") << QStringLiteral("a.PNG") << png;
        QTest::newRow(".png not at the end") << QStringLiteral("a.png.txt") << QStringLiteral("a.png.txt.jpg") << jpeg;
    }

    void savesPictureByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QByteArray, signature);
        windows->showSavePicture();
        QCOMPARE(saveWindow()->windowTitle(), QStringLiteral("保存图像"));
        saveAs(name);
        // With no image view open, a hidden one is made and its empty area saved.
        QVERIFY(view() && !view()->isVisible());
        QCOMPARE(QDir(env->home()).entryList(QDir::Files), QStringList{file});
        const QString path = env->home() + QLatin1Char('/') + file;
        QVERIFY(TestEnv::readAll(path).startsWith(signature));
        QCOMPARE(QImageReader(path).read().size(), PictureArea::Size);
    }

    void copiesWhatASaveWrites()
    {
        windows->showImageView();
        setColours(QStringLiteral("2"), QStringLiteral("4"));
        auto *picture = view()->findChild<CanvasView *>("Picture1");
        QCOMPARE(picture->contextMenuPolicy(), Qt::ActionsContextMenu);
        const QList<QAction *> menu = picture->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), QStringLiteral("复制图片(&C)"));
        QCOMPARE(menu[1]->text(), QStringLiteral("保存图片(&S)…"));

        view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view()));
        QApplication::clipboard()->clear();
        QTest::keySequence(view(), QKeySequence::Copy);
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), PictureArea::Size);

        menu[1]->trigger();  // as 保存 does
        QCOMPARE(saveWindow()->windowTitle(), QStringLiteral("保存图像"));
        saveAs(QStringLiteral("a.png"));
        const QImage saved(env->home() + QStringLiteral("/a.png"));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(saved.pixel(260, 236) & 0xFFFFFF, Red);  // the area's own corner, no border
    }

    void dropsPictures_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("combines");
        QTest::newRow("a picture") << QStringList{QStringLiteral("wide.bmp")} << true;
        QTest::newRow("a text file") << QStringList{QStringLiteral("notes.txt")} << false;
        QTest::newRow("text file, then picture")
            << QStringList{QStringLiteral("notes.txt"), QStringLiteral("wide.bmp")} << true;
    }

    void dropsPictures()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, combines);
        writePicture(env->home() + QStringLiteral("/wide.bmp"), QSize(100, 50), Qt::red, Qt::blue);
        TestEnv::writeAll(env->home() + QStringLiteral("/notes.txt"), "text");
        art.text = QStringLiteral("■■■■\r\n");  // leaves the lower corners to the picture
        windows->showImageView();
        auto *picture = view()->findChild<CanvasView *>("Picture1");
        QVERIFY(picture->acceptDrops());
        const QImage before = area().image();
        auto enter = [picture](const QList<QUrl> &urls, QMimeData *data) {
            data->setUrls(urls);
            QDragEnterEvent event(QPoint(9, 9), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(picture, &event);
            return event.isAccepted();
        };
        QMimeData web, data;
        QVERIFY(!enter({QUrl(QStringLiteral("https://example.com/a.jpg"))}, &web));
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(env->home() + QLatin1Char('/') + file);
        QVERIFY(enter(urls, &data));

        QStringList texts;
        if (combines)  // accepts the offered answer
            Modal::answer([](QWidget *box) { qobject_cast<QDialog *>(box)->accept(); }, &texts);
        else
            Modal::press(QStringLiteral("确定"), &texts);
        QDropEvent drop(QPointF(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &drop);
        QTRY_COMPARE(texts.size(), 1);
        if (combines) {
            QCOMPARE(texts[0], QStringLiteral("请设置文字颜色"));
            QVERIFY(TestEnv::count(area().image(), White) > 100);  // the art, in white by default
            QCOMPARE(at(area(), 5, 230), Red);
            QCOMPARE(at(area(), 255, 5), Blue);
            QCOMPARE(at(area(), 255, 230), Blue);
            QCOMPARE(area().backgroundPicture(), area().image());  // flattened
        } else {
            QVERIFY(texts[0].contains(QStringLiteral("notes.txt")) && TestEnv::chinese(texts[0]));
            QCOMPARE(area().image(), before);
        }
        QVERIFY(remembered().isEmpty());  // no folder was chosen
    }

    void captionChoosesTheSaveMode()
    {
        windows->showSavePicture();
        windows->showSaveText();
        QCOMPARE(saveWindow()->windowTitle(), QStringLiteral("保存图像"));
        saveAs(QStringLiteral("kept"));
        QVERIFY(QFileInfo::exists(env->home() + QStringLiteral("/kept.jpg")));
        QTRY_VERIFY(!saveWindow());
        windows->showSaveText();
        windows->showSavePicture();
        QCOMPARE(saveWindow()->windowTitle(), QStringLiteral("保存图像"));
    }

    void combinesPictures()
    {
        writePicture(env->home() + QStringLiteral("/wide.bmp"), QSize(100, 50), Qt::red, Qt::blue);
        writePicture(env->home() + QStringLiteral("/PHOTO.JPG"), QSize(40, 40), Qt::black, Qt::black);
        TestEnv::writeAll(env->home() + QStringLiteral("/notes.txt"), "text");
        windows->showCombine();
        auto *files = combineWindow()->findChild<QListWidget *>("File1");
        QCOMPARE(files->count(), 2);  // pictures only, whatever the letter case
        QCOMPARE(files->item(0)->text(), QStringLiteral("PHOTO.JPG"));

        // The default answer prints white over the picture.
        combine(QStringLiteral("PHOTO.JPG"), QStringLiteral("1"));
        QTRY_VERIFY(!combineWindow());
        QVERIFY(TestEnv::count(area().image(), White) > 100);
        QCOMPARE(at(area(), 250, 230), 0u);
        QVERIFY(area().textPosition().y() > 200);  // flattening keeps the text position
        QCOMPARE(remembered(), (env->home() + QStringLiteral("/\r\n")).toUtf8());

        // A second picture replaces the first, stretched over the whole area.
        art.text.clear();
        combine(QStringLiteral("wide.bmp"), QStringLiteral("2.5"));  // no code: the colour stays
        QCOMPARE(at(area(), 5, 5), Red);
        QCOMPARE(at(area(), 5, 230), Red);
        QCOMPARE(at(area(), 255, 230), Blue);
        QVERIFY(area().foreColor() == QColor(Qt::white));

        // A later 设置 shows the combined picture again under a new printout.
        setColours(QStringLiteral("3"), QStringLiteral("8"));
        QCOMPARE(at(area(), 255, 230), Blue);
        QVERIFY(area().foreColor() == QColor(Qt::black));
    }

    void combinesIntoAHiddenViewAfterClose()
    {
        writePicture(env->home() + QStringLiteral("/wide.bmp"), QSize(100, 50), Qt::red, Qt::blue);
        windows->showImageView();
        view()->close();
        QTRY_VERIFY(!view());
        art.text.clear();
        combine(QStringLiteral("wide.bmp"), QStringLiteral("1"));
        Form3 *hidden = view();
        QVERIFY(hidden && !hidden->isVisible());
        windows->showImageView();
        QCOMPARE(view(), hidden);
        QCOMPARE(at(area(hidden), 5, 5), Red);
    }

    void gbkFileNamesAreListedAndCombined()
    {
        // Named in GBK bytes, as old archives unpack.
        writePicture(env->home() + QStringLiteral("/wide.bmp"), QSize(100, 50), Qt::red, Qt::blue);
        const QByteArray home = QFile::encodeName(env->home());
        QCOMPARE(::rename(home + "/wide.bmp", home + '/' + TextFile::encodeGbk(QStringLiteral("顶.bmp"))), 0);
        art.text.clear();
        windows->showImageView();
        combine(QStringLiteral("顶.bmp"), QStringLiteral("1"));
        QCOMPARE(at(area(), 5, 5), Red);
    }

    void badPictures_data()
    {
        QTest::addColumn<QString>("name");  // empty: nothing selected
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nothing selected") << QString() << QByteArray();
        QTest::newRow("empty") << QStringLiteral("empty.jpg") << QByteArray();
        QTest::newRow("truncated") << QStringLiteral("cut.jpg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12);
        QTest::newRow("not a picture") << QStringLiteral("text.bmp") << QByteArray("just some text");
        QTest::newRow("30000 x 30000") << QStringLiteral("huge.bmp") << TestEnv::pictureClaiming("BMP", 30000);
        QTest::newRow("progressive, 20000 x 20000") << QStringLiteral("bomb.jpg") << TestEnv::pictureClaiming("progressive", 20000);
    }

    void badPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (!name.isEmpty())
            TestEnv::writeAll(env->home() + QLatin1Char('/') + name, bytes);
        windows->showImageView();
        const QImage before = area().image();
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        combine(name, QStringLiteral("1"));
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].contains(name) && TestEnv::chinese(texts[0]));
        QVERIFY(combineWindow()->isVisible());
        QCOMPARE(area().image(), before);
        QVERIFY(remembered().isEmpty());
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
