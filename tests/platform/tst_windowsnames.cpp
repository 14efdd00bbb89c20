// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowsnames.h"

#include <QTest>

// The names Windows refuses, judged on every system.
class TestWindowsNames : public QObject
{
    Q_OBJECT
private slots:
    void refusal_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");  // a word of the refusal; empty: accepted
        const QString tooLong(256, QLatin1Char('x'));
        QTest::newRow("plain") << "C:/Users/顶/顶.txt" << "";
        QTest::newRow("backslashes, share") << "\\\\server\\share\\art.txt" << "";
        QTest::newRow("dots inside") << "C:/a/../b/.hidden.v2.txt" << "";
        QTest::newRow("device-like but longer") << "C:/CONSOLE.txt" << "";
        QTest::newRow("COM0 is no device") << "C:/COM0.txt" << "";
        for (const char *c : {"<", ">", ":", "\"", "|", "?", "*", "\t"})
            QTest::addRow("character %s", c) << QStringLiteral("C:/a%1b.txt").arg(QLatin1String(c)) << "不允许";
        QTest::newRow("in a folder's name") << "C:/a?b/c.txt" << "a?b";
        QTest::newRow("trailing dot") << "C:/art." << "结尾";
        QTest::newRow("nul with extension") << "C:/folder/nul.txt" << "设备名";
        QTest::newRow("LPT9 with a space") << "D:/LPT9 .txt" << "设备名";
        QTest::newRow("COM superscript") << "C:/COM\u00B9.txt" << "设备名";
        QTest::newRow("name of 256") << "C:/" + tooLong << "太长";
        QTest::newRow("path of 260") << "C:/" + QString(120, QLatin1Char('a')) + "/" + QString(136, QLatin1Char('b')) << "太长";
        QTest::newRow("empty") << "" << "空";
    }

    void refusal()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const std::optional<QString> why = WindowsNames::refusal(path);
        QCOMPARE(why.has_value(), !reason.isEmpty());
        if (why)
            QVERIFY2(why->contains(reason), qPrintable(*why));
    }
};

QTEST_GUILESS_MAIN(TestWindowsNames)
#include "tst_windowsnames.moc"
