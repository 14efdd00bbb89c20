// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window as a screen reader and the keyboard reach it: focusable controls named, names and roles a person
// would say, titles; Tab, the pad's keys, the star button; results announced; the font list.
#include "alignmentwindow.h"
#include "canvasview.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "frmabout.h"
#include "picturearea.h"
#include "testenv.h"

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// "role:name" of every control a screen reader reaches (a combo box by its label: its name is its text on
// Linux); the focusable ones without a name.
void walk(QAccessibleInterface *node, QStringList *controls, QStringList *unnamed)
{
    static const QHash<QAccessible::Role, QString> roles{
        {QAccessible::EditableText, u"text"_s}, {QAccessible::ComboBox, u"combo"_s},
        {QAccessible::Canvas, u"canvas"_s},     {QAccessible::Button, u"button"_s},
        {QAccessible::CheckBox, u"check"_s},    {QAccessible::RadioButton, u"radio"_s},
        {QAccessible::List, u"list"_s},         {QAccessible::Tree, u"tree"_s},
        {QAccessible::ProgressBar, u"progress"_s}};
    const QAccessible::State state = node->state();
    QString name = node->text(QAccessible::Name);
    if (state.focusable && !state.invisible && name.trimmed().isEmpty())
        *unnamed << node->object()->objectName();
    if (const auto labels = node->relations(QAccessible::Label); node->role() == QAccessible::ComboBox && !labels.isEmpty())
        name = labels.first().first->text(QAccessible::Name);
    *controls << roles.value(node->role()) + u':' + name;
    if (node->role() != QAccessible::List && node->role() != QAccessible::Tree)  // entries are data
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), controls, unnamed);
}

QString description(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}
}

