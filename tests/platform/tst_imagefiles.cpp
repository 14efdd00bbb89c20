// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagefiles.h"
#include "testhome.h"

#include <QTest>

class TestImageFiles : public QObject
{
    Q_OBJECT
private slots:
    // The header alone decides: what would take too long or too much memory
    // to decode is refused before decoding starts.
    void pictureHeaders_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("read");
        QTest::newRow("progressive JPEG 4000") << QByteArray("progressive") << 4000 << true;
        QTest::newRow("progressive JPEG 20000") << QByteArray("progressive") << 20000 << false;
        QTest::newRow("baseline JPEG 12000") << QByteArray("baseline") << 12000 << true;
        QTest::newRow("baseline JPEG 60000") << QByteArray("baseline") << 60000 << false;
        QTest::newRow("bitmap 3000") << QByteArray("BMP") << 3000 << true;
    }

    void pictureHeaders()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, side);
        QFETCH(bool, read);
        TestHome env;
        const QString path = env.home() + QStringLiteral("/p");
        TestHome::writeAll(path, TestHome::pictureClaiming(format, side));
        QString why;
        const QImage image = ImageFiles::load(path, &why, QSize(26, 24));
        QCOMPARE(image.size(), read ? QSize(26, 24) : QSize(0, 0));
        QVERIFY(read || why.contains(QStringLiteral("图片太大")));
    }
};

QTEST_MAIN(TestImageFiles)
#include "tst_imagefiles.moc"
