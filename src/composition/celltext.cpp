// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "celltext.h"

namespace {
bool breaksTheRow(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return QChar::isNonCharacter(c);  // the text document's own frame marks among them
    }
}

QString describe(char32_t c)
{
    switch (c) {
    case U'\t':
        return QStringLiteral("制表符");
    case U'\n':
    case U'\r':
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return QStringLiteral("换行符");
    default:
        return QStringLiteral("控制字符");
    }
}
}

QString CellText::name(Box box)
{
    switch (box) {
    case Box::Glyph:
        return QStringLiteral("图形字");
    case Box::Foreground:
        return QStringLiteral("前景字");
    case Box::Background:
        break;
    }
    return QStringLiteral("背景字");
}

QString CellText::refusal(const QString &text, Box box)
{
    if (text.size() > MaxLength)
        return QStringLiteral("%1太长（%2 个字符），最多 %3 个字符。").arg(name(box)).arg(text.size()).arg(MaxLength);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (breaksTheRow(c))
            return QStringLiteral("%1里有%2（U+%3），拼出的文字会在格子里断行，请删去后再试。")
                .arg(name(box), describe(c), QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
    }
    return {};
}
