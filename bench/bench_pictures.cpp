// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading pictures of every kind the program is offered, ordinary and
// hostile, as the picture combination (straight to the picture area) and the
// drawing pad read them: whether each is read or refused, the median
// processor time and the rise of the peak memory. The ordinary ones are the
// largest of their kind the budget accepts; every figure should stay well
// under a second and 256 MiB. Then the time from a decoded 24-megapixel
// photo to its cells, for each way and size: at most 50 ms at 63 cells.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_pictures [runs] [cells]
// ("cells": only the second table).
#include "gridgeometry.h"
#include "hostilepictures.h"
#include "imagefiles.h"
#include "measure.h"
#include "padpicture.h"
#include "picturecells.h"
#include "picturearea.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {
// A GIF of noise of that size, 8 bits a pixel (Qt reads GIF but does not write it).
QByteArray noisyGif(QSize size)
{
    // Nine-bit codes, each a literal pixel, with a clear code before the
    // table would grow: valid LZW that any decoder must work through.
    QByteArray gif("GIF89a");
    auto le16 = [&gif](int v) { gif += char(v & 0xFF); gif += char(v >> 8); };
    le16(size.width());
    le16(size.height());
    gif += QByteArray("\xF7\0\0", 3);  // a global table of 256 colours
    for (int i = 0; i < 256; ++i)
        gif += QByteArray(3, char(i));
    gif += ',';
    le16(0);
    le16(0);
    le16(size.width());
    le16(size.height());
    gif += QByteArray("\0\x08", 2);
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            codes += char(bits & 0xFF);
    };
    QRandomGenerator random(8);
    const qint64 pixels = qint64(size.width()) * size.height();
    for (qint64 i = 0; i < pixels; ++i) {
        if (i % 254 == 0)
            put(256);
        put(int(random.bounded(256)));
    }
    put(257);
    if (count > 0)
        codes += char(bits & 0xFF);
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        gif += char(block.size()) + block;
    }
    return gif + QByteArray("\0;", 2);
}

// Something like a photo: soft light, a few shapes, fine grain.
QImage photoLike(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QRadialGradient light(size.width() * 0.3, size.height() * 0.3, size.width() * 0.8);
    light.setColorAt(0, QColor(235, 225, 200));
    light.setColorAt(1, QColor(40, 50, 70));
    painter.fillRect(image.rect(), light);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 60, 40));
    painter.drawEllipse(QRectF(size.width() * 0.45, size.height() * 0.25, size.width() * 0.3, size.height() * 0.6));
    painter.setBrush(QColor(200, 200, 210));
    painter.drawRect(QRectF(size.width() * 0.1, size.height() * 0.6, size.width() * 0.25, size.height() * 0.3));
    painter.end();
    QRandomGenerator random(28);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(17)) - 8;
            line[x] = qRgb(qBound(0, qRed(line[x]) + grain, 255), qBound(0, qGreen(line[x]) + grain, 255),
                           qBound(0, qBlue(line[x]) + grain, 255));
        }
    }
    return image;
}

// A noisy picture (the costliest to compress and to decode) in that format.
QByteArray picture(QSize size, const char *format, bool progressive = false)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(6);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = random.generate();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir dir;
    const QSize big(3400, 3400), photo(6000, 4000);

    const struct { const char *name; std::function<QByteArray()> make; } kinds[] = {
        {"JPEG 6000x4000", [&] { return picture(photo, "jpeg"); }},
        {"JPEG progressive 6000x4000", [&] { return picture(photo, "jpeg", true); }},
        {"JPEG progressive +300 scans", [] { return HostilePictures::repeatedScans(QSize(1000, 1000), 300); }},
        {"JPEG progressive +20000 scans", [] { return HostilePictures::repeatedScans(QSize(600, 600), 20000); }},
        {"JPEG 600x600 +2000 scans", [] { return HostilePictures::repeatedScans(QSize(600, 600), 2000); }},
        {"JPEG 16x16 +200000 scans", [] { return HostilePictures::repeatedScans(QSize(16, 16), 200000); }},
        {"PNG 3400x3400", [&] { return picture(big, "png"); }},
        {"PNG 1x1 + 6 MB text", [] { return HostilePictures::pngWithText(6 << 20); }},
        {"PNG 1x1 + 200 MB text", [] { return HostilePictures::pngWithText(200 << 20); }},
        {"PNG 1x1 + 256 MB zTXt", [] { return HostilePictures::pngWithText(256 << 20, "zTXt"); }},
        {"BMP 3400x3400", [&] { return picture(big, "bmp"); }},
        {"GIF 3400x3400", [&] { return noisyGif(big); }},
        {"ICO 256x256", [&] { return picture(QSize(256, 256), "ico"); }},
        {"WebP 3400x3400", [&] { return picture(big, "webp"); }},
        {"SVG 1.45 MB", [] { return HostilePictures::svg(30000); }},
        {"SVGZ", [] { return HostilePictures::svg(300000, true); }},
    };
    const bool onlyCells = argc > 2 && QByteArray(argv[2]) == "cells";
    std::printf("readable: %s; median of %d runs\n", qPrintable(ImageFiles::readableSuffixes().join(u' ')), runs);
    std::printf("%-30s %8s %9s %17s %17s\n", "picture", "KiB", "", "picture area", "drawing pad");
    for (const auto &kind : kinds) {
        if (onlyCells)
            break;
        const QString path = dir.filePath(QStringLiteral("picture"));
        {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(kind.make());
        }
        QString why;
        const bool read = !ImageFiles::load(path, &why, PictureArea::Size).isNull();
        const Cost area = Measure::of(runs, [&] { ImageFiles::load(path, nullptr, PictureArea::Size); });
        const Cost drawing = Measure::of(runs, [&] { PadPicture::fromFile(path, GridGeometry::DefaultCells, PictureStyles::Default, false); });
        std::printf("%-30s %8lld %9s %6.0f ms %3.0f MiB %6.0f ms %3.0f MiB  %s\n", kind.name,
                    QFileInfo(path).size() >> 10, read ? "read" : "refused", area.cpuMs, area.peakMiB, drawing.cpuMs,
                    drawing.peakMiB, qPrintable(why));
        std::fflush(stdout);
    }

    const QImage decoded = photoLike(photo);
    std::printf("\nfrom a decoded %dx%d photo to the cells, median of %d runs\n", photo.width(), photo.height(), runs);
    std::printf("%-8s %10s %10s %10s\n", "cells", "auto", "outline", "photo");
    for (int cells : {GridGeometry::DefaultCells, 33, GridGeometry::MaxCells}) {
        std::printf("%-8d", cells);
        for (PictureStyle style : PictureStyles::All) {
            const Cost cost = Measure::of(runs, [&] { PictureCells::decide(decoded, cells, style); });
            std::printf(" %7.1f ms", cost.cpuMs);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}
