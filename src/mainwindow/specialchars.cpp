// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "specialchars.h"

#include "dialogs.h"
#include "workfiles.h"

QStringList SpecialChars::lines()
{
    return {
        QStringLiteral("☆ ★ ○ ● ◎ ◇ ◆ □ ■ △"),
        QStringLiteral("▲ → ← ↑ ↓ 〓 【 】╀ ╁"),
        QStringLiteral("◥ ◣ ◢ ◤ ∴ ﹌ ╬ ╩ ㊣ ▓"),
        QStringLiteral("∏ ¤ 囙 囜 囝 囟 因 囡 団 囤"),
        QStringLiteral("囥 囦 囧 囨 囩 囱 囫 回 囮 囲"),
        QString(),
        QString(),
        QStringLiteral("选择以上一个字体，复制，然后粘贴到前景字文本框中，单击拼字看一下效果吧！"),
    };
}

bool SpecialChars::writeAndOpen(QWidget *parent, QString *error)
{
    return Dialogs::writeAndOpen(parent, WorkFiles::path(WorkFiles::CharList), lines(), error);
}
