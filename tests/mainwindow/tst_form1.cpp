// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: start-up and shutdown, layout, composition, the input
// boxes, the special-character list, the drawing pad, copy and exit; with
// bad count files, an unwritable working folder and huge pastes.
#include "canvas.h"
#include "canvasview.h"
#include "folderlist.h"
#include "fonts.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "gridgeometry.h"
#include "specialchars.h"
#include "testenv.h"
#include "textfile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QHash>
#include <QMimeData>
#include <QPainter>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

namespace {
// Widget position of the grid point (c, r) on the large canvas.
QPoint gridPoint(qreal c, qreal r)
{
    const GridGeometry geometry;
    const qreal pixelsPerUnit = geometry.largePixels() / geometry.units();
    return QPoint(1 + int(c * pixelsPerUnit), 1 + int(r * pixelsPerUnit));
}
}

class TestForm1 : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<Form1> form;
    template <typename T = QWidget> T *get(const char *name) { return form->findChild<T *>(name); }
    void click(const char *button) { get<QAbstractButton>(button)->click(); }
    int ink(const char *canvas) { return TestEnv::count(get<CanvasView>(canvas)->canvas()->image(), 0); }
    QByteArray count() { return TestEnv::readAll(env->workFile(QStringLiteral("denglu.qbx"))); }
    QImage pad() { return get<CanvasView>("Picture2")->canvas()->image(); }
    // The art's rows with '#' for the foreground text and '.' for the background.
    QStringList artRows()
    {
        return form->art().replace(QStringLiteral("顶"), QStringLiteral("#")).replace(QStringLiteral("▓"), QStringLiteral("."))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    // A file dropped from a file manager: enter, move, drop, then the deferred handling.
    void drop(const QString &path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QDragMoveEvent move(QPoint(50, 50), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        for (QEvent *event : std::initializer_list<QEvent *>{&enter, &move, &dropped})
            QVERIFY(QApplication::sendEvent(get("Picture2"), event) && event->isAccepted());
        QCoreApplication::processEvents();
    }
    // A slow stroke along row r from column c0 to c1.
    void stroke(qreal c0, qreal c1, qreal r)
    {
        auto *pad = get<CanvasView>("Picture2");
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(c0, r));
        for (qreal c = c0; c <= c1; c += 0.25)
            QTest::mouseMove(pad, gridPoint(c, r));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, gridPoint(c1, r));
    }
    // A black disk 200 pixels across on a transparent square, as PNG.
    static void writeDisk(const QString &path)
    {
        QImage disk(200, 200, QImage::Format_ARGB32);
        disk.fill(Qt::transparent);
        QPainter painter(&disk);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::black);
        painter.drawEllipse(disk.rect());
        painter.end();
        QVERIFY(disk.save(path));
    }

    // Does what a user does to write the named file: a working file, or 顶.txt
    // and 顶.jpg saved into the working folder. The texts of the messages.
    QStringList userWrites(const QString &name)
    {
        const QString folder = QFileInfo(env->workFile(name)).path();
        if (name.startsWith(QStringLiteral("顶")))
            Modal::press(QStringLiteral("是(&Y)"));  // replace the old file
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        if (name == QStringLiteral("qbx.jpg")) {
            click("Command1");
        } else if (name == QStringLiteral("liebiao.txt")) {
            QTest::mouseClick(get("Picture3"), Qt::LeftButton);
        } else if (name == QStringLiteral("denglu.qbx")) {
            form = std::make_unique<Form1>();  // starts on what is there
            form->close();
        } else if (name.startsWith(QStringLiteral("Tessellon"))) {
            click("Command5");
            auto *about = TestEnv::window<frmAbout>();
            about->findChild<QPushButton *>("Command1")->click();
            about->close();
        } else {
            if (name.endsWith(QStringLiteral(".jpg"))) {
                click("Command4");
                TestEnv::window<Form3>()->findChild<QPushButton *>("Command1")->click();
            } else {
                click("Command3");
            }
            auto *save = TestEnv::window<Form4>();
            save->findChild<FolderList *>("Dir1")->setPath(name == QStringLiteral("qbx.ini") ? env->home() : folder);
            save->findChild<QPushButton *>("Command1")->click();
        }
        Modal::clear();
        return texts;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        form.reset();
        env.reset();
    }

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
        // The fixture's window made way for a start on this count file.
        form.reset();
        const QString file = env->workFile(QStringLiteral("denglu.qbx"));
        QFile::remove(file);
        if (before != "-")
            TestEnv::writeAll(file, before);
        form = std::make_unique<Form1>();
        const QString title = form->windowTitle();
        QVERIFY(title.startsWith(QStringLiteral("Tessellon加强版    这是您第")));
        QVERIFY(title.endsWith(QStringLiteral("次使用本软件！")));
        if (!shown.isNull() || before.isEmpty())
            QCOMPARE(title, QStringLiteral("Tessellon加强版    这是您第") + shown + QStringLiteral("次使用本软件！"));
        QVERIFY(title.size() < 100);
        QCOMPARE(TestEnv::readAll(file), atStart);
        form->close();
        QCOMPARE(TestEnv::readAll(file), afterExit);
    }

    void shutdownRemovesWorkingFiles()
    {
        const QStringList names{QStringLiteral("qbx.jpg"), QStringLiteral("liebiao.txt"), QStringLiteral("qbx.ini"),
                                QStringLiteral("Tessellon的使用技巧.txt")};
        for (const QString &name : names)
            TestEnv::writeAll(env->workFile(name), "x");
        form->close();
        for (const QString &name : names)
            QVERIFY2(!QFileInfo::exists(env->workFile(name)), qPrintable(name));
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
        form->close();  // a second close stores nothing more
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
    }

    void fullDisk_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"qbx.jpg", "liebiao.txt", "Tessellon的使用技巧.txt", "denglu.qbx", "qbx.ini", "顶.txt", "顶.jpg"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }

    void fullDisk()
    {
        QFETCH(QString, name);
        const QByteArray old(" 10 \r\n");
        const QString folder = QFileInfo(env->workFile(name)).path();
        FullDisk full(folder, {{name, old}});
        const QStringList texts = userWrites(name);
        QCOMPARE(TestEnv::readAll(folder + QLatin1Char('/') + name), old);
        QCOMPARE(texts.size(), 1);
        QVERIFY2(TestEnv::chinese(texts[0]) && texts[0].contains(qt_error_string(ENOSPC)), qPrintable(texts[0]));
        QVERIFY(!env->opened().contains(folder + QLatin1Char('/') + name));
        // No temporary file is left behind.
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(name).size(), 1);
    }

    void notARegularFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        for (const char *name : {"denglu.qbx", "qbx.jpg", "liebiao.txt", "Tessellon的使用技巧.txt", "qbx.ini"})
            for (int kind : {S_IFLNK, S_IFIFO, S_IFDIR})
                QTest::addRow("%s %s", kind == S_IFLNK ? "link" : kind == S_IFIFO ? "FIFO" : "folder", name)
                    << QString::fromUtf8(name) << kind;
    }

    void notARegularFile()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        const QString path = env->workFile(name), target = env->home() + QStringLiteral("/target");
        QFile::remove(path);
        TestEnv::writeAll(target, "target");
        if (kind == S_IFLNK)
            QVERIFY(QFile::link(target, path));
        else if (kind == S_IFIFO)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(path));
        // Never blocks, never follows: one message and the program goes on.
        const QStringList texts = userWrites(name);
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("不是普通文件")), qPrintable(texts[0]));
        struct stat st{};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & S_IFMT), kind);
        QCOMPARE(TestEnv::readAll(target), QByteArray("target"));
        QVERIFY(!env->opened().contains(path));
        if (name != QStringLiteral("qbx.jpg")) {
            click("Command1");  // the window still works
            QCOMPARE(form->art().count(QStringLiteral("\r\n")), 21);
        }
    }

    void twoRunsBothCount()
    {
        TestEnv::writeAll(env->workFile(QStringLiteral("denglu.qbx")), " 10 \r\n");
        Form1 first, second;
        first.close();
        second.close();
        QCOMPARE(count(), QByteArray(" 12 \r\n"));
        QVERIFY(second.windowTitle().contains(QStringLiteral("第 10 次")));
    }

    void workingFilesGoWithTheLastWindow()
    {
        click("Command4");
        auto *view = TestEnv::window<Form3>();
        form->close();
        // Saving a picture after the main window closed remembers the folder again.
        view->findChild<QPushButton *>("Command1")->click();
        TestEnv::window<Form4>()->findChild<QPushButton *>("Command1")->click();
        QVERIFY(QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
        view->close();
        form.reset();  // the program ends
        QVERIFY(!QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
    }

    void layout()
    {
        QCOMPARE(get("Picture2")->parentWidget(), get("Frame1"));
        QCOMPARE(get("Option4")->parentWidget(), get("Frame2"));
        QCOMPARE(QApplication::focusWidget(), get("Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), get("Command1"));
    }

    void composesWithTheCheckBoxes()
    {
        click("Command1");
        const QString boldArt = form->art();
        QCOMPARE(boldArt.size(), 483);
        QCOMPARE(boldArt.count(QStringLiteral("\r\n")), 21);
        QVERIFY(boldArt.contains(QStringLiteral("顶▓")));
        QCOMPARE(get<QProgressBar>("ProgressBar1")->value(), 20);
        // Only the value 1 counts as ticked: greyed (2) is not bold, not shrunk.
        get<QCheckBox>("Check2")->setCheckState(Qt::Unchecked);
        click("Command1");
        const QString regularArt = form->art();
        QVERIFY(boldArt != regularArt);
        get<QCheckBox>("Check2")->setCheckState(Qt::PartiallyChecked);
        click("Command1");
        QCOMPARE(form->art(), regularArt);
        get<QCheckBox>("Check1")->setCheckState(Qt::Checked);
        click("Command1");
        QVERIFY(form->art() != regularArt);
        get<QCheckBox>("Check1")->setCheckState(Qt::PartiallyChecked);
        click("Command1");
        QCOMPARE(form->art(), regularArt);
    }

    void artWhollyInView_data()
    {
        QTest::addColumn<QString>("background");
        QTest::addColumn<bool>("wide");
        QTest::newRow("one character per cell") << QStringLiteral("▓") << false;
        QTest::newRow("two characters per cell") << QStringLiteral("▓▓") << true;
    }

    void artWhollyInView()
    {
        QFETCH(QString, background);
        QFETCH(bool, wide);
        get<QLineEdit>("Text2")->clear();  // nothing inked: every cell is the background
        get<QLineEdit>("Text3")->setText(background);
        click("Command1");
        auto *box = get<QTextEdit>("Text1");
        for (int line = 0; line < 21; ++line) {
            QTextCursor end(box->document()->findBlockByNumber(line));
            end.movePosition(QTextCursor::EndOfBlock);
            QTextCursor next(box->document()->findBlockByNumber(line + 1));
            QCOMPARE(box->cursorRect(next).top() - box->cursorRect(end).top(), Fonts::ArtLinePitch);
            QCOMPARE(box->cursorRect(end).right() < box->viewport()->width(), !wide);
        }
        QCOMPARE(box->horizontalScrollBar()->maximum() > 0, wide);
        click("Command2");  // copying selects everything; the view stays
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        // What the box shows above the progress bar: 21 whole rows of ink.
        box->setTextCursor(QTextCursor(box->document()));  // no selection colours
        box->setCursorWidth(0);  // nor a cursor line joining two rows
        const int shown = get("ProgressBar1")->y() - box->viewport()->mapTo(form.get(), QPoint(0, 0)).y();
        const QImage view = box->viewport()->grab().toImage().copy(0, 0, box->viewport()->width(), shown);
        const QList<QRect> rows = TestEnv::inkBands(view, qRgb(255, 255, 255), 127);
        QCOMPARE(rows.size(), 21);
        for (const QRect &row : rows)
            QCOMPARE(row.height(), rows.first().height());
        QVERIFY(rows.first().top() > 0 && rows.last().bottom() < view.height() - 1);
    }

    void pastedLinesKeepThePitch()
    {
        auto *box = get<QTextEdit>("Text1");
        auto top = [box](int line) { return box->cursorRect(QTextCursor(box->document()->findBlockByNumber(line))).top(); };
        click("Command1");
        box->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("顶▓\n▓顶\n顶顶"));
        box->paste();
        QTRY_COMPARE(top(2) - top(1), Fonts::ArtLinePitch);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, "x");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "x");
        QTRY_COMPARE(top(1) - top(0), Fonts::ArtLinePitch);
    }

    void artFontsKeepCellsAligned_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::newRow("output box") << Fonts::defaultFont();
        QTest::newRow("picture") << Fonts::pictureFont();
    }

    void artFontsKeepCellsAligned()
    {
        QFETCH(QFont, font);
        QImage device(1, 1, QImage::Format_RGB32);  // 96 dpi, as screens and canvases here
        const QFontMetrics metrics(font, &device);
        const int twoSpaces = metrics.horizontalAdvance(QStringLiteral("  "));
        // ∴, ∏ and ¤ are narrower in every WenQuanYi face.
        const QString cells = SpecialChars::lines().mid(0, 5).join(QString()).remove(QRegularExpression(
                                  QStringLiteral("[ ∴∏¤]")))
                              + QStringLiteral("顶");
        for (const QChar cell : cells)
            QVERIFY2(metrics.horizontalAdvance(cell) == twoSpaces, qPrintable(QString(cell)));
    }

    void workFileFailureKeepsArt()
    {
        click("Command1");
        const QString art = form->art();
        // A folder in the working file's place: it cannot be written, even as root.
        QFile::remove(env->workFile(QStringLiteral("qbx.jpg")));
        QDir().mkpath(env->workFile(QStringLiteral("qbx.jpg")));
        get<QLineEdit>("Text2")->setText(QStringLiteral("一"));
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        click("Command1");
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("qbx.jpg")), qPrintable(texts[0]));
        QCOMPARE(form->art(), art);
        // The window goes on working once the file can be written again.
        QDir().rmdir(env->workFile(QStringLiteral("qbx.jpg")));
        click("Command1");
        QVERIFY(form->art() != art);
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
        QCOMPARE(text4->text(), QStringLiteral("爱"));
        QCOMPARE(text3->text(), QStringLiteral("▓"));
        // A second click into a non-empty Text2 empties it again, and Text4 too.
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        // Moving in with Tab keeps the text.
        text3->setText(QStringLiteral("ab"));
        QTest::keyClick(text2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text3);
        QCOMPARE(text3->text(), QStringLiteral("ab"));
    }

    void enterComposesFromEveryBox()
    {
        get<QLineEdit>("Text3")->setText(QStringLiteral("  "));
        QTest::keyClick(get("Text3"), Qt::Key_Return);
        QVERIFY(form->art().contains(QStringLiteral("  顶")));
        get<QLineEdit>("Text4")->setText(QStringLiteral("木"));
        QTest::keyClick(get("Text4"), Qt::Key_Enter);
        QVERIFY(form->art().contains(QStringLiteral("木")) && !form->art().contains(QStringLiteral("顶")));
    }

    void specialCharacterList()
    {
        QTest::mouseClick(get("Picture3"), Qt::LeftButton);
        QTest::mouseClick(get("Picture3"), Qt::LeftButton);
        const QString file = env->workFile(QStringLiteral("liebiao.txt"));
        const QByteArray bytes = TestEnv::readAll(file);
        QCOMPARE(bytes.size(), 232);
        QCOMPARE(bytes.count("\r\n"), 8);
        QVERIFY(bytes.startsWith(TextFile::encodeGbk(QStringLiteral("☆ ★ ○"))));
        QVERIFY(bytes.contains(TextFile::encodeGbk(QStringLiteral("】╀"))));
        QCOMPARE(env->opened(), (QStringList{file, file}));
    }

    void drawingTurnsIntoInkedCells()
    {
        auto *pad = get<CanvasView>("Picture2");
        click("Option4");
        QVERIFY(!get("Text2")->isEnabled() && !get("Check1")->isEnabled());
        QTest::mouseClick(pad, Qt::LeftButton, {}, gridPoint(10, 10));
        QCOMPARE(ink("Picture2"), 0);  // a lone click leaves nothing
        stroke(3, 8, 5);
        click("Command1");
        QCOMPARE(form->art().split(QStringLiteral("\r\n"))[5], QStringLiteral("▓▓▓顶顶顶顶顶顶▓▓▓▓▓▓▓▓▓▓▓▓"));
        QCOMPARE(form->art().count(QStringLiteral("顶")), 6);
    }

    void droppedPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // empty: a black disk 200 across, as PNG
        QTest::addColumn<QStringList>("expected");  // empty: the pad stays as it was
        QTest::newRow("black disk") << QStringLiteral("disk.png") << QByteArray() << QStringList{
            QStringLiteral(".........###........."),
            QStringLiteral("......#########......"),
            QStringLiteral("....#############...."),
            QStringLiteral("...###############..."),
            QStringLiteral("..#################.."),
            QStringLiteral("..#################.."),
            QStringLiteral(".###################."),
            QStringLiteral(".###################."),
            QStringLiteral(".###################."),
            QStringLiteral("####################."),
            QStringLiteral("####################."),
            QStringLiteral("####################."),
            QStringLiteral(".###################."),
            QStringLiteral(".###################."),
            QStringLiteral(".###################."),
            QStringLiteral("..#################.."),
            QStringLiteral("..#################.."),
            QStringLiteral("...###############..."),
            QStringLiteral("....#############...."),
            QStringLiteral("......#########......"),
            QStringLiteral("....................."),
        };
        QTest::newRow("text file") << QStringLiteral("notes.txt") << QByteArray("not a picture\r\n") << QStringList();
        QTest::newRow("over the reader's limit") << QStringLiteral("huge.png")
            << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x75\x30\x00\x00\x75\x30\x08\x00\x00\x00\x00\x43\x4c\xa7\x66", 33)
            << QStringList();
    }

    void droppedPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        const QString path = env->home() + QLatin1Char('/') + name;
        if (bytes.isEmpty())
            writeDisk(path);
        else
            TestEnv::writeAll(path, bytes);
        click("Command1");  // the pad shows the glyph in text mode
        const QImage before = pad();
        QStringList texts;
        if (expected.isEmpty())
            Modal::press(QStringLiteral("确定"), &texts);
        drop(path);
        if (expected.isEmpty()) {
            QTRY_COMPARE(texts.size(), 1);
            QVERIFY2(TestEnv::chinese(texts[0]) && texts[0].contains(name), qPrintable(texts[0]));
            QCOMPARE(pad(), before);
            QVERIFY(get("Text2")->isEnabled());
            return;
        }
        QVERIFY(get<QRadioButton>("Option4")->isChecked() && !get("Text2")->isEnabled());
        QCOMPARE(TestEnv::count(pad(), 0) + TestEnv::count(pad(), 0xFFFFFF), 111 * 111);
        click("Command1");
        QCOMPARE(artRows(), expected);
    }

    void padHistory_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("sameAsAfter");  // the step whose pad (and art) comes back; -1: empty pad
        auto steps = [](const char *list) { return QString::fromLatin1(list).split(QLatin1Char(',')); };
        QTest::newRow("stroke, undo, compose") << steps("draw,stroke 5,compose,stroke 10,undo,compose") << 2;
        // The disk fills the middle of the pad: the stroke goes along its top.
        QTest::newRow("undo twice after a drop and a stroke") << steps("drop,stroke 1,undo,undo") << -1;
        QTest::newRow("redo brings them back") << steps("drop,stroke 1,undo,undo,redo,redo") << 1;
        QTest::newRow("Ctrl+Shift+Z redoes too") << steps("draw,stroke 5,undo,redo shift") << 1;
        QTest::newRow("a composition keeps the history") << steps("drop,compose,stroke 1,compose,undo,undo") << -1;
        QTest::newRow("a new stroke ends redo") << steps("draw,stroke 5,undo,stroke 10,redo") << 3;
        QTest::newRow("nothing to undo after a mode switch") << steps("draw,stroke 5,text,draw,undo,redo") << 3;
        QTest::newRow("no step in text mode") << steps("stroke 5,compose,undo") << 1;
        QTest::newRow("a text box keeps its own undo") << steps("draw,stroke 5,stroke 10,box undo") << 2;
    }

    void padHistory()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, sameAsAfter);
        const QString disk = env->home() + QStringLiteral("/disk.png");
        writeDisk(disk);
        auto *text3 = get<QLineEdit>("Text3");
        const QHash<QString, std::function<void()>> actions{
            {QStringLiteral("draw"), [&] { click("Option4"); }},
            {QStringLiteral("text"), [&] { click("Option3"); }},
            {QStringLiteral("stroke 1"), [&] { stroke(2, 8, 1); }},
            {QStringLiteral("stroke 5"), [&] { stroke(2, 8, 5); }},
            {QStringLiteral("stroke 10"), [&] { stroke(2, 8, 10); }},
            {QStringLiteral("drop"), [&] { drop(disk); }},
            {QStringLiteral("compose"), [&] { click("Command1"); }},
            {QStringLiteral("undo"), [&] { QTest::keyClick(get("Picture2"), Qt::Key_Z, Qt::ControlModifier); }},
            {QStringLiteral("redo"), [&] { QTest::keyClick(get("Picture2"), Qt::Key_Y, Qt::ControlModifier); }},
            {QStringLiteral("redo shift"),
             [&] { QTest::keyClick(get("Picture2"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }},
            {QStringLiteral("box undo"), [&] {
                 text3->setFocus();
                 QTest::keyClicks(text3, QStringLiteral("ab"));
                 QTest::keyClick(text3, Qt::Key_Z, Qt::ControlModifier);
                 QCOMPARE(text3->text(), QStringLiteral("▓"));
             }},
        };
        QList<QPair<QImage, QString>> after;
        for (const QString &step : steps) {
            QVERIFY2(actions.contains(step), qPrintable(step));
            actions[step]();
            after.append({pad(), form->art()});
        }
        if (sameAsAfter < 0) {
            QCOMPARE(TestEnv::count(pad(), 0xFFFFFF), 111 * 111);
        } else {
            QCOMPARE(pad(), after[sameAsAfter].first);
            if (steps.last() == QStringLiteral("compose"))
                QCOMPARE(form->art(), after[sameAsAfter].second);
        }
    }

    void releaseEndsTheStroke()
    {
        auto *pad = get<CanvasView>("Picture2");
        click("Option4");
        // Released outside the canvas: moving back in draws nothing.
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, QPoint(200, 200));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseMove(pad, gridPoint(5, 5));
        QCOMPARE(ink("Picture2"), 0);
        // Two buttons held, one released: the pen is up.
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mousePress(pad, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseRelease(pad, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, gridPoint(6, 6));
        QCOMPARE(ink("Picture2"), 0);
        QTest::mouseRelease(pad, Qt::LeftButton, {}, gridPoint(6, 6));
        // In text mode the pen never draws.
        click("Option3");
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, gridPoint(6, 6));
        QCOMPARE(ink("Picture2"), 0);
    }

    void modeSwitchBlanksThePad()
    {
        get<QCheckBox>("Check1")->setCheckState(Qt::Checked);
        get<QLineEdit>("Text2")->setText(QStringLiteral("爱"));
        click("Command1");
        QVERIFY(ink("Picture2") > 0);
        click("Option4");
        QCOMPARE(ink("Picture2") + ink("Picture1"), 0);
        click("Option3");
        QCOMPARE(get<QLineEdit>("Text2")->text(), QStringLiteral("爱"));
        QVERIFY(get("Text2")->isEnabled() && get("Check1")->isEnabled());
        QCOMPARE(get<QCheckBox>("Check1")->checkState(), Qt::Checked);
    }

    void copyPutsExactlyTheArt()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        click("Command2");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        click("Command1");
        get("Text3")->setFocus();
        click("Command2");
        QCOMPARE(QGuiApplication::clipboard()->text(), form->art());
        QCOMPARE(get<QTextEdit>("Text1")->textCursor().selectedText().size(), 483 - 21);
        QCOMPARE(QApplication::focusWidget(), get("Text3"));
    }

    void exitKeepsOtherWindows()
    {
        click("Command5");
        frmAbout *about = TestEnv::window<frmAbout>();
        QVERIFY(about && about->isVisible());
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible());  // an access key clicks after a short press animation
        QVERIFY(about->isVisible());
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
        about->close();
    }

    void workingFolderUnwritable()
    {
        // A file where the working folder belongs: nothing can be written there, even as root.
        const QString folder = env->home() + QStringLiteral("/.local/share/Tessellon");
        QDir(folder).removeRecursively();
        TestEnv::writeAll(folder, "keep me");
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        click("Command1");
        Modal::press(QStringLiteral("确定"), &texts);
        QTest::mouseClick(get("Picture3"), Qt::LeftButton);
        click("Command5");
        Modal::press(QStringLiteral("确定"), &texts);
        TestEnv::window<frmAbout>()->findChild<QPushButton *>("Command1")->click();
        Modal::press(QStringLiteral("确定"), &texts);
        form->close();
        TestEnv::window<frmAbout>()->close();
        QCOMPARE(texts.size(), 4);
        for (const QString &text : texts)
            QVERIFY2(TestEnv::chinese(text), qPrintable(text));
        QVERIFY(texts[0].contains(QStringLiteral("qbx.jpg")));
        QVERIFY(texts[3].contains(QStringLiteral("denglu.qbx")));
        QVERIFY(env->opened().isEmpty());
        QCOMPARE(TestEnv::readAll(folder), QByteArray("keep me"));
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
        click("Command1");
        const QString art = form->art();
        auto *edit = form->findChild<QLineEdit *>(box);
        QGuiApplication::clipboard()->setText(QString(1 << 20, QChar(0x9876)));
        edit->clear();
        edit->paste();
        QCOMPARE(edit->text().size(), 1 << 20);
        if (box == QStringLiteral("Text2"))
            get<QLineEdit>("Text4")->setText(QStringLiteral("顶"));
        QStringList texts;
        if (refused)
            Modal::press(QStringLiteral("确定"), &texts);
        click("Command1");
        if (refused) {
            QCOMPARE(texts.size(), 1);
            QVERIFY(TestEnv::chinese(texts[0]));
            QCOMPARE(form->art(), art);
        } else {
            QCOMPARE(form->art().count(QStringLiteral("\r\n")), 21);
            QVERIFY(form->art().contains(QStringLiteral("顶")));
        }
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
