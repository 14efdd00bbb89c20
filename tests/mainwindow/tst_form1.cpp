// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: start-up and shutdown, composition, the input boxes, the special-character list, the
// drawing pad, copy and exit; with bad count files, working files that cannot be written and huge pastes.
#include "alignmentwindow.h"
#include "canvas.h"
#include "canvasview.h"
#include "celltext.h"
#include "folderlist.h"
#include "fonts.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "gridgeometry.h"
#include "diskfaults.h"
#include "specialfile.h"
#include "qttranslations.h"
#include "testenv.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

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
    // Runs the action answering that many message boxes with 确定; their texts.
    static QStringList messages(int boxes, const std::function<void()> &action)
    {
        QStringList texts;
        for (int i = 0; i < boxes; ++i)
            Modal::press(QStringLiteral("确定"), &texts);
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
        const QString path = env->home() + QStringLiteral("/bar.png");
        QImage bar(200, 100, QImage::Format_RGB32);
        bar.fill(Qt::black);
        bar.save(path);
        return path;
    }
    // Does what a user does to write the named file (顶.txt: saved into the working folder); the messages.
    QStringList userWrites(const QString &name)
    {
        if (name.startsWith(QStringLiteral("顶")))
            Modal::press(QStringLiteral("是(&Y)"));  // replace the old file
        return messages(1, [this, &name] {
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
    void cleanup()
    {
        form.reset();
        env.reset();
    }

    void countFile_data()
    {
        QTest::addColumn<QByteArray>("before");  // "-" for no file
        QTest::addColumn<QString>("shown");  // null: whatever the bytes decode to
        QTest::addColumn<QByteArray>("afterExit");
        const QByteArray one(" 1 \r\n");
        QTest::newRow("first start") << QByteArray("-") << QStringLiteral("1") << QByteArray(" 2 \r\n");
        QTest::newRow("second start") << QByteArray(" 2 \r\n") << QStringLiteral(" 2 ") << QByteArray(" 3 \r\n");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("") << one;
        QTest::newRow("not a number") << QByteArray("abc\r\n") << QStringLiteral("abc") << one;
        QTest::newRow("binary garbage") << QByteArray("\x01\xFF\x00\x80", 4) << QString() << one;
        QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '7') << QString(40, u'7') + u'…' << one;
    }

    void countFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, shown);
        QFETCH(QByteArray, afterExit);
        form.reset();  // the fixture's window made way for a start on this count file
        const QString file = env->workFile(QStringLiteral("denglu.qbx"));
        QFile::remove(file);
        if (before != "-")
            TestEnv::writeAll(file, before);
        form = std::make_unique<Form1>();
        if (!shown.isNull())
            QCOMPARE(form->windowTitle(), QStringLiteral("Tessellon加强版    这是您第") + shown + QStringLiteral("次使用本软件！"));
        QCOMPARE(TestEnv::readAll(file), before == "-" ? QByteArray(" 1 \r\n") : before);
        form->close();
        QCOMPARE(TestEnv::readAll(file), afterExit);
    }

    void workingFilesGoWithTheLastWindow()
    {
        const QStringList names{QStringLiteral("qbx.jpg"), QStringLiteral("liebiao.txt"), QStringLiteral("qbx.ini"),
                                QStringLiteral("Tessellon的使用技巧.txt")};
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
        QVERIFY(QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
        view->close();
        form.reset();  // the program ends
        QVERIFY(!QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
        QCOMPARE(count(), QByteArray(" 2 \r\n"));
    }

    void twoRunsBothCount()
    {
        TestEnv::writeAll(env->workFile(QStringLiteral("denglu.qbx")), " 10 \r\n");
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
                QTest::addRow("%s %s", kind == 0 ? "full" : "FIFO", name)
                    << QString::fromUtf8(name) << kind;
        QTest::newRow("full 顶.txt") << QStringLiteral("顶.txt") << 0;
    }

    void refusedWrites()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        const QString path = env->workFile(name), target = env->home() + QStringLiteral("/target");
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
        const QString why = kind == 0 ? DiskFaults::fullReason() : QStringLiteral("不是普通文件");
        QVERIFY2(TestEnv::chinese(texts[0]) && texts[0].contains(why), qPrintable(texts[0]));
        QCOMPARE(TestEnv::readAll(kind == 0 ? path : target), QByteArray("old"));
        QVERIFY(!env->opened().contains(path));
        if (name == QStringLiteral("qbx.jpg"))
            QCOMPARE(form->art(), QString());  // no art without its snapshot
        if (kind == 0) {
            // No temporary file is left behind.
            const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            QVERIFY2(left.filter(QStringLiteral(".tessellon-")).isEmpty() && left.contains(name), qPrintable(left.join(u' ')));
            return;
        }
        QVERIFY(SpecialFile::isAt(SpecialFile::Fifo, path));
        if (name != QStringLiteral("qbx.jpg")) {
            click("Command1");  // the window still works
            QCOMPARE(form->art().count(QStringLiteral("\r\n")), 21);
        }
    }

    void composesWithTheCheckBoxes()
    {
        click("Command1");
        const QString boldArt = form->art();
        QCOMPARE(get<QProgressBar>("ProgressBar1")->value(), 20);
        auto artWith = [this](const char *box, Qt::CheckState state) {
            get<QCheckBox>(box)->setCheckState(state);
            click("Command1");
            return form->art();
        };
        // Only the value 1 counts as ticked: greyed (2) is not bold, not shrunk.
        const QString regularArt = artWith("Check2", Qt::Unchecked);
        QVERIFY(regularArt != boldArt);
        QCOMPARE(artWith("Check2", Qt::PartiallyChecked), regularArt);
        QCOMPARE(artWith("Check1", Qt::PartiallyChecked), regularArt);
    }

    // Art too wide for the box scrolls rather than wraps; copying takes it all.
    void copyAndScroll()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        click("Command2");  // nothing to copy yet
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        get<QLineEdit>("Text2")->clear();  // nothing inked: every cell is the background
        get<QLineEdit>("Text3")->setText(QStringLiteral("▓▓"));
        click("Command1");
        auto *box = get<QTextEdit>("Text1");
        QVERIFY(box->horizontalScrollBar()->maximum() > 0);
        get("Text3")->setFocus();
        click("Command2");  // copying selects everything; the view and the focus stay
        QCOMPARE(QGuiApplication::clipboard()->text(), form->art());
        // Rich text targets get the same rows as HTML.
        const QString html = QGuiApplication::clipboard()->mimeData()->html();
        QCOMPARE(TestEnv::xmlTexts(html.toUtf8(), QStringLiteral("pre")),
                 QStringList{form->art().chopped(2).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))});
        QCOMPARE(box->textCursor().selectedText().size(), form->art().size() - 21);
        QCOMPARE(QApplication::focusWidget(), get("Text3"));
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    }

    // The output box's menu opens the alignment check beside the window; a
    // replacement it offers goes into its box and the art is composed again.
    void alignmentCheck()
    {
        click("Command1");
        auto *box = get<QTextEdit>("Text1");
        const QRect place = box->geometry();
        emit box->customContextMenuRequested(QPoint(10, 10));
        QMenu *menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
        QVERIFY(menu->actions().size() > 2);  // the box's own actions stay
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("对齐检查(&A)…"));
        menu->actions().last()->trigger();
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
        QCOMPARE(verdicts(), QStringLiteral("✗✓✓✓"));  // terminal, wide terminal, Noto, WenQuanYi
        QPushButton *fix = nullptr;
        for (auto *button : check->findChildren<QPushButton *>())
            if (button->isVisible() && button->text() == QStringLiteral("背景字改为全角空格"))
                fix = button;
        QVERIFY(fix);
        fix->click();
        QCOMPARE(get<QLineEdit>("Text3")->text(), QStringLiteral("\u3000"));
        QVERIFY(form->art().contains(QStringLiteral("\u3000")) && !form->art().contains(QStringLiteral("▓")));
        QTRY_COMPARE(verdicts(), QStringLiteral("✓✓✓✓"));
        QCOMPARE(box->geometry(), place);
    }

    // Qt's own words come from its Chinese translation.
    void contextMenuInChinese()
    {
        QtTranslations::install();
        const std::unique_ptr<QMenu> menu(get<QTextEdit>("Text1")->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text().section(QLatin1Char('('), 0, 0);
        for (const QString &word : {QStringLiteral("撤销"), QStringLiteral("剪切"), QStringLiteral("复制"), QStringLiteral("粘贴")})
            QVERIFY2(texts.contains(word), qPrintable(texts.join(QLatin1Char(' '))));
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
    }

    void changeAndClickRules()
    {
        auto *text2 = get<QLineEdit>("Text2"), *text3 = get<QLineEdit>("Text3"), *text4 = get<QLineEdit>("Text4");
        QCOMPARE(QApplication::focusWidget(), get("Text1"));  // the window opens on the output box
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), get("Command1"));
        // Enter composes from every box.
        text3->setText(QStringLiteral("  "));
        QTest::keyClick(text3, Qt::Key_Return);
        QVERIFY(form->art().contains(QStringLiteral("  顶")));
        text4->setText(QStringLiteral("木"));
        QTest::keyClick(text4, Qt::Key_Enter);
        QVERIFY(form->art().contains(QStringLiteral("木")) && !form->art().contains(QStringLiteral("顶")));
        QTest::mouseClick(text4, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        QCOMPARE(text2->text(), QStringLiteral("顶"));
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text2->text(), QString());
        text4->setText(QStringLiteral("x"));
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("爱"));
        QApplication::sendEvent(text2, &typed);
        QCOMPARE(text4->text(), QStringLiteral("爱"));
        QCOMPARE(text3->text(), QStringLiteral("  "));
        // A second click into a non-empty Text2 empties it again, and Text4 too.
        QTest::mouseClick(text2, Qt::LeftButton);
        QCOMPARE(text4->text(), QString());
        // Moving in with Tab keeps the text.
        text3->setText(QStringLiteral("ab"));
        QTest::keyClick(text2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text3);
        QCOMPARE(text3->text(), QStringLiteral("ab"));
    }

    // A mode switch blanks the pad and keeps the text settings. The pen draws
    // only in drawing mode, and only while the left button alone is held.
    void penDrawsOnlyWhileHeld()
    {
        auto *pad = get<CanvasView>("Picture2");
        get<QCheckBox>("Check1")->setCheckState(Qt::Checked);
        get<QLineEdit>("Text2")->setText(QStringLiteral("爱"));
        click("Command1");
        QVERIFY(ink("Picture2") > 0);
        click("Option4");
        QCOMPARE(ink("Picture2") + ink("Picture1"), 0);
        QVERIFY(!get("Text2")->isEnabled() && !get("Check1")->isEnabled());
        QTest::mouseClick(pad, Qt::LeftButton, {}, gridPoint(10, 10));  // a lone click
        // Released outside the canvas: moving back in draws nothing.
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, QPoint(200, 200));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseMove(pad, gridPoint(5, 5));
        // Two buttons held, one released: the pen is up.
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mousePress(pad, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseRelease(pad, Qt::RightButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, gridPoint(6, 6));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, gridPoint(6, 6));
        QCOMPARE(ink("Picture2"), 0);
        stroke(3, 8, 5);
        click("Command1");
        QCOMPARE(form->art().count(QStringLiteral("爱")), 6);
        click("Option3");
        QCOMPARE(get<QLineEdit>("Text2")->text(), QStringLiteral("爱"));
        QVERIFY(get("Text2")->isEnabled() && get("Check1")->isEnabled());
        QCOMPARE(get<QCheckBox>("Check1")->checkState(), Qt::Checked);
        QTest::mousePress(pad, Qt::LeftButton, {}, gridPoint(2, 2));
        QTest::mouseMove(pad, gridPoint(6, 6));
        QCOMPARE(ink("Picture2"), 0);
    }

    // A file that is no picture is refused with a message; a picture becomes a drawing.
    void droppedPictures()
    {
        click("Command1");  // the pad shows the glyph in text mode
        const QImage before = pad();
        const QString notes = env->home() + QStringLiteral("/notes.txt");
        TestEnv::writeAll(notes, "not a picture\r\n");
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        drop(notes);
        QTRY_COMPARE(texts.size(), 1);
        QVERIFY2(TestEnv::chinese(texts[0]) && texts[0].contains(QStringLiteral("notes.txt")), qPrintable(texts[0]));
        QCOMPARE(pad(), before);
        drop(writeBar());
        QVERIFY(get<QRadioButton>("Option4")->isChecked() && !get("Text2")->isEnabled());
        click("Command1");
        QCOMPARE(form->art().count(QStringLiteral("顶")), 9 * 20);  // the bar, across the sampled cells
    }

    void padHistory_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("sameAsAfter");  // the step whose pad (and art) comes back; -1: empty pad
        auto steps = [](const char *list) { return QString::fromUtf8(list).split(QLatin1Char(',')); };
        QTest::newRow("stroke, undo, compose") << steps("draw,stroke 5,compose,stroke 10,undo,compose") << 2;
        // The bar lies across the middle of the pad: the stroke goes along its top.
        QTest::newRow("undo twice after a drop and a stroke") << steps("drop,stroke 1,undo,undo") << -1;
        QTest::newRow("redo brings them back") << steps("drop,stroke 1,undo,undo,redo,redo") << 1;
        QTest::newRow("a composition keeps the history") << steps("drop,compose,stroke 1,compose,undo,undo") << -1;
        QTest::newRow("a new stroke ends redo") << steps("draw,stroke 5,undo,stroke 10,redo") << 3;
        QTest::newRow("nothing to undo after a mode switch") << steps("draw,stroke 5,text,draw,undo,redo") << 3;
        QTest::newRow("no step in text mode") << steps("stroke 5,compose,undo") << 1;
        QTest::newRow("a text box keeps its own undo") << steps("draw,stroke 5,stroke 10,box undo") << 2;
        // The keys reach the pad from the button just clicked.
        QTest::newRow("undo right after 拼字") << steps("draw,stroke 5,stroke 10,click 拼字,undo") << 1;
        QTest::newRow("redo right after 拼字") << steps("draw,stroke 5,stroke 10,undo,click 拼字,redo") << 2;
    }

    void padHistory()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, sameAsAfter);
        const QString bar = writeBar();
        auto *text3 = get<QLineEdit>("Text3");
        const QHash<QString, std::function<void()>> actions{
            {QStringLiteral("draw"), [&] { click("Option4"); }},
            {QStringLiteral("text"), [&] { click("Option3"); }},
            {QStringLiteral("stroke 1"), [&] { stroke(2, 8, 1); }},
            {QStringLiteral("stroke 5"), [&] { stroke(2, 8, 5); }},
            {QStringLiteral("stroke 10"), [&] { stroke(2, 8, 10); }},
            {QStringLiteral("drop"), [&] { drop(bar); }},
            {QStringLiteral("compose"), [&] { click("Command1"); }},
            {QStringLiteral("click 拼字"), [&] {
                 QTest::mouseClick(get("Command1"), Qt::LeftButton);
                 QCOMPARE(QApplication::focusWidget(), get("Command1"));
             }},
            {QStringLiteral("undo"), [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }},
            {QStringLiteral("redo"), [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier); }},
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

    void pastes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("named");  // the box the message names; none when composed
        const QString megabyte(1 << 20, u'木');
        QTest::newRow("glyph text, a megabyte") << "Text2" << megabyte << QString();
        QTest::newRow("background text, a megabyte") << "Text3" << megabyte << QStringLiteral("背景字");
        QTest::newRow("line breaks in the background") << "Text3" << QString(1600, u'\n') << QStringLiteral("背景字");
        QTest::newRow("line separators in the foreground") << "Text4" << QString(1600, QChar(0x2028))
                                                          << QStringLiteral("前景字");
        QTest::newRow("tab in the glyph") << "Text2" << QStringLiteral("a\tb") << QStringLiteral("图形字");
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
        if (box == QStringLiteral("Text2"))
            get<QLineEdit>("Text4")->setText(QStringLiteral("顶"));
        const QStringList texts = messages(named.isEmpty() ? 0 : 1, [this] { click("Command1"); });
        QCOMPARE(texts.size(), named.isEmpty() ? 0 : 1);
        QVERIFY(named.isEmpty() || texts[0].contains(named));
        QCOMPARE(form->art() == art, !named.isEmpty());
        QCOMPARE(form->art().count(QStringLiteral("\r\n")), 21);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
