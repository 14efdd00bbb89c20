// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colorcodes.h"

#include <QTest>

// How an answer to the colour prompt names one of the eight codes.
class TestColorCodes : public QObject
{
    Q_OBJECT
private slots:
    void code_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("rounded");  // 0: none
        QTest::addColumn<int>("exact");
        QTest::newRow("whole") << "6" << 6 << 6;
        QTest::newRow("spaces") << " 8 " << 8 << 8;
        QTest::newRow("1.0") << "1.0" << 1 << 1;
        QTest::newRow("3.5 to even") << "3.5" << 4 << 0;
        QTest::newRow("2.5 to even") << "2.5" << 2 << 0;
        QTest::newRow("8.4") << "8.4" << 8 << 0;
        QTest::newRow("0.5 to 0") << "0.5" << 0 << 0;
        QTest::newRow("9") << "9" << 0 << 0;
        QTest::newRow("huge") << "1e300" << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("not a number") << "nan" << 0 << 0;
    }

    void code()
    {
        QFETCH(QString, answer);
        QFETCH(int, rounded);
        QFETCH(int, exact);
        QCOMPARE(ColorCodes::code(answer, ColorCodes::Match::Rounded).value_or(0), rounded);
        QCOMPARE(ColorCodes::code(answer, ColorCodes::Match::Exact).value_or(0), exact);
    }
};

QTEST_GUILESS_MAIN(TestColorCodes)
#include "tst_colorcodes.moc"
