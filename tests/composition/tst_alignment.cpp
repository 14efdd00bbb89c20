// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Display widths of cell texts and whether art lines up where it is pasted.
#include "alignmentcheck.h"

#include <QRegularExpression>
#include <QTest>

using Ambiguous = DisplayWidth::Ambiguous;

class TestAlignment : public QObject
{
    Q_OBJECT
private:
    static void verdicts(const QString &foreground, const QString &background, const QStringList &expected)
    {
        QStringList got;
        for (const AlignmentCheck::Row &row : AlignmentCheck(foreground, background).rows())
            got << row.target.name + (row.aligned ? QStringLiteral(" ✓") : QStringLiteral(" ✗"));
        QCOMPARE(got, expected);
    }

private slots:
    // Every character of the special-character list and the usual cell texts:
    // columns in a terminal, and in one set to wide ambiguous characters.
    void terminalColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("narrow");
        QTest::addColumn<int>("wide");
        const QList<std::tuple<const char *, int, int>> rows = {
            {"☆★○●◎◇◆□■△", 10, 20},
            {"▲", 1, 2},
            {"→←↑↓", 4, 8},
            {"〓【】", 6, 6},
            {"╀╁", 2, 4},
            {"◥◣◢◤", 4, 8},
            {"∴", 1, 2},
            {"﹌", 2, 2},
            {"╬╩", 2, 4},
            {"㊣", 2, 2},
            {"▓", 1, 2},
            {"∏¤", 2, 4},
            {"囙囜囝囟因囡団囤", 16, 16},
            {"囥囦囧囨囩囱囫回囮囲", 20, 20},
            {"\u3000", 2, 2},
            {"顶", 2, 2},
            {"A", 1, 1},
            {"  ", 2, 2},
            {"😀", 2, 2},
            {"❤\uFE0F", 2, 2},        // text-style emoji shown as an emoji
            {"👨\u200D👩\u200D👧", 2, 2},  // one family, joined
            {"e\u0301", 1, 1},         // é as e and a combining acute
            {"\u200B", 0, 0},          // zero-width space
            {"\U00020000", 2, 2},      // Extension B, past the surrogate pair
            {"Ａ", 2, 2},
        };
        for (const auto &[text, narrow, wide] : rows)
            QTest::newRow(text) << QString::fromUtf8(text) << narrow << wide;
    }
    void terminalColumns()
    {
        QFETCH(QString, text);
        QFETCH(int, narrow);
        QFETCH(int, wide);
        QCOMPARE(DisplayWidth::columns(text, Ambiguous::Narrow), narrow);
        QCOMPARE(DisplayWidth::columns(text, Ambiguous::Wide), wide);
    }

    void verdictsForEveryTarget()
    {
        // The default art: ▓ is one column in a terminal, as wide as 顶 in
        // the Chinese fonts.
        verdicts(QStringLiteral("顶"), QStringLiteral("▓"),
                 {"terminal ✗", "terminal-wide ✓", "Noto Sans CJK SC ✓", "WenQuanYi Zen Hei ✓"});
        verdicts(QStringLiteral("顶"), QStringLiteral("\u3000"),
                 {"terminal ✓", "terminal-wide ✓", "Noto Sans CJK SC ✓", "WenQuanYi Zen Hei ✓"});
        // Two spaces line up in terminals only: a font's space is narrower.
        verdicts(QStringLiteral("顶"), QStringLiteral("  "),
                 {"terminal ✓", "terminal-wide ✓", "Noto Sans CJK SC ✗", "WenQuanYi Zen Hei ✗"});
    }

    void fixesHaveTheOtherTextsWidth()
    {
        const AlignmentCheck check(QStringLiteral("顶"), QStringLiteral("▓"));
        const AlignmentCheck::Row terminal = check.check(AlignmentCheck::target(QStringLiteral("terminal")));
        QCOMPARE(check.backgroundFixes(terminal), (QStringList{"\u3000", "  ", "▓▓"}));
        QCOMPARE(check.foregroundFixes(terminal), QStringList());
        const AlignmentCheck::Row aligned = check.check(AlignmentCheck::target(QStringLiteral("Noto Sans CJK SC")));
        QVERIFY(check.backgroundFixes(aligned).isEmpty());

        // Latin text in a Chinese font: the full-width form matches the ideographic space.
        const AlignmentCheck latin(QStringLiteral("A"), QStringLiteral("\u3000"));
        const AlignmentCheck::Row font = latin.check(AlignmentCheck::target(QStringLiteral("WenQuanYi Zen Hei")));
        QVERIFY(!font.aligned);
        QCOMPARE(latin.foregroundFixes(font), QStringList{"Ａ"});
        QCOMPARE(latin.backgroundFixes(font), QStringList());
    }

    void missingFontIsReportedNotGuessed()
    {
        const AlignmentCheck check(QStringLiteral("顶"), QStringLiteral("▓"));
        const AlignmentCheck::Row row = check.check(AlignmentCheck::target(QStringLiteral("No Such Font 123")));
        QVERIFY(!row.installed);
        QVERIFY(!row.aligned);
        QVERIFY(check.backgroundFixes(row).isEmpty());
    }

    void tableLinesUpItsColumns()
    {
        const QStringList lines = AlignmentCheck(QStringLiteral("顶"), QStringLiteral("▓")).table().split('\n');
        QVERIFY2(lines.value(1).contains(QRegularExpression("^终端 \\(terminal\\) +2 列 +1 列 +✗$")), qPrintable(lines[1]));
        QCOMPARE(lines.value(2), QStringLiteral("  可改用 --bg '　'、--bg '  '、--bg '▓▓'"));
        // Each verdict starts at the same terminal column.
        for (int i : {1, 3, 4, 5})
            QCOMPARE(DisplayWidth::columns(lines.value(i).left(lines.value(i).indexOf(QRegularExpression("[✓✗]")))),
                     DisplayWidth::columns(lines.value(0).left(lines.value(0).indexOf("对齐"))));
    }
};

QTEST_MAIN(TestAlignment)
#include "tst_alignment.moc"
