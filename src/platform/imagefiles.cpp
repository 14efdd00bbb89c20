// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagefiles.h"

#include "files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <optional>

namespace {
// What decoding may cost on top of the program's usual footprint. The time
// figures are per pixel of the file's full size, rounded up from runs on a
// shared 2-core machine: a sequential 6000×4000 JPEG decoded straight to the
// picture area took 90 ms, a progressive one 600–750 ms (libjpeg keeps and
// decodes every coefficient), a whole 6000×5000 PNG or bitmap 1.1–1.5 s.
constexpr qint64 MemoryBudget = 256LL << 20;
constexpr qint64 TimeBudgetNs = 600'000'000;
constexpr qint64 ScaledJpegNsPerPixel = 4;
constexpr qint64 CoefficientJpegNsPerPixel = 32;
constexpr qint64 WholeDecodeNsPerPixel = 50;

// The frame of a JPEG file as far as the decoder's appetite goes.
struct JpegFrame
{
    qint64 width = 0;
    qint64 height = 0;
    bool wholeImageCoefficients = false;  // progressive, or components in separate scans
    qint64 coefficientBytes = 0;
};

// Reads markers up to the first scan; nothing when it is not a JPEG file or
// has no frame header before its first scan.
std::optional<JpegFrame> jpegFrame(QIODevice &device)
{
    auto byte = [&device]() -> int {
        char c;
        return device.getChar(&c) ? int(uchar(c)) : -1;
    };
    if (byte() != 0xFF || byte() != 0xD8)
        return std::nullopt;
    std::optional<JpegFrame> frame;
    int components = 0;
    for (int segment = 0; segment < 4096; ++segment) {
        int marker = byte();
        while (marker >= 0 && marker != 0xFF)
            marker = byte();
        while (marker == 0xFF)
            marker = byte();
        if (marker < 0 || marker == 0xD9)
            break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue;
        const int hi = byte(), lo = byte();
        const int length = (hi << 8 | lo) - 2;
        if (hi < 0 || lo < 0 || length < 0)
            break;
        const bool isFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!isFrame && marker != 0xDA) {
            if (device.skip(length) != length)
                break;
            continue;
        }
        const QByteArray data = device.read(length);
        auto at = [&data](int i) { return i < data.size() ? int(uchar(data[i])) : 0; };
        if (marker == 0xDA) {
            if (frame && at(0) < components)
                frame->wholeImageCoefficients = true;
            return frame;
        }
        JpegFrame f;
        f.height = at(1) << 8 | at(2);
        f.width = at(3) << 8 | at(4);
        components = at(5);
        f.wholeImageCoefficients = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        int hMax = 1, vMax = 1;
        for (int c = 0; c < components; ++c) {
            hMax = qMax(hMax, at(7 + 3 * c) >> 4);
            vMax = qMax(vMax, at(7 + 3 * c) & 15);
        }
        // Blocks of 64 two-byte coefficients, padded to whole MCUs.
        const qint64 mcusX = (f.width + 8 * hMax - 1) / (8 * hMax);
        const qint64 mcusY = (f.height + 8 * vMax - 1) / (8 * vMax);
        for (int c = 0; c < components; ++c)
            f.coefficientBytes += mcusX * qMax(1, at(7 + 3 * c) >> 4) * mcusY * qMax(1, at(7 + 3 * c) & 15) * 128;
        frame = f;
    }
    return frame;
}

// Whether decoding the picture stays within the budgets; *why says what is
// wrong when not.
bool affordable(QImageReader &reader, QSize full, const std::optional<JpegFrame> &jpeg, bool scaled, QSize size,
                QString *why)
{
    if (!full.isValid() || full.isEmpty()) {
        *why = QStringLiteral("无法确定图片的大小");
        return false;
    }
    const QString tooLarge = QStringLiteral("图片太大（%1×%2 像素）").arg(full.width()).arg(full.height());
    const qint64 pixels = qint64(full.width()) * full.height();
    // Beyond any budget already; the sums below stay far from overflowing.
    if (pixels > TimeBudgetNs / ScaledJpegNsPerPixel) {
        *why = tooLarge;
        return false;
    }
    qint64 bytes = 0, ns = 0;
    if (jpeg && scaled) {
        // libjpeg decodes to at least an eighth of each side.
        bytes = qMax(pixels / 64, qint64(size.width()) * size.height()) * 4;
        if (jpeg->wholeImageCoefficients) {
            bytes += jpeg->coefficientBytes;
            ns = pixels * CoefficientJpegNsPerPixel;
        } else {
            ns = pixels * ScaledJpegNsPerPixel;
        }
    } else {
        const QImage::Format format = reader.imageFormat();
        const int depth = format == QImage::Format_Invalid ? 64 : qMax(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
        bytes = pixels * depth / 8 + (jpeg && jpeg->wholeImageCoefficients ? jpeg->coefficientBytes : 0);
        ns = pixels * WholeDecodeNsPerPixel;
    }
    if (bytes > MemoryBudget || ns > TimeBudgetNs) {
        *why = tooLarge;
        return false;
    }
    return true;
}
}

QByteArray ImageFiles::encode(const QImage &image, const char *format, int quality, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        if (error)
            *error = writer.errorString();
        return {};
    }
    return bytes;
}

bool ImageFiles::save(const QImage &image, const QString &path, const char *format, int quality, QString *error)
{
    const QByteArray bytes = encode(image, format, quality, error);
    return !bytes.isEmpty() && Files::write(path, bytes, error);
}

QImage ImageFiles::load(const QString &path, QString *error, QSize size, Qt::AspectRatioMode aspect)
{
    return load(QFile::encodeName(path), error, size, aspect);
}

QImage ImageFiles::load(const QByteArray &nativePath, QString *error, QSize size, Qt::AspectRatioMode aspect)
{
    QString why;
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QImage();
    };
    QFile file;
    if (!Files::openRegular(file, nativePath, Files::Links::Follow, &why))
        return fail(why);
    const std::optional<JpegFrame> jpeg = jpegFrame(file);
    file.seek(0);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return fail(QStringLiteral("不是可以识别的图片文件"));
    const QSize full = jpeg ? QSize(int(qMin<qint64>(jpeg->width, INT_MAX)), int(qMin<qint64>(jpeg->height, INT_MAX)))
                            : reader.size();
    if (aspect != Qt::IgnoreAspectRatio && full.isValid() && !full.isEmpty() && size.isValid())
        size = full.scaled(size, aspect).expandedTo(QSize(1, 1));
    const bool wanted = size.isValid() && !size.isEmpty();
    const bool scaled = wanted && reader.supportsOption(QImageIOHandler::ScaledSize);
    // Checked on the header alone, before anything is decoded.
    if (!affordable(reader, full, jpeg, scaled, size, &why))
        return fail(why);
    if (scaled)
        reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("无法读取图片数据：%1").arg(reader.errorString()));
    if (wanted && image.size() != size)
        image = image.scaled(size, aspect, Qt::SmoothTransformation);
    return image;
}
