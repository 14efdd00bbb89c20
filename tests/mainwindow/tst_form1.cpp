// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: start-up and shutdown, composition, the input boxes, the special-character list, the
// drawing pad, copy and exit; with bad count files, working files that cannot be written and huge pastes.
#include "alignmentwindow.h"
#include "canvas.h"
#include "canvasview.h"
#include "celltext.h"
#include "folderlist.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "gridgeometry.h"
#include "diskfaults.h"
#include "specialfile.h"
#include "qttranslations.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

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
    QByteArray count() { return TestEnv::readAll(env->workFile(u"denglu.qbx"_s)); }
    QImage pad() { return get<CanvasView>("Picture2")->canvas()->image(); }
    // Runs the action answering that many message boxes with 确定; their texts.
    static QStringList messages(int boxes, const std::function<void()> &action)
    {
        QStringList texts;
        for (int i = 0; i < boxes; ++i)
            Modal::press(u"确定"_s, &texts);
        action();
        Modal::clear();
        return texts;
    }
    void drop(const QString &path) { QVERIFY(TestEnv::drop(get("Picture2"), {QUrl::fromLocalFile(path)})); }
    // A slow stroke along row r from column c0 to c1.
    void stroke(qreal c0, qreal c1, qreal r)
    {
        auto *pad = get<CanvasView>("Picture2");
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(c0, r));
        for (qreal c = c0; c <= c1; c += 0.25)
            QTest::mouseMove(pad, gridPoint(c, r));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, gridPoint(c1, r));
    }
    // A black bar twice as wide as high, as PNG.
    QString writeBar()
    {
        QImage bar(200, 100, QImage::Format_RGB32);
        bar.fill(Qt::black);
        bar.save(env->home() + u"/bar.png"_s);
        return env->home() + u"/bar.png"_s;
    }
    // Does what a user does to write the named file (顶.txt: saved into the working folder); the messages.
    QStringList userWrites(const QString &name)
    {
        if (name.startsWith(u"顶"_s))
            Modal::press(u"是(&Y)"_s);  // replace the old file
        return messages(1, [this, &name] {
            if (name == u"qbx.jpg"_s) {
                click("Command1");
            } else if (name == u"liebiao.txt"_s) {
                QTest::mouseClick(get("Picture3"), Qt::LeftButton);
            } else if (name == u"denglu.qbx"_s) {
                form = std::make_unique<Form1>();  // starts on what is there
                form->close();
            } else if (name.startsWith(u"Tessellon"_s)) {
                click("Command5");
                auto *about = TestEnv::window<frmAbout>();
                about->findChild<QPushButton *>("Command1")->click();
                about->close();
            } else {
                click("Command3");
                auto *save = TestEnv::window<Form4>();
                save->findChild<FolderList *>("Dir1")->setPath(QFileInfo(env->workFile(name)).path());
                save->findChild<QPushButton *>("Command1")->click();
            }
        });
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); env.reset(); }

    // The About window opens in the middle of the main window wherever that is, whole on the screen even when the
    // main window is partly off it.
    void aboutOpensOverTheMainWindow()
    {
        const QRect screen = form->screen()->availableGeometry();
        for (const QPoint corner : {screen.topLeft(), screen.topLeft() - QPoint(form->width() * 3 / 4, 20)}) {
            form->move(corner);
            click("Command5");
            frmAbout *about = TestEnv::window<frmAbout>();
            QVERIFY(screen.contains(about->frameGeometry()));
            // As near as its frame allows, which is unknown before it is shown.
            const QPoint off = about->frameGeometry().center() - form->frameGeometry().center();
            QVERIFY(!screen.contains(form->frameGeometry()) || off.manhattanLength() <= 16);
            about->close();
            QTRY_VERIFY(!TestEnv::window<frmAbout>());
        }
    }

    void countFile_data()
    {
        QTest::addColumn<QByteArray>("before");  // "-" for no file
        QTest::addColumn<QString>("shown");  // null: whatever the bytes decode to
        QTest::addColumn<QByteArray>("afterExit");
        const QByteArray one(" 1 \r\n");
        QTest::newRow("first start") << QByteArray("-") << u"1"_s << QByteArray(" 2 \r\n");
        QTest::newRow("second start") << QByteArray(" 2 \r\n") << u" 2 "_s << QByteArray(" 3 \r\n");
        QTest::newRow("binary garbage") << QByteArray("\x01\xFF\x00\x80", 4) << QString() << one;
        QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '7') << QString(40, u'7') + u'…' << one;
    }

    void countFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, shown);
        QFETCH(QByteArray, afterExit);
        form.reset();  // the fixture's window made way for a start on this count file
        const QString file = env->workFile(u"denglu.qbx"_s);
        QFile::remove(file);
        if (before != "-")
            TestEnv::writeAll(file, before);
        form = std::make_unique<Form1>();
        if (!shown.isNull())
            QCOMPARE(form->windowTitle(), u"Tessellon加强版    这是您第"_s + shown + u"次使用本软件！"_s);
        QCOMPARE(TestEnv::readAll(file), before == "-" ? QByteArray(" 1 \r\n") : before);
        form->close();
        QCOMPARE(TestEnv::readAll(file), afterExit);
    }

    void workingFilesGoWithTheLastWindow()
    {
        const QStringList names{u"qbx.jpg"_s, u"liebiao.txt"_s, u"qbx.ini"_s, u"Tessellon的使用技巧.txt"_s};
        for (const QString &name : names)
            TestEnv::writeAll(env->workFile(name), "x");
        click("Command4");
        auto *view = TestEnv::window<Form3>();
        form->close();
        form->close();  // a second close stores nothing more
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
        for (const QString &name : names)
            QVERIFY2(!QFileInfo::exists(env->workFile(name)), qPrintable(name));
        // Saving a picture after the main window closed remembers the folder again.
        view->findChild<QPushButton *>("Command1")->click();
        TestEnv::window<Form4>()->findChild<QPushButton *>("Command1")->click();
        QVERIFY(QFileInfo::exists(env->workFile(u"qbx.ini"_s)));
        view->close();
        form.reset();  // the program ends
        QVERIFY(!QFileInfo::exists(env->workFile(u"qbx.ini"_s)));
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
    }

    void twoRunsBothCount()
    {
        TestEnv::writeAll(env->workFile(u"denglu.qbx"_s), " 10 \r\n");
        Form1 first, second;
        first.close();
        second.close();
        QCOMPARE(count(), QByteArray(" 12 \r\n"));
    }

    // Writes that cannot be made: a full disk, or a FIFO in the file's place. Never blocks: one
    // message, the old contents kept, and the program goes on.
    void refusedWrites_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");  // 0: a full disk
        for (const char *name : {"qbx.jpg", "liebiao.txt", "Tessellon的使用技巧.txt", "denglu.qbx"})
            for (int kind : {0, int(SpecialFile::Fifo)})  // links and folders: the write's own test
                QTest::addRow("%s %s", kind == 0 ? "full" : "FIFO", name) << QString::fromUtf8(name) << kind;
        QTest::newRow("full 顶.txt") << u"顶.txt"_s << 0;
    }

    void refusedWrites()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        const QString path = env->workFile(name), target = env->home() + u"/target"_s;
        const QString folder = QFileInfo(path).path();
        std::unique_ptr<FullDisk> full;
        if (kind == 0) {
            full = std::make_unique<FullDisk>(folder, QMap<QString, QByteArray>{{name, QByteArray("old")}});
        } else {
            QFile::remove(path);
            TestEnv::writeAll(target, "old");
            if (!SpecialFile::make(SpecialFile::Fifo, path, target))
                QSKIP("this system has no FIFOs");
        }
        const QStringList texts = userWrites(name);
        QCOMPARE(texts.size(), 1);
        const QString why = kind == 0 ? DiskFaults::fullReason() : u"不是普通文件"_s;
        QVERIFY2(TestEnv::chinese(texts[0]) && texts[0].contains(why), qPrintable(texts[0]));
        QCOMPARE(TestEnv::readAll(kind == 0 ? path : target), QByteArray("old"));
        QVERIFY(!env->opened().contains(path));
        if (name == u"qbx.jpg"_s)
            QCOMPARE(form->art(), QString());  // no art without its snapshot
        if (kind == 0)
            return;  // a full disk would refuse the next composition's snapshot too
        QVERIFY(SpecialFile::isAt(SpecialFile::Fifo, path));
        if (name != u"qbx.jpg"_s) {
            click("Command1");  // the window still works
            QCOMPARE(form->art().count(u"\r\n"_s), 21);
        }
    }

    // Art too wide for the box scrolls rather than wraps; copying takes it all.
    void copyAndScroll()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(u"before"_s);
        click("Command2");  // nothing to copy yet
        QCOMPARE(clipboard->text(), u"before"_s);
        get<QLineEdit>("Text2")->clear();  // nothing inked: every cell is the background
        get<QLineEdit>("Text3")->setText(u"▓▓"_s);
        click("Command1");
        auto *box = get<QTextEdit>("Text1");
        QVERIFY(box->horizontalScrollBar()->maximum() > 0);
        get("Text3")->setFocus();
        click("Command2");  // copying selects everything; the focus stays
        const QString art = form->art();
        QCOMPARE(clipboard->text(), art);
        QCOMPARE(box->textCursor().selectedText().size(), art.size() - 21);
        QCOMPARE(QApplication::focusWidget(), get("Text3"));
    }

    // The output box's menu, in Qt's Chinese words, opens the alignment check beside the window; a
    // replacement it offers goes into its box and the art is composed again.
    void alignmentCheck()
    {
        QtTranslations::install();
        click("Command1");
        auto *box = get<QTextEdit>("Text1");
        emit box->customContextMenuRequested(QPoint(10, 10));
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text().section(u'(', 0, 0);
        for (const QString &word : {u"撤销"_s, u"剪切"_s, u"复制"_s, u"粘贴"_s})  // the box's own actions stay
            QVERIFY2(texts.contains(word), qPrintable(texts.join(u' ')));
        menu->actions().last()->trigger();  // 对齐检查
        menu->close();

        auto *check = TestEnv::window<AlignmentWindow>();
        QVERIFY(check && check->isVisible() && !check->isModal());
        auto verdicts = [check] {
            QString marks;
            for (auto *label : check->findChildren<QLabel *>())
                if (label->isVisible() && (label->text() == "✓" || label->text() == "✗"))
                    marks += label->text();
            return marks;
        };
        QPushButton *fix = nullptr;
        for (auto *button : check->findChildren<QPushButton *>())
            if (button->isVisible() && button->text() == u"背景字改为全角空格"_s)
                fix = button;
        QVERIFY(fix);
        fix->click();
        QCOMPARE(get<QLineEdit>("Text3")->text(), u"\u3000"_s);
        QVERIFY(form->art().contains(u"\u3000"_s) && !form->art().contains(u"▓"_s));
        QTRY_COMPARE(verdicts(), u"✓✓✓✓"_s);
    }

    // Cells of thousands of letters: the window and its 关闭 stay on the screen.
    void alignmentWindowWithLongCells()
    {
        AlignmentWindow check;
        check.check(QString(2100, u'中'), QString(1300, u'a'));
        check.show();
        const QRect screen = check.screen()->availableGeometry();
        QVERIFY2(check.width() <= screen.width() && check.height() <= screen.height(),
                 qPrintable(u"%1×%2"_s.arg(check.width()).arg(check.height())));
        const auto *close = check.findChild<QDialogButtonBox *>()->buttons().constFirst();
        QVERIFY(check.rect().contains(QRect(close->mapTo(&check, QPoint()), close->size())));
    }

    void changeAndClickRules()
    {
        auto *text2 = get<QLineEdit>("Text2"), *text3 = get<QLineEdit>("Text3"), *text4 = get<QLineEdit>("Text4");
        QCOMPARE(QApplication::focusWidget(), get("Text1"));  // the window opens on the output box
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), get("Command1"));
        // Enter composes from every box.
        text3->setText(u"  "_s);
        QTest::keyClick(text3, Qt::Key_Return);
        QVERIFY(form->art().contains(u"  顶"_s));
        text4->setText(u"木"_s);
        QTest::keyClick(text4, Qt::Key_Enter);
        QVERIFY(form->art().contains(u"木"_s) && !form->art().contains(u"顶"_s));
        QTest::mouseClick(text4, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        QCOMPARE(text2->text(), u"顶"_s);
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text2->text(), QString());
        text4->setText(u"x"_s);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"爱"_s);
        QApplication::sendEvent(text2, &typed);
        QCOMPARE(text4->text(), u"爱"_s);
        QCOMPARE(text3->text(), u"  "_s);
        // A second click into a non-empty Text2 empties it again, and Text4 too.
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        // Moving in with Tab keeps the text.
        text3->setText(u"ab"_s);
        QTest::keyClick(text2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text3);
        QCOMPARE(text3->text(), u"ab"_s);
    }

    // A mode switch blanks the pad and keeps the text settings. The pen draws
    // only in drawing mode, and only while the left button alone is held.
    void penDrawsOnlyWhileHeld()
    {
        auto *pad = get<CanvasView>("Picture2");
        get<QCheckBox>("Check1")->setCheckState(Qt::Checked);
        get<QLineEdit>("Text2")->setText(u"爱"_s);
        click("Command1");
        QVERIFY(ink("Picture2") > 0);
        click("Option4");
        QCOMPARE(ink("Picture2") + ink("Picture1"), 0);
        QVERIFY(!get("Text2")->isEnabled() && !get("Check1")->isEnabled());
        QTest::mouseClick(pad, Qt::LeftButton, {}, gridPoint(10, 10));  // a lone click
        QCOMPARE(ink("Picture2"), 0);
        // Released outside the canvas (the stroke reaches its edge): moving back in draws nothing.
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, QPoint(200, 200));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 200));
        const int edge = ink("Picture2");
        QTest::mouseMove(pad, gridPoint(5, 5));
        QCOMPARE(ink("Picture2"), edge);
        click("Option3");
        click("Option4");
        // Two buttons held, one released: the pen is up.
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mousePress(pad, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseRelease(pad, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, gridPoint(6, 6));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, gridPoint(6, 6));
        QCOMPARE(ink("Picture2"), 0);
        stroke(3, 8, 5);
        click("Command1");
        QCOMPARE(form->art().count(u"爱"_s), 6);
        click("Option3");
        QCOMPARE(get<QLineEdit>("Text2")->text(), u"爱"_s);
        QVERIFY(get("Text2")->isEnabled() && get("Check1")->isEnabled());
        QCOMPARE(get<QCheckBox>("Check1")->checkState(), Qt::Checked);
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, gridPoint(6, 6));
        QCOMPARE(ink("Picture2"), 0);
    }

    // A fast drag, its moves 10 px apart, is one whole stroke on the pad and one unbroken run of cells in the art.
    void fastStrokeIsWhole()
    {
        auto *pad = get<CanvasView>("Picture2");
        click("Option4");
        get<QLineEdit>("Text4")->setText(u"爱"_s);
        const int y = gridPoint(0, 9).y();
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(20, y));
        for (int x = 30; x <= 100; x += 10)
            QTest::mouseMove(pad, QPoint(x, y));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(100, y));
        const QImage drawn = pad->canvas()->image();
        for (int x = 20; x <= 100; ++x)
            QVERIFY2(drawn.pixel(x - 1, y - 1) == qRgb(0, 0, 0), qPrintable(QString::number(x)));
        click("Command1");
        const QString row = form->art().split(u"\r\n"_s).value(9);
        const qsizetype inked = row.count(u"爱"_s);
        QVERIFY2(inked >= 14 && row.contains(QString(inked, u'爱')), qPrintable(row));
    }

    // A file that is no picture is refused with a message; a picture becomes a drawing.
    void droppedPictures()
    {
        click("Command1");  // the pad shows the glyph in text mode
        const QImage before = pad();
        const QString notes = env->home() + u"/notes.txt"_s;
        TestEnv::writeAll(notes, "not a picture\r\n");
        QStringList texts;
        Modal::press(u"确定"_s, &texts);
        drop(notes);
        QTRY_COMPARE(texts.size(), 1);
        QVERIFY2(TestEnv::chinese(texts[0]) && texts[0].contains(u"notes.txt"_s), qPrintable(texts[0]));
        QCOMPARE(pad(), before);
        drop(writeBar());
        QVERIFY(get<QRadioButton>("Option4")->isChecked() && !get("Text2")->isEnabled() && pad() != before);
    }

    // The pad's menu changes how the picture on it is made, as a step of its own.
    void pictureWayFromThePadMenu()
    {
        drop(writeBar());
        const QImage bar = pad();
        auto inked = [this] {
            click("Command1");
            return form->art().count(get<QLineEdit>("Text4")->text());
        };
        const qsizetype barCells = inked();
        QVERIFY(barCells >= 21 * 10);
        form->findChild<QAction *>(u"invertPicture"_s)->trigger();
        QVERIFY(pad() != bar);
        QCOMPARE(inked(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pad(), bar);
        QCOMPARE(inked(), barCells);
    }

    void padHistory_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("sameAsAfter");  // the step whose pad (and art) comes back; -1: empty pad
        auto steps = [](const char *list) { return QString::fromUtf8(list).split(u','); };
        QTest::newRow("stroke, undo, compose") << steps("draw,stroke 5,compose,stroke 10,undo,compose") << 2;
        // The bar lies across the middle of the pad: the stroke goes along its top.
        QTest::newRow("redo brings them back") << steps("drop,stroke 1,undo,undo,redo,redo") << 1;
        QTest::newRow("a composition keeps the history") << steps("drop,compose,stroke 1,compose,undo,undo") << -1;
        QTest::newRow("a new stroke ends redo") << steps("draw,stroke 5,undo,stroke 10,redo") << 3;
        QTest::newRow("nothing to undo after a mode switch") << steps("draw,stroke 5,text,draw,undo,redo") << 3;
        QTest::newRow("no step in text mode") << steps("stroke 5,compose,undo") << 1;
        QTest::newRow("a text box keeps its own undo") << steps("draw,stroke 5,stroke 10,box undo") << 2;
        // The keys reach the pad from the button just clicked.
        QTest::newRow("undo right after 拼字") << steps("draw,stroke 5,stroke 10,click 拼字,undo") << 1;
    }

    void padHistory()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, sameAsAfter);
        const QString bar = writeBar();
        auto *text3 = get<QLineEdit>("Text3");
        auto key = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); };
        const QHash<QString, std::function<void()>> actions{
            {u"draw"_s, [&] { click("Option4"); }},
            {u"text"_s, [&] { click("Option3"); }},
            {u"drop"_s, [&] { drop(bar); }},
            {u"compose"_s, [&] { click("Command1"); }},
            {u"click 拼字"_s, [&] {
                 QTest::mouseClick(get("Command1"), Qt::LeftButton);
                 QCOMPARE(QApplication::focusWidget(), get("Command1"));
             }},
            {u"undo"_s, [&] { key(Qt::Key_Z); }},
            {u"redo"_s, [&] { key(Qt::Key_Y); }},
            {u"box undo"_s, [&] {
                 text3->setFocus();
                 QTest::keyClicks(text3, u"ab"_s);
                 QTest::keyClick(text3, Qt::Key_Z, Qt::ControlModifier);
                 QCOMPARE(text3->text(), u"▓"_s);
             }},
        };
        QList<QPair<QImage, QString>> after;
        for (const QString &step : steps) {
            QVERIFY2(actions.contains(step) || step.startsWith(u"stroke "_s), qPrintable(step));
            if (step.startsWith(u"stroke "_s))  // along that row
                stroke(2, 8, step.mid(7).toInt());
            else
                actions[step]();
            after.append({pad(), form->art()});
        }
        if (sameAsAfter < 0)
            QCOMPARE(TestEnv::count(pad(), 0xFFFFFF), 111 * 111);
        else
            QCOMPARE(pad(), after[sameAsAfter].first);
        if (sameAsAfter >= 0 && steps.last() == u"compose"_s)
            QCOMPARE(form->art(), after[sameAsAfter].second);
    }

    void pastes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("named");  // the box the message names; none when composed
        const QString megabyte(1 << 20, u'木');
        QTest::newRow("glyph text, a megabyte") << "Text2" << megabyte << QString();
        QTest::newRow("background text, a megabyte") << "Text3" << megabyte << u"背景字"_s;
        QTest::newRow("tab in the glyph") << "Text2" << u"a\tb"_s << u"图形字"_s;
    }

    // The boxes take a bounded length; what cannot be composed quickly, or
    // would break the art's rows, is refused with a message naming the box.
    void pastes()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, named);
        click("Command1");
        const QString art = form->art();
        auto *edit = form->findChild<QLineEdit *>(box);
        QGuiApplication::clipboard()->setText(pasted);
        edit->clear();
        edit->paste();
        QCOMPARE(edit->text(), pasted.left(CellText::MaxLength));
        if (box == u"Text2"_s)
            get<QLineEdit>("Text4")->setText(u"顶"_s);
        const QStringList texts = messages(named.isEmpty() ? 0 : 1, [this] { click("Command1"); });
        QCOMPARE(texts.size(), named.isEmpty() ? 0 : 1);
        QVERIFY(named.isEmpty() || texts[0].contains(named));
        QCOMPARE(form->art() == art, !named.isEmpty());
        QCOMPARE(form->art().count(u"\r\n"_s), 21);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
