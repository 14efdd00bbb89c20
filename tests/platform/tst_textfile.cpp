// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testhome.h"
#include "textfile.h"

#include <QStringEncoder>
#include <QTest>

namespace {
// Which bytes the system writes: UTF-8, or code page 936 on a Chinese Windows.
QByteArray systemBytes(const QByteArray &utf8, const QByteArray &cp936)
{
    const QByteArray ding = QStringEncoder(QStringConverter::System).encode(QStringLiteral("顶"));
    return ding == "\xB6\xA5" ? cp936 : utf8;
}
}

// Text files in the system's encoding, read back whatever an earlier version wrote.
class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");  // hex
        QTest::addColumn<bool>("lossless");
        // No byte-order mark where the system's encoding holds the text.
        QTest::newRow("art") << QStringLiteral("顶▓☆\r\n")
                             << systemBytes("e9 a1 b6 e2 96 93 e2 98 86 0d 0a", "b6 a5 a8 88 a1 ee 0d 0a") << true;
        // UTF-8 with one where the code page cannot hold it.
        QTest::newRow("beyond the code page") << QStringLiteral("😀") << systemBytes("f0 9f 98 80", "ef bb bf f0 9f 98 80")
                                              << !systemBytes("UTF-8", {}).isEmpty();
    }

    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lossless);
        bool whole = !lossless;
        QCOMPARE(TextFile::encode(text, &whole).toHex(' '), bytes);
        QCOMPARE(whole, lossless);
    }

    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("\xE9\xA1\xB6\xE2\x96\x93") << QStringLiteral("顶▓");
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80") << QStringLiteral("😀");
        QTest::newRow("GBK, as earlier versions wrote") << QByteArray("\xB6\xA5\xA8\x88\xA1\xEE") << QStringLiteral("顶▓☆");
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
        QCOMPARE(TestHome::readAll(file), systemBytes(" \xE9\xA1\xB6 \r\n\xE2\x96\x93\r\n", " \xB6\xA5 \r\n\xA8\x88\r\n"));
        QCOMPARE(TextFile::readFirstLine(file), QStringLiteral(" 顶 "));
        TestHome::writeAll(file, "\xB6\xA5");
        QCOMPARE(TextFile::readFirstLine(file), QStringLiteral("顶"));
        QCOMPARE(TextFile::readFirstLine(env.home() + QStringLiteral("/missing")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
