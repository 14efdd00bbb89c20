// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The composition as the main window runs it: its inputs come from the boxes,
// the art goes into Text1 row by row.
#include "form1.h"

#include "accessibility.h"
#include "composer.h"
#include "dialogs.h"
#include "gridgeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

void Form1::Command1_Click()
{
    CompositionInput input;
    input.glyph = Text2->text();
    input.foreground = Text4->text();
    input.background = Text3->text();
    input.fontName = Combo1->currentText();
    input.bold = Check2->checkState() == Qt::Checked;
    input.shrink = Check1->checkState() == Qt::Checked;
    input.textMode = Text2->isEnabled();
    input.pictureCells = m_padHistory.cells();

    // The document takes the art row by row; the view lays it out once.
    QTextCursor cursor;
    Composer composer(m_small, m_large);
    const Composer::Result result = composer.run(
        input, &m_snapshot,
        [this, &cursor] {
            cursor = QTextCursor(Text1->document());
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.removeSelectedText();
            cursor.setBlockFormat(artLines());
        },
        [this, &cursor](int row, const QString &rowText) {
            cursor.insertText(rowText);
            ProgressBar1->setValue(row);
        });
    if (!cursor.isNull())
        cursor.endEditBlock();

    switch (result.failure) {
    case Composer::Failure::None:
        Accessibility::announce(this, QStringLiteral("已拼好：%1 行文字在“%2”框中")
                                          .arg(GridGeometry().cells)
                                          .arg(Text1->accessibleName()));
        break;
    case Composer::Failure::WorkFile:
        showCompositionFailure(QStringLiteral("无法读写工作文件%1").arg(result.detail));
        break;
    case Composer::Failure::BadText:
        showCompositionFailure(result.detail);
        break;
    case Composer::Failure::TooLarge:
        showCompositionFailure(QStringLiteral("前景字或背景字太长或太复杂（如大量组合符号、左右书写方向混排），"
                                              "拼出的文字排版太慢，请缩短后再试。"));
        break;
    }
}

void Form1::showCompositionFailure(const QString &text)
{
    Dialogs::message(this, text, QStringLiteral("错误提示"), QMessageBox::Information);
}
