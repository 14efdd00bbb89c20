// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmabout.h"

#include "appicon.h"
#include "dialogs.h"
#include "scaffold.h"
#include "usagetips.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {
QLabel *blueLabel(QWidget *parent, const char *name, QRect geometry, const QString &text, bool wrap = false)
{
    QLabel *label = Scaffold::label(parent, name, geometry, text);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Scaffold::setTextColor(label, QColor(0, 0, 255));
    return label;
}

void line(QWidget *parent, const char *name, QRect geometry, const QColor &color)
{
    Scaffold::setBackColor(Scaffold::place<QWidget>(parent, name, geometry), color);
}
}

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog frame with a close box, kept out of the task bar.
    Scaffold::setUp(this, "frmAbout", QStringLiteral("关于Tessellon加强版"), Scaffold::Frame::Dialog,
                    QSize(5730, 3555));
    // A tool window does not keep the program running by itself; this one
    // must: the program ends with its last window, this one included.
    setAttribute(Qt::WA_QuitOnClose, true);
    setModal(false);
    // Opened from no window: always the same place on the screen.
    setGeometry(QRect(QPoint(twips(2340), twips(1935)), size()));

    auto *Image1 = Scaffold::place<QLabel>(this, "Image1", twips(120, 480, 720, 720));
    Image1->setPixmap(AppIcon::picture48());
    Image1->setScaledContents(true);

    blueLabel(this, "lblTitle", twips(1050, 120, 3885, 240), QStringLiteral("Tessellon加强版  MadeBy：Tessellon"));
    blueLabel(this, "lblVersion", twips(1050, 411, 3885, 225), QStringLiteral("版本 v" TESSELLON_VERSION));
    blueLabel(this, "Label2", twips(1050, 687, 4455, 255), QStringLiteral("软件作者：Tessellon开发组，用心拼好每一个字"));
    blueLabel(this, "Label1", twips(1050, 993, 3975, 255), QStringLiteral("我的邮箱：tessellon@example.org"));
    blueLabel(this, "lblDescription", twips(1050, 1320, 3885, 210), QStringLiteral("Tessellon加强版："));
    // The description wraps to four lines: set them as close as 宋体's, and let
    // the label reach down to the separator so the last line is not cut.
    QLabel *description = blueLabel(
        this, "Label3", QRect(twips(1050), twips(1560), twips(3975), twips(2445) - twips(1560) - 3),
        QStringLiteral("本软件是一款以字或以图拼图(文字图形)的工具，可以在聊天时使用。本软件的图像功能可以将最终拼出来的文字以图形的形式展现出来。总之此软件是一款很好完的拼字软件。"),
        true);
    description->setText(QStringLiteral("<p style=\"line-height: 80%\">%1</p>").arg(description->text()));
    line(this, "Line1(1)", QRect(twips(90), twips(2445), twips(5654) - twips(90) + 1, 1), QColor(0x80, 0x80, 0x80));
    line(this, "Line1(0)", QRect(twips(105), twips(2460), twips(5654) - twips(105) + 1, 2), Qt::white);
    blueLabel(this, "lblDisclaimer", twips(255, 2625, 3630, 825),
              QStringLiteral("本软件按现状提供，不附带任何明示或暗示的担保；使用本软件所产生的一切后果由使用者自行承担。"),
              true);

    cmdOK = Scaffold::button(this, "cmdOK", twips(4125, 2640, 1500, 345), QStringLiteral("确定(&S)"));
    Command1 = Scaffold::button(this, "Command1", twips(4125, 3120, 1500, 345), QStringLiteral("更多(&M)"));
    setTabOrder(cmdOK, Command1);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
}

void frmAbout::placeOver(const QWidget *window)
{
    QRect place(QPoint(), frameGeometry().size());
    place.moveCenter(window->frameGeometry().center());
    if (const QScreen *screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        place.moveLeft(std::max(area.left(), std::min(place.left(), area.right() + 1 - place.width())));
        place.moveTop(std::max(area.top(), std::min(place.top(), area.bottom() + 1 - place.height())));
    }
    move(place.topLeft());
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::Command1_Click()
{
    QString why;
    if (!UsageTips::writeAndOpen(this, &why))
        Dialogs::message(this, QStringLiteral("无法写入使用技巧文件：%1").arg(why), QStringLiteral("错误提示"),
                         QMessageBox::Warning);
}
