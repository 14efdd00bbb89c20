// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The pad from the keyboard and for screen readers: Tab reaches it, Delete
// clears it (a step that Undo takes back), and its description follows the
// mode.
#include "form1.h"

#include "accessibility.h"
#include "canvasview.h"

#include <QAction>
#include <QLineEdit>

void Form1::setUpPadKeys()
{
    m_padClear = new QAction(QStringLiteral("清空(&L)"), Picture2);
    m_padClear->setShortcuts({QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)});
    m_padClear->setShortcutContext(Qt::WidgetShortcut);
    m_padClear->setStatusTip(QStringLiteral("擦掉绘图区上画的和放入的一切"));
    Picture2->addAction(m_padClear);
    connect(m_padClear, &QAction::triggered, this, &Form1::Picture2_Clear);
    describePad();
}

void Form1::describePad()
{
    const bool drawing = !Text2->isEnabled();
    m_padClear->setEnabled(drawing);
    Picture2->setAccessibleDescription(drawing ? QStringLiteral("绘图区：按住鼠标左键画，Ctrl+Z 撤销，Delete 清空")
                                               : QStringLiteral("绘图区：显示拼字用的图形；选“绘图模式”后可以画"));
}

void Form1::Picture2_Clear()
{
    const QImage before = m_large.snapshot();
    m_large.setBackgroundPicture(QImage());
    if (m_large.image() == before)
        return;
    m_padHistory.record(before);
    m_strokeRecorded = false;
    updatePadActions();
    Accessibility::announce(this, QStringLiteral("已清空绘图区"));
}
