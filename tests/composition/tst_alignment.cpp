// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Display widths of cell texts and whether art lines up where it is pasted.
#include "alignmentcheck.h"
#include "artdefaults.h"

#include <QRegularExpression>
#include <QTest>
#include <clocale>
#include <cwchar>
#include <string>

using namespace Qt::StringLiterals;

using Ambiguous = DisplayWidth::Ambiguous;

class TestAlignment : public QObject
{
    Q_OBJECT
private slots:
    // Every character of the special-character list and the usual cell texts: columns in a terminal, and in one set
    // to wide ambiguous characters. A terminal lays a cell out as glibc's wcswidth() counts it, code point by code
    // point: a flag is two regional indicators, a pair of leading jamo two wide letters, SARA AM a letter of its own.
    void terminalColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("narrow");
        QTest::addColumn<int>("wide");
        const QList<std::tuple<const char *, int, int>> rows = {
            {"☆★○●◎◇◆□■△▲→←↑↓╀╁◥◣◢◤∴╬╩▓∏¤", 27, 54},  // ambiguous: wide in a wide terminal
            {"〓【】﹌㊣囙囜囝囟因囡団囤囥囦囧囨囩囱囫回囮囲顶Ａ\u3000", 52, 52},
            {"  ", 2, 2},
            {"▓", 1, 2},
            {"顶", 2, 2},
            {"\u3000", 2, 2},
            {"🇨🇳", 2, 2},             // a flag
            {"ᄀᄀ", 4, 4},            // two leading jamo
            {"กำ", 2, 2},            // Thai with SARA AM
            {"😀", 2, 2},
            {"❤\uFE0F", 1, 1},        // the variation selector takes no column
            {"👨\u200D👩\u200D👧", 6, 6},  // three wide people, joined by zero-width joiners
            {"e\u0301", 1, 1},         // é as e and a combining acute
            {"\u200B", 0, 0},          // zero-width space
            {"\U00020000", 2, 2},      // Extension B, past the surrogate pair
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
#ifdef __GLIBC__
        if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
            QSKIP("no C.UTF-8 locale to ask glibc's wcswidth()");
        const std::wstring wide32 = text.toStdWString();
        QCOMPARE(wcswidth(wide32.c_str(), wide32.size()), narrow);
#endif
    }

    // The background the program recommends lines up with a Chinese character everywhere it checks.
    void recommendedBackgroundAlignsEverywhere()
    {
        for (const AlignmentCheck::Row &row : AlignmentCheck(u"顶"_s, ArtDefaults::RecommendedBackground).rows())
            QVERIFY2(!row.installed || row.aligned, qPrintable(row.target.label));
    }

    void fixesHaveTheOtherTextsWidth()
    {
        const AlignmentCheck check(u"顶"_s, u"▓"_s);
        const AlignmentCheck::Row terminal = check.check(AlignmentCheck::target(u"terminal"_s));
        QCOMPARE(check.backgroundFixes(terminal), (QStringList{"\u3000", "  ", "▓▓"}));
        QCOMPARE(check.foregroundFixes(terminal), QStringList());
        const AlignmentCheck::Row aligned = check.check(AlignmentCheck::target(u"Noto Sans CJK SC"_s));
        QVERIFY(check.backgroundFixes(aligned).isEmpty());

        // Latin text in a Chinese font: the full-width form matches the ideographic space.
        const AlignmentCheck latin(u"A"_s, u"\u3000"_s);
        const AlignmentCheck::Row font = latin.check(AlignmentCheck::target(u"WenQuanYi Zen Hei"_s));
        QVERIFY(!font.aligned);
        QCOMPARE(latin.foregroundFixes(font), QStringList{"Ａ"});
        QCOMPARE(latin.backgroundFixes(font), QStringList());
    }

    void tableLinesUpItsColumns()
    {
        const QStringList lines = AlignmentCheck(u"顶"_s, u"▓"_s).table().split('\n');
        QVERIFY2(lines.value(1).contains(QRegularExpression("^终端 \\(terminal\\) +2 列 +1 列 +✗$")), qPrintable(lines[1]));
        QCOMPARE(lines.value(2), u"  可改用 --bg %1　%1、--bg %1  %1、--bg %1▓▓%1"_s.arg(QChar(windows() ? u'"' : u'\'')));
    }

    // Advice is typed back into the user's shell: POSIX shells, or cmd and PowerShell on Windows, which keep single
    // quotes and split words by the C runtime's rules.
    void optionsAreShellWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("posix");
        QTest::addColumn<QString>("windows");
        QTest::newRow("ideographic space") << u"\u3000"_s << u"--bg '\u3000'"_s << u"--bg \"\u3000\""_s;
        QTest::newRow("single quote") << u"it's"_s << u"--bg 'it'\\''s'"_s << u"--bg \"it's\""_s;
        QTest::newRow("trailing backslash") << u"▓\\"_s << u"--bg '▓\\'"_s << u"--bg \"▓\\\\\""_s;
        QTest::newRow("backslash, quote") << u"\\\"x"_s << u"--bg '\\\"x'"_s << u"--bg \"\\\\\\\"x\""_s;
    }
    void optionsAreShellWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, posix);
        QFETCH(QString, windows);
        QCOMPARE(AlignmentCheck::option(u"bg"_s, text), TestAlignment::windows() ? windows : posix);
    }

private:
    static bool windows() { return QSysInfo::kernelType() == u"winnt"_s; }
};

QTEST_MAIN(TestAlignment)
#include "tst_alignment.moc"