class TestAccess : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<Form1> form;
    QWidget *get(const char *name, QWidget *in = nullptr) { return (in ? in : form.get())->findChild<QWidget *>(name); }
    void click(const char *button, QWidget *in = nullptr) { static_cast<QAbstractButton *>(get(button, in))->click(); }

    QWidget *open(const QString &which)
    {
        if (which == u"splash"_s)
            return new Form2;
        if (which == u"alignment"_s)
            QTest::keyClick(form.get(), Qt::Key_F7);
        if (which == u"about"_s || which == u"save"_s || which == u"image"_s || which == u"combine"_s)
            click(which == u"about"_s ? "Command5" : which == u"save"_s ? "Command3" : "Command4");
        if (which == u"combine"_s)
            click("Command3", TestEnv::window<Form3>());
        const QHash<QString, QWidget *> windows{
            {u"main"_s, form.get()}, {u"alignment"_s, TestEnv::window<AlignmentWindow>()},
            {u"about"_s, TestEnv::window<frmAbout>()}, {u"save"_s, TestEnv::window<Form4>()},
            {u"image"_s, TestEnv::window<Form3>()}, {u"combine"_s, TestEnv::window<Form5>()}};
        return windows.value(which);
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
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != form.get() && window->isWindow())
                window->deleteLater();
        form.reset();
        env.reset();
    }

    void everyControlNamed_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("expected");  // among others
        QTest::newRow("main") << u"main"_s
                              << QStringList{u"text:图形字"_s, u"text:前景字"_s, u"text:背景字"_s,
                                             u"combo:请选择一种字体："_s, u"text:请选择一种字体"_s,
                                             u"text:拼出的文字"_s, u"canvas:绘图区"_s, u"canvas:缩略图"_s,
                                             u"button:特殊字符列表"_s, u"button:拼字"_s, u"check:做为缩略图处理"_s,
                                             u"radio:绘图模式"_s, u"progress:制作进度"_s};
        QTest::newRow("image view") << u"image"_s << QStringList{u"canvas:拼出的文字的图片"_s, u"button:设置"_s};
        QTest::newRow("save") << u"save"_s << QStringList{u"tree:文件夹"_s, u"text:文件名"_s, u"button:取消(C)"_s};
        QTest::newRow("combination") << u"combine"_s << QStringList{u"tree:文件夹"_s, u"list:图片文件"_s};
        QTest::newRow("about") << u"about"_s << QStringList{u"button:确定"_s, u"button:更多"_s};
        QTest::newRow("alignment check") << u"alignment"_s << QStringList{u"button:关闭"_s};
        QTest::newRow("splash") << u"splash"_s << QStringList{};
    }

    void everyControlNamed()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, expected);
        QWidget *shown = open(window);
        QVERIFY(shown && !shown->windowTitle().trimmed().isEmpty());
        shown->show();
        QStringList controls, unnamed;
        walk(QAccessible::queryAccessibleInterface(shown), &controls, &unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
        for (const QString &control : expected)
            QVERIFY2(controls.contains(control), qPrintable(control + u" not in "_s + controls.join(u' ')));
    }

    // Results that open no window are told as the focused control's description, which comes back after.
    void announcements()
    {
        get("Command1")->setFocus();
        click("Command1");
        QVERIFY(description(get("Command1")).contains(u"21 行"_s));
        get("Command2")->setFocus();
        click("Command2");
        QVERIFY(description(get("Command2")).contains(u"复制"_s));
        QCOMPARE(description(get("Command1")), u"制作图形文字"_s);
        click("Option4");
        QVERIFY(description(get("Picture2")).startsWith(u"绘图区：按住鼠标左键画，Ctrl+Z 撤销"_s));

        QWidget *view = open(u"image"_s);
        Modal::prompt(u"4"_s);
        Modal::prompt(u"5"_s);
        click("Command2", view);
        QCOMPARE(description(get("Picture1", view)),
                 u"黄色字，蓝色底，%1×%2 像素"_s.arg(PictureArea::Size.width()).arg(PictureArea::Size.height()));
    }

    // Tab goes through every control in the designed order, the pad and the star too; Delete clears the pad
    // and Undo brings the drawing back; Space on the star opens the list, as a screen reader's press does;
    // Alt and a caption's letter presses its button; Esc closes the save window.
    void keyboard()
    {
        get("Text1")->setFocus();
        QStringList order;
        while (!order.contains(QApplication::focusWidget()->objectName()) && order.size() < 20) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(u' '), u"Text1 Command1 Command2 Command3 Command4 Command5 Command6 Text2 Text3 Text4 "
                                   "Picture2 Option3 Combo1 Check1 Check2 Picture3"_s);

        click("Option4");
        auto *pad = static_cast<CanvasView *>(get("Picture2"));
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(20, 50));
        QTest::mouseMove(pad, QPoint(90, 50));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(90, 50));
        const QImage drawn = pad->canvas()->image();
        QTest::keyClick(pad, Qt::Key_Delete);
        QCOMPARE(TestEnv::count(pad->canvas()->image(), 0), 0);
        QTest::keyClick(pad, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pad->canvas()->image(), drawn);

        QTest::keyClick(get("Picture3"), Qt::Key_Space);
        QAccessibleInterface *star = QAccessible::queryAccessibleInterface(get("Picture3"));
        star->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(env->opened().size(), 2);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);  // 拼字(&P)
        QTRY_COMPARE(form->art().count(u"\r\n"_s), 21);  // the button shows itself pressed first
        QPointer<QWidget> save = open(u"save"_s);
        QVERIFY(QTest::qWaitForWindowActive(save));
        QTest::keyClick(save, Qt::Key_Escape);
        QTRY_VERIFY(!save);
    }

    // The font list opens as wide as its longest name; the box keeps its designed place and size.
    void fontListShowsWholeNames()
    {
        auto *fonts = static_cast<QComboBox *>(get("Combo1"));
        const QRect designed = fonts->geometry();
        int widest = 0;
        for (int i = 0; i < fonts->count(); ++i)
            widest = qMax(widest, fonts->view()->fontMetrics().horizontalAdvance(fonts->itemText(i)));
        QVERIFY(widest > designed.width());
        fonts->showPopup();
        QTRY_VERIFY(fonts->view()->isVisible());
        QVERIFY(fonts->view()->viewport()->width() >= widest);
        fonts->hidePopup();
        QCOMPARE(fonts->geometry(), designed);
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
