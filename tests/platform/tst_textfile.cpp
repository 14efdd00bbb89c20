// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testenv.h"
#include "textfile.h"

#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void gbkBytes()
    {
        bool lossless = false;
        QCOMPARE(TextFile::encodeGbk(QStringLiteral("顶▓☆"), &lossless).toHex(' '), QByteArray("b6 a5 a8 88 a1 ee"));
        QVERIFY(lossless);
        // An emoji has no GBK code: such text goes out as UTF-8 with a BOM.
        const QString emoji = QStringLiteral("顶😀");
        TextFile::encodeGbk(emoji, &lossless);
        QVERIFY(!lossless);
        QCOMPARE(TextFile::encode(emoji, TextFile::Fallback::Utf8WithBom), QByteArray("\xEF\xBB\xBF") + emoji.toUtf8());
    }

    void firstLineKeepsSpaces()
    {
        TestEnv env;
        const QString path = env.home() + QStringLiteral("/f.txt");
        QVERIFY(TextFile::writeLines(path, {TextFile::numberLine(5), QStringLiteral("第二行")}));
        QCOMPARE(TestEnv::readAll(path), QByteArray(" 5 \r\n") + TextFile::encodeGbk(QStringLiteral("第二行")) + "\r\n");
        QCOMPARE(TextFile::readFirstLine(path), QStringLiteral(" 5 "));
        TestEnv::writeAll(path, "no line end");
        QCOMPARE(TextFile::readFirstLine(path), QStringLiteral("no line end"));
        QVERIFY(!TextFile::readFirstLine(env.home() + QStringLiteral("/missing")).has_value());
    }
};

QTEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
