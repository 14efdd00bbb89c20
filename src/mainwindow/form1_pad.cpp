// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing pad's history and the pictures dropped on it: every stroke and
// every dropped picture is one step that Undo takes back and Redo restores.
#include "form1.h"

#include "canvasview.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace {
// The platform's keys for the action, and the other common ones.
QList<QKeySequence> withAlternatives(QKeySequence::StandardKey key, const QList<QKeySequence> &alternatives)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    for (const QKeySequence &alternative : alternatives)
        if (!keys.contains(alternative))
            keys << alternative;
    return keys;
}
}

void Form1::setUpPad()
{
    // The pad takes the keyboard focus when clicked, drawn on or reached by Tab.
    // Its undo and redo keys work wherever the focus is in the window but in a
    // text box, which keeps its own undo: right after 拼字 too.
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Picture2->setAcceptDrops(true);

    m_padUndo = new QAction(QStringLiteral("撤销(&U)"), Picture2);
    m_padUndo->setShortcuts(QKeySequence::Undo);
    m_padUndo->setStatusTip(QStringLiteral("撤销绘图区的上一笔或放入的图片"));
    m_padRedo = new QAction(QStringLiteral("重做(&R)"), Picture2);
    m_padRedo->setShortcuts(withAlternatives(
        QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    m_padRedo->setStatusTip(QStringLiteral("恢复绘图区刚撤销的一步"));
    for (QAction *action : {m_padUndo, m_padRedo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        Picture2->addAction(action);
    }
    connect(qApp, &QApplication::focusChanged, this, &Form1::updatePadActions);
    connect(m_padUndo, &QAction::triggered, this, &Form1::Picture2_Undo);
    connect(m_padRedo, &QAction::triggered, this, &Form1::Picture2_Redo);
    setUpPictureActions();
    // Handled once the drop is over, so a message does not hold up the file
    // manager that the picture came from.
    connect(Picture2, &CanvasView::filesDropped, this, &Form1::Picture2_FilesDropped, Qt::QueuedConnection);
    Picture2->installEventFilter(this);
    updatePadActions();
}

bool Form1::padContextMenu(QEvent *event)
{
    // Every mouse button draws on the pad, so only the keyboard's menu key
    // opens the menu there.
    const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
        QMenu menu(Picture2);
        menu.addAction(m_padUndo);
        menu.addAction(m_padRedo);
        menu.addAction(m_padClear);
        addPictureActions(menu);
        menu.exec(Picture2->mapToGlobal(Picture2->rect().center()));
    }
    return true;
}

void Form1::updatePadActions()
{
    // A disabled action leaves its keys to the focused widget.
    const QWidget *focus = QApplication::focusWidget();
    const bool inTextBox = qobject_cast<const QLineEdit *>(focus) || qobject_cast<const QTextEdit *>(focus);
    m_padUndo->setEnabled(!inTextBox && m_padHistory.canUndo());
    m_padRedo->setEnabled(!inTextBox && m_padHistory.canRedo());
}

void Form1::restorePad(const QImage &drawing)
{
    if (drawing.isNull())
        return;
    m_large.setBackgroundPicture(drawing);
    m_strokeRecorded = false;  // what the pen draws next is a step of its own
    updatePadActions();
}

void Form1::forgetPadHistory()
{
    m_padHistory.clear();
    m_strokeRecorded = false;
    updatePadActions();
}

void Form1::Picture2_Undo()
{
    restorePad(m_padHistory.undo(m_large.snapshot()));
}

void Form1::Picture2_Redo()
{
    restorePad(m_padHistory.redo(m_large.snapshot()));
}

void Form1::openArgument(const QString &argument, const QByteArray &native)
{
    // A name in another encoding than the system's (GBK from an old disk) is
    // found by its bytes.
    const QByteArray bytes = native.isEmpty() ? Files::native(argument) : native;
    if (Files::exists(bytes)) {
        Picture2_FilesDropped({{Files::shownName(bytes), bytes}});
        return;
    }
    Text2->setText(argument);
    Command1_Click();
}

void Form1::Picture2_FilesDropped(const QList<Files::Entry> &files)
{
    // One picture at a time: the first file dropped.
    placePicture(files.value(0));
}
