// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usagetips.h"

#include "artdefaults.h"
#include "dialogs.h"
#include "fonts.h"
#include "workfiles.h"

QStringList UsageTips::lines()
{
    return {
        QStringLiteral("有关Tessellon的更多使用帮助："),
        QStringLiteral("1.推荐使用全角空格“%1”作为背景字，将背景设置为白色，效果更好；半角空格在聊天软件里会被合并或删掉，"
                       "拼出的字就歪了。")
            .arg(ArtDefaults::RecommendedBackground),
        QStringLiteral("2.推荐使用“幼圆”＋“粗体”和“隶书”＋“正常”，拼字效果会更好。字体安装方法：下载想要的字体复制到%1即可。")
            .arg(Fonts::installPlace()),
        QStringLiteral("3.单击主窗体上的★可以打开特殊字符列表，使用特殊字符拼字效果更好。"),
        QStringLiteral("4.将鼠标停留在窗体的控件上会显示此按钮的帮助信息。"),
        QStringLiteral("5.想要再次使用绘图，请单击文本模式再单击绘图模式。"),
        QString(),
        QString(),
        QStringLiteral("本软件由Tessellon开发组制作，感谢您的使用！"),
        QStringLiteral("如有意见或建议，欢迎来信：tessellon@example.org"),
    };
}

bool UsageTips::writeAndOpen(QWidget *parent, QString *error)
{
    return Dialogs::writeAndOpen(parent, WorkFiles::path(WorkFiles::Tips), lines(), error);
}
