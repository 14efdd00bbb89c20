// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testhome.h"
#include "textfile.h"

#include <QTest>

// Text files in the system's encoding (UTF-8 here), read back whatever an
// earlier version wrote.
class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void encodes()
    {
        bool lossless = false;
        QCOMPARE(TextFile::encode(QStringLiteral("顶▓☆\r\n"), &lossless).toHex(' '),
                 QByteArray("e9 a1 b6 e2 96 93 e2 98 86 0d 0a"));  // no byte-order mark
        QVERIFY(lossless);
    }

    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("\xE9\xA1\xB6\xE2\x96\x93") << QStringLiteral("顶▓");
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80") << QStringLiteral("😀");
        QTest::newRow("GBK, as earlier versions wrote") << QByteArray("\xB6\xA5\xA8\x88\xA1\xEE") << QStringLiteral("顶▓☆");
        QTest::newRow("GBK folder") << QByteArray("/home/\xCE\xC4\xB5\xB5/") << QStringLiteral("/home/文档/");
        QTest::newRow("plain") << QByteArray("/tmp/") << QStringLiteral("/tmp/");
    }

    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFile::decode(bytes), text);
    }

    // Lines end in CR LF; the first line is read back without its end, also
    // from a file without one; nothing from a missing file.
    void linesRoundTrip()
    {
        TestHome env;
        const QString file = env.home() + QStringLiteral("/list.txt");
        QVERIFY(TextFile::writeLines(file, {QStringLiteral(" 顶 "), QStringLiteral("▓")}));
        QCOMPARE(TestHome::readAll(file), QByteArray(" \xE9\xA1\xB6 \r\n\xE2\x96\x93\r\n"));
        QCOMPARE(TextFile::readFirstLine(file), QStringLiteral(" 顶 "));
        TestHome::writeAll(file, "\xB6\xA5");
        QCOMPARE(TextFile::readFirstLine(file), QStringLiteral("顶"));
        QCOMPARE(TextFile::readFirstLine(env.home() + QStringLiteral("/missing")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
