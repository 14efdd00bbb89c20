// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hostilepictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QtEndian>

namespace {
quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray out(4, '\0');
    qToBigEndian(value, out.data());
    return out;
}

// Where the scan that starts at the SOS marker at `at` ends: the next marker that is not a stuffed byte or a restart.
qsizetype scanEnd(const QByteArray &jpeg, qsizetype at)
{
    qsizetype i = at + 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    while (i + 1 < jpeg.size()) {
        const uchar next = uchar(jpeg[i + 1]);
        if (jpeg[i] == '\xFF' && next != 0x00 && !(next >= 0xD0 && next <= 0xD7))
            return i;
        ++i;
    }
    return jpeg.size();
}

QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A zlib stream of the data; with gzip, the same compressed data in a gzip file.
QByteArray deflated(const QByteArray &data, bool gzip)
{
    const QByteArray zlib = qCompress(data, 9).mid(4);  // qCompress puts the length first
    if (!gzip)
        return zlib;
    QByteArray trailer(8, '\0');
    qToLittleEndian(crc32(data), trailer.data());
    qToLittleEndian(quint32(data.size()), trailer.data() + 4);
    return QByteArray("\x1F\x8B\x08\0\0\0\0\0\x02\xFF", 10) + zlib.mid(2, zlib.size() - 6) + trailer;
}
}

QByteArray HostilePictures::repeatedScans(QSize size, int extra, QSize claimed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(19);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    QByteArray jpeg = buffer.data();
    if (claimed.isValid()) {
        const qsizetype frame = jpeg.indexOf("\xFF\xC2");
        qToBigEndian<quint16>(quint16(claimed.height()), jpeg.data() + frame + 5);
        qToBigEndian<quint16>(quint16(claimed.width()), jpeg.data() + frame + 7);
    }
    // The first scan holds the DC coefficients; the second is an AC one.
    const qsizetype first = jpeg.indexOf("\xFF\xDA");
    const qsizetype second = jpeg.indexOf("\xFF\xDA", first + 2);
    const QByteArray scan = jpeg.mid(second, scanEnd(jpeg, second) - second);
    return jpeg.insert(second + scan.size(), scan.repeated(extra));
}

QByteArray HostilePictures::pngWithText(qint64 bytes, const QByteArray &type)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pixel.save(&buffer, "PNG");
    QByteArray png = buffer.data();
    const QByteArray text(bytes, 'x');
    const QByteArray data = type == "zTXt"              ? QByteArray("Comment\0\0", 9) + deflated(text, false)
                            : type == "iTXt"            ? QByteArray("XML:com.adobe.xmp\0\0\0\0\0", 22) + text
                            : type == "iTXt compressed" ? QByteArray("Comment\0\1\0\0\0", 12) + deflated(text, false)
                                                        : QByteArray("Comment\0", 8) + text;
    return png.insert(png.indexOf("IDAT") - 4, chunk(type.left(4), data));
}

QByteArray HostilePictures::jpegWithMarkers(qint64 bytes, int marker)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG");
    QByteArray markers;
    for (qint64 left = bytes; left > 0; left -= 65533) {
        const int length = int(qMin<qint64>(left, 65533));
        markers += '\xFF' + QByteArray(1, char(marker)) + bigEndian(quint32(length + 2)).mid(2) + QByteArray(length, 'x');
    }
    return QByteArray(buffer.data()).insert(2, markers);
}

QByteArray HostilePictures::svg(int circles, bool compressed)
{
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n";
    for (int i = 0; i < circles; ++i)
        svg += QByteArray("<circle cx=\"%1\" cy=\"%1\" r=\"40\" opacity=\"0.5\"/>\n").replace("%1", QByteArray::number(i % 100));
    svg += "</svg>\n";
    return compressed ? deflated(svg, true) : svg;
}

