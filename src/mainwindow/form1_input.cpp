// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The input boxes, the drawing pad and its modes, and the commands.
#include "form1.h"

#include "accessibility.h"
#include "alignmentwindow.h"
#include "artexport.h"
#include "canvasview.h"
#include "desktop.h"
#include "dialogs.h"
#include "frmabout.h"
#include "outputwindows.h"
#include "specialchars.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <utility>

// Lines typed or pasted into the output box take the art's pitch too, so the
// box keeps showing 21 of them. The document takes no format change while it
// reports one: the lines are set right once it is done.
void Form1::Text1_Change(int position, int, int added)
{
    QTextDocument *document = Text1->document();
    const QTextBlock last = document->findBlock(position + added);
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        if (block.blockFormat().lineHeightType() != QTextBlockFormat::FixedHeight) {
            QTimer::singleShot(0, this, [document] {
                QTextCursor lines(document);
                lines.select(QTextCursor::Document);
                lines.mergeBlockFormat(artLines());
            });
            return;
        }
        if (block == last)
            return;
    }
}

void Form1::Text2_Change()
{
    Text4->setText(Text2->text());
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture2 && event->type() == QEvent::ContextMenu)
        return padContextMenu(event);
    // A click is the left button; the right one keeps its menu (to paste).
    const auto *mouse = dynamic_cast<QMouseEvent *>(event);
    if (!mouse || mouse->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        // A click into a box empties it, every time; Tab into it does not.
        if (watched == Text2 || watched == Text3 || watched == Text4)
            static_cast<QLineEdit *>(watched)->clear();
    } else if (event->type() == QEvent::MouseButtonRelease && watched == Picture3) {
        if (Picture3->rect().contains(mouse->position().toPoint()))
            Picture3_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Picture3_Click()
{
    QString why;
    if (!SpecialChars::writeAndOpen(this, &why))
        Dialogs::message(this, QStringLiteral("无法写入特殊字符列表：%1").arg(why), QStringLiteral("错误提示"),
                         QMessageBox::Warning);
}

void Form1::Option3_Click()
{
    Text2->setEnabled(true);
    m_large.setBackgroundPicture(QImage());
    m_small.clear();
    Check1->setEnabled(true);
    forgetPadHistory();
    describePad();
}

void Form1::Option4_Click()
{
    Text2->setEnabled(false);
    m_small.clear();
    m_large.setBackgroundPicture(QImage());
    Check1->setEnabled(false);
    forgetPadHistory();
    describePad();
}

void Form1::Picture2_MouseDown(Qt::MouseButton, QPointF position)
{
    m_penDown = true;
    m_penAt = position;
    m_strokeRecorded = false;
}

// The pen draws on from where it was, so a fast drag, whose moves arrive far
// apart, is one whole line as a slow one is.
void Form1::Picture2_MouseMove(QPointF position)
{
    if (!m_penDown || Text2->isEnabled())
        return;
    const QPointF from = std::exchange(m_penAt, position);
    if (m_strokeRecorded) {
        m_large.line(from.x(), from.y(), position.x(), position.y());
        return;
    }
    // The stroke becomes a step with its first line that changes the pad.
    const QImage before = m_large.snapshot();
    m_large.line(from.x(), from.y(), position.x(), position.y());
    if (m_large.image() != before) {
        m_padHistory.record(before);
        m_strokeRecorded = true;
        updatePadActions();
    }
}

void Form1::Picture2_MouseUp()
{
    m_penDown = false;
}

void Form1::Command2_Click()
{
    const QString text = art();
    if (text.isEmpty())
        return;
    Text1->selectAll();
    Desktop::copyText(text, ArtExport::htmlPage(text));
    Accessibility::announce(this, QStringLiteral("已把拼出的文字复制到剪贴板"));
}

void Form1::Command3_Click()
{
    m_outputs->showSaveText();
}

void Form1::Command4_Click()
{
    m_outputs->showImageView();
}

void Form1::Command5_Click()
{
    if (!m_about) {
        m_about = new frmAbout();
        m_about->placeOver(this);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::Command6_Click()
{
    close();
}

void Form1::Text1_ContextMenu(const QPoint &position)
{
    QMenu *menu = Text1->createStandardContextMenu(position);
    menu->addSeparator();
    menu->addAction(m_alignmentCheck);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(Text1->viewport()->mapToGlobal(position));
}

// The check of the texts the next composition takes; a replacement goes into
// its box and the art is composed again with it.
void Form1::showAlignmentCheck()
{
    if (!m_alignment) {
        m_alignment = new AlignmentWindow(this);
        connect(m_alignment, &AlignmentWindow::replacementChosen, this, &Form1::Alignment_Replace);
    }
    m_alignment->check(Text4->text(), Text3->text());
    m_alignment->show();
    m_alignment->raise();
    m_alignment->activateWindow();
}

void Form1::Alignment_Replace(bool background, const QString &text)
{
    (background ? Text3 : Text4)->setText(text);
    Command1_Click();
    m_alignment->check(Text4->text(), Text3->text());
}
