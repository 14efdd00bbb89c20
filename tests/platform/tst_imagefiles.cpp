// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hostilepictures.h"
#include "imagefiles.h"
#include "testhome.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTest>

class TestImageFiles : public QObject
{
    Q_OBJECT
private slots:
    // Small files that claim a lot are refused before decoding, by their header alone when it claims what would take
    // too long or too much memory; ordinary ones of the listed formats are read.
    void pictureFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");  // part of the reason; none when read
        auto encoded = [](const char *format) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, format).write(image);
            return buffer.data();
        };
        for (const char *format : {"png", "jpeg", "gif", "bmp", "ico", "webp"})
            if (QImageWriter::supportedImageFormats().contains(format))
                QTest::newRow(format) << encoded(format) << QString();
        QTest::newRow("TIFF, not listed") << encoded("tiff") << QStringLiteral("不是可以识别的图片文件");
        QTest::newRow("SVG") << HostilePictures::svg(10) << QStringLiteral("不是可以识别的图片文件");
        QTest::newRow("SVGZ") << HostilePictures::svg(10, true) << QStringLiteral("不是可以识别的图片文件");
        QTest::newRow("PNG with a small text") << HostilePictures::pngWithText(1000) << QString();
        QTest::newRow("PNG with a 16 MB compressed text")
            << HostilePictures::pngWithText(16 << 20, "zTXt") << QStringLiteral("附带的数据");
        // As phones and editors write them: weighed at their size, not at zlib's largest ratio.
        QTest::newRow("PNG with a 9 KB XMP text") << HostilePictures::pngWithText(9000, "iTXt") << QString();
        QTest::newRow("PNG with a 12 KB compressed comment") << HostilePictures::pngWithText(12000, "zTXt") << QString();
        QTest::newRow("PNG with a 16 MB compressed international text")
            << HostilePictures::pngWithText(16 << 20, "iTXt compressed") << QStringLiteral("附带的数据");
        QByteArray claiming = HostilePictures::pngWithText(10, "zTXt");
        claiming.replace(claiming.indexOf("zTXt") - 4, 4, "\x30\0\0\0");  // 805 MB, past the file's end
        QTest::newRow("PNG chunk claiming 805 MB") << claiming << QStringLiteral("附带的数据");
        QTest::newRow("JPEG with 120 KB of EXIF and XMP") << HostilePictures::jpegWithMarkers(120000, 0xE1) << QString();
        QTest::newRow("JPEG with 20 MB of comments")
            << HostilePictures::jpegWithMarkers(20 << 20, 0xFE) << QStringLiteral("附带的数据");
        QTest::newRow("progressive JPEG, 5 scans more") << HostilePictures::repeatedScans(QSize(64, 64), 5) << QString();
        QTest::newRow("progressive JPEG claiming 4000×4000, 100 scans more")
            << HostilePictures::repeatedScans(QSize(64, 64), 100, QSize(4000, 4000)) << QStringLiteral("扫描");
        const QString tooLarge = QStringLiteral("图片太大");
        QTest::newRow("progressive JPEG 4000") << TestHome::pictureClaiming("progressive", 4000) << QString();
        QTest::newRow("progressive JPEG 20000") << TestHome::pictureClaiming("progressive", 20000) << tooLarge;
        QTest::newRow("baseline JPEG 12000") << TestHome::pictureClaiming("baseline", 12000) << QString();
        QTest::newRow("baseline JPEG 60000") << TestHome::pictureClaiming("baseline", 60000) << tooLarge;
        QTest::newRow("bitmap 3000") << TestHome::pictureClaiming("BMP", 3000) << QString();
    }

    void pictureFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        TestHome env;
        const QString path = env.home() + QStringLiteral("/p");
        TestHome::writeAll(path, bytes);
        QString why;
        const QImage image = ImageFiles::load(path, &why, QSize(26, 24));
        QCOMPARE(image.size(), refusal.isEmpty() ? QSize(26, 24) : QSize(0, 0));
        QVERIFY2(why.contains(refusal), qPrintable(why));
    }

    // A file larger than any picture the budget allows is refused unread.
    void hugeFile()
    {
        TestHome env;
        const QString path = env.home() + QStringLiteral("/huge.png");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(HostilePictures::pngWithText(10));
        QVERIFY(file.resize(1LL << 30));  // sparse: claims a gigabyte, takes nothing
        file.close();
        QString why;
        QVERIFY(ImageFiles::load(path, &why).isNull());
        QVERIFY2(why.contains(QStringLiteral("太大")), qPrintable(why));
    }

    // A photo taken sideways carries its orientation; it comes back standing, whole or scaled, as the pad takes it too.
    void exifOrientation()
    {
        TestHome env;
        const QString path = env.home() + QStringLiteral("/photo.jpg");
        QImage photo(80, 40, QImage::Format_RGB32);
        photo.fill(Qt::white);
        QPainter(&photo).fillRect(0, 0, 20, 40, Qt::black);  // the left quarter black
        QImageWriter writer(path, "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(photo));
        const QImage whole = ImageFiles::load(path);
        QCOMPARE(whole.size(), QSize(40, 80));
        QVERIFY(qGray(whole.pixel(20, 5)) < 64 && qGray(whole.pixel(20, 75)) > 192);  // black on top
        const QImage scaled = ImageFiles::load(path, nullptr, QSize(30, 30), Qt::KeepAspectRatio);
        QCOMPARE(scaled.size(), QSize(15, 30));
        QVERIFY(qGray(scaled.pixel(7, 2)) < 64 && qGray(scaled.pixel(7, 28)) > 192);
    }
};

QTEST_MAIN(TestImageFiles)
#include "tst_imagefiles.moc"
