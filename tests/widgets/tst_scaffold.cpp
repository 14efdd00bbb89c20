// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Every designed window keeps its designed fonts, and every caption fits its control, whatever font,
// style and colours the desktop sets.
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "testenv.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// What a font looks like, for comparing.
QString face(const QFont &font)
{
    return u"%1 %2 px, weight %3%4%5"_s.arg(font.family()).arg(font.pixelSize()).arg(font.weight())
        .arg(font.italic() ? u", italic"_s : QString(), font.underline() ? u", underlined"_s : QString());
}

// The colour a control's text lies on: the first of it and its containers that paints its background.
QColor surface(const QWidget *control)
{
    while (!control->autoFillBackground() && !control->isWindow())
        control = control->parentWidget();
    return control->palette().color(control->backgroundRole());
}

// Why the control's caption does not show whole in its own font; empty when it does. The caption
// goes where the style puts it beside indicator or bevel, or into a label's contents.
QString clipped(QWidget *control)
{
    auto *label = qobject_cast<QLabel *>(control);
    if (label && label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        return needed > label->height() ? u"needs %1 px of height"_s.arg(needed) : QString();
    }
    QString text;
    QRect room;
    QStyleOptionButton option;
    option.initFrom(control);
    if (label) {
        text = label->text();
        room = label->contentsRect();
    } else if (auto *box = qobject_cast<QGroupBox *>(control)) {
        QStyleOptionGroupBox groupOption;
        groupOption.initFrom(box);
        groupOption.text = text = box->title();
        groupOption.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        room = box->style()->subControlRect(QStyle::CC_GroupBox, &groupOption, QStyle::SC_GroupBoxLabel, box);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        option.text = text = button->text();
        const auto element = qobject_cast<QCheckBox *>(control)      ? QStyle::SE_CheckBoxContents
                             : qobject_cast<QRadioButton *>(control) ? QStyle::SE_RadioButtonContents
                                                                     : QStyle::SE_PushButtonContents;
        room = control->style()->subElementRect(element, &option, control);
    }
    text.remove(u'&');
    if (text.isEmpty())
        return {};
    const int width = QFontMetrics(control->font()).horizontalAdvance(text);
    return width > room.width() ? u"%1 px wide in %2"_s.arg(width).arg(room.width()) : QString();
}
}

class TestScaffold : public QObject
{
    Q_OBJECT
private slots:
    void designedWindowsHold_data()
    {
        QTest::addColumn<int>("desktopPoints");
        QTest::addColumn<bool>("dark");
        for (int points : {9, 11, 14})
            for (bool dark : {false, true})
                QTest::addRow("%d pt, %s", points, dark ? "dark" : "light") << points << dark;
    }

    void designedWindowsHold()
    {
        QFETCH(int, desktopPoints);
        QFETCH(bool, dark);
        TestEnv env;
        // What a desktop theme does once the program has set its fonts: its own style, palette and
        // fonts, for the whole program and for kinds of control.
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        const QColor darkGrey(0x35, 0x35, 0x35);  // the rest follows: white text, black boxes
        QApplication::setPalette(dark ? QPalette(darkGrey, darkGrey) : QApplication::style()->standardPalette());
        const QFont desktop(u"DejaVu Serif"_s, desktopPoints, QFont::DemiBold, true);
        QApplication::setFont(desktop);
        for (const char *kind : {"QLabel", "QAbstractButton", "QGroupBox"})
            QApplication::setFont(desktop, kind);

        // The designed fonts other than 宋体 9 pt.
        QFont underlined = Fonts::defaultFont();
        underlined.setUnderline(true);
        const QHash<QString, QFont> fonts{
            {"Form1/Picture3", Fonts::designed(u"宋体"_s, 10.5)},
            {"Form2/Label2", Fonts::kaiti(24, true)}, {"Form2/Label3", Fonts::kaiti(24, true)},
            {"Form2/Label8", Fonts::kaiti(18, false)}, {"Form2/Label7", underlined},
            {"Form4/Command1", Fonts::kaiti(21.75, true)}, {"Form4/Command2", Fonts::kaiti(21.75, true)},
            {"Form5/Command1", Fonts::kaiti(18, true)}, {"Form5/Command2", Fonts::kaiti(18, true)},
        };

        Form2 splash;
        Form1 main;
        const auto closeOthers = qScopeGuard([] {
            QList<QPointer<QWidget>> others;
            for (QWidget *window : QApplication::topLevelWidgets())
                if (QStringList({"Form3", "Form4", "Form5", "frmAbout"}).contains(window->objectName()))
                    others << window;
            for (const QPointer<QWidget> &window : others)
                delete window.data();
        });
        main.show();
        for (const char *button : {"Command3", "Command4", "Command5"})  // save, image view, About
            main.findChild<QPushButton *>(button)->click();
        TestEnv::window<Form3>()->findChild<QPushButton *>("Command3")->click();  // the combination window

        QStringList windows;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName().isEmpty())
                continue;
            windows << window->objectName();
            for (QWidget *control : window->findChildren<QWidget *>()) {
                if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"_s))
                    continue;
                const QString name = window->objectName() + u'/' + control->objectName();
                QVERIFY2(face(control->font()) == face(fonts.value(name, Fonts::defaultFont())),
                         qPrintable(name + u": "_s + face(control->font())));
                const QString why = clipped(control);
                QVERIFY2(why.isEmpty(), qPrintable(name + u": "_s + why));
                if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty())
                    QVERIFY2(control->palette().color(control->foregroundRole()) != surface(control),
                             qPrintable(name + u": text in the colour it lies on"_s));
            }
        }
        windows.sort();
        QCOMPARE(windows, QStringList({"Form1", "Form2", "Form3", "Form4", "Form5", "frmAbout"}));
    }
};

QTEST_MAIN(TestScaffold)
#include "tst_scaffold.moc"
