// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alignmentwindow.h"

#include "accessibility.h"
#include "alignmentcheck.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Longer texts are shown by their start and their length: the window stays on
// the screen whatever the cells hold.
constexpr int MaxShown = 12;

// A text in quotes; blank ones, which would look alike, by what they are.
QString shown(const QString &text)
{
    if (text.size() > MaxShown) {
        const qsizetype cut = text[MaxShown - 1].isHighSurrogate() ? MaxShown - 1 : MaxShown;
        return QStringLiteral("“%1…”（共 %2 个字符）").arg(text.left(cut)).arg(text.size());
    }
    if (!text.trimmed().isEmpty())
        return QStringLiteral("“%1”").arg(text);
    if (text == QStringLiteral("\u3000"))
        return QStringLiteral("全角空格");
    if (!text.isEmpty() && text.count(QLatin1Char(' ')) == text.size())
        return QStringLiteral("%1 个空格").arg(text.size());
    return QStringLiteral("“%1”").arg(text);
}
}

AlignmentWindow::AlignmentWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("对齐检查"));
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    layout->addWidget(m_heading);
    m_rows = new QWidget(this);
    layout->addWidget(m_rows);
    auto *note = new QLabel(QStringLiteral("终端按列计宽；字体按 %1 像素的字号计宽，相差不到半个像素即算对齐。")
                                .arg(AlignmentCheck::FontPixels),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    Accessibility::closeOnEscape(this);
}

void AlignmentWindow::check(const QString &foreground, const QString &background)
{
    m_heading->setText(QStringLiteral("前景字%1和背景字%2在各处显示的宽度：").arg(shown(foreground), shown(background)));
    // The rows are laid out afresh for every check.
    auto *rows = new QWidget(this);
    auto *grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    const QStringList heads = {QStringLiteral("目标"), QStringLiteral("前景字"), QStringLiteral("背景字"),
                               QStringLiteral("对齐")};
    for (int column = 0; column < heads.size(); ++column)
        grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(heads[column]), rows), 0, column);

    const AlignmentCheck alignment(foreground, background);
    int line = 1;
    int aligned = 0, misaligned = 0, unchecked = 0;
    for (const AlignmentCheck::Row &row : alignment.rows()) {
        grid->addWidget(new QLabel(row.target.label, rows), line, 0);
        if (!row.installed) {
            grid->addWidget(new QLabel(QStringLiteral("字体未安装，无法检查"), rows), line++, 1, 1, 3);
            ++unchecked;
            continue;
        }
        grid->addWidget(new QLabel(row.width(row.foreground), rows), line, 1);
        grid->addWidget(new QLabel(row.width(row.background), rows), line, 2);
        auto *verdict = new QLabel(row.aligned ? QStringLiteral("✓") : QStringLiteral("✗"), rows);
        // Read out as words, with the place they are about.
        verdict->setAccessibleName(
            QStringLiteral("%1：%2").arg(row.target.label, row.aligned ? QStringLiteral("对齐") : QStringLiteral("不对齐")));
        grid->addWidget(verdict, line++, 3);
        ++(row.aligned ? aligned : misaligned);

        QList<QPair<bool, QString>> fixes;
        for (const QString &text : alignment.backgroundFixes(row))
            fixes.append({true, text});
        for (const QString &text : alignment.foregroundFixes(row))
            fixes.append({false, text});
        if (fixes.isEmpty())
            continue;
        auto *offers = new QHBoxLayout;
        offers->addWidget(new QLabel(QStringLiteral("改用："), rows));
        for (const auto &[inBackground, text] : fixes) {
            auto *button = new QPushButton(
                (inBackground ? QStringLiteral("背景字改为%1") : QStringLiteral("前景字改为%1")).arg(shown(text)), rows);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this,
                    [this, inBackground, text] { emit replacementChosen(inBackground, text); });
            offers->addWidget(button);
        }
        offers->addStretch();
        grid->addLayout(offers, line++, 0, 1, 4);
    }
    delete layout()->replaceWidget(m_rows, rows);  // the old rows' layout item is ours to free
    m_rows->hide();
    m_rows->deleteLater();  // its button may be the one being clicked
    m_rows = rows;
    adjustSize();
    QString summary = QStringLiteral("对齐检查：%1 处对齐，%2 处不对齐").arg(aligned).arg(misaligned);
    if (unchecked > 0)
        summary += QStringLiteral("，%1 处的字体未安装").arg(unchecked);
    Accessibility::announce(this, summary);
}
