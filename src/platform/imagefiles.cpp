// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagefiles.h"

#include "files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QHash>
#include <QImageWriter>
#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#ifdef TESSELLON_ZLIB
#include <zlib.h>
#endif

namespace {
// The raster formats the program reads, by Qt's names and then the file-name
// suffixes that go with them. Vector formats (SVG) are never read: what they
// cost is not what they declare.
struct Format
{
    const char *name;
    QStringList suffixes;
};
const Format Readable[] = {
    {"jpeg", {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
    {"gif", {QStringLiteral("gif")}},
    {"bmp", {QStringLiteral("bmp")}},
    {"ico", {QStringLiteral("ico")}},
    {"png", {QStringLiteral("png")}},
    {"webp", {QStringLiteral("webp")}},
};

bool installed(const char *format)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(format);
}

// What decoding may cost on top of the program's usual footprint. The time
// figures are per pixel of the file's full size, rounded up from runs on a
// shared 2-core machine: a sequential 6000×4000 JPEG decoded straight to the
// picture area took 90 ms, a whole 6000×5000 PNG or bitmap 1.1–1.5 s. A JPEG
// kept as coefficients (progressive, or components in separate scans) costs
// by its scans instead: every scan is decoded over every block of the
// components it holds, about 8 ns for each coefficient of its band (600×600
// noise with 2,000 scans of 5 coefficients: 390 ms; 6000×4000 noise in the
// usual ten scans: 760 ms), plus a little for the scan itself (100,000 scans
// of a 16×16 picture: 28 ms); see bench_pictures.
constexpr qint64 MemoryBudget = 256LL << 20;
constexpr qint64 TimeBudgetNs = 600'000'000;
constexpr qint64 ScaledJpegNsPerPixel = 4;
constexpr qint64 ScanNsPerCoefficient = 8;
constexpr qint64 ScanNs = 1'000;
constexpr qint64 WholeDecodeNsPerPixel = 50;
// Larger files are refused unread: the largest picture the budgets allow
// compresses to far less.
constexpr qint64 MaxFileBytes = 64LL << 20;
// PNG text, profile and other ancillary chunks are read whole into memory
// (several times over), compressed ones at their inflated size; so are the
// comment and application markers of a JPEG file (a 64 MiB file of comments
// took 417 MB).
constexpr qint64 MaxAncillaryBytes = 8LL << 20;
constexpr qint64 DeflateRatio = 1032;  // zlib's largest, where it cannot be inflated here

// The size of a zlib stream once inflated, counted up to limit (and a
// little past it); compressed data that is damaged counts as it stands.
qint64 inflatedSize(QByteArrayView stream, qint64 limit)
{
#ifdef TESSELLON_ZLIB
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return stream.size();
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.data()));
    z.avail_in = uInt(qMin<qsizetype>(stream.size(), std::numeric_limits<uInt>::max()));
    qint64 size = 0;
    static thread_local Bytef scratch[64 * 1024];
    int result = Z_OK;
    while (result == Z_OK && size <= limit) {
        z.next_out = scratch;
        z.avail_out = sizeof scratch;
        result = inflate(&z, Z_NO_FLUSH);
        size += qint64(sizeof scratch - z.avail_out);
        if (result == Z_BUF_ERROR || (result == Z_OK && z.avail_out == sizeof scratch))
            break;  // no progress: the stream is cut short
    }
    inflateEnd(&z);
    return qMax<qint64>(size, stream.size());
#else
    Q_UNUSED(limit);
    return stream.size() * DeflateRatio;
#endif
}

int be16(QByteArrayView data, qsizetype at)
{
    return at + 1 < data.size() ? int(uchar(data[at])) << 8 | uchar(data[at + 1]) : -1;
}

// The frame of a JPEG file as far as the decoder's appetite goes.
struct JpegFrame
{
    qint64 width = 0;
    qint64 height = 0;
    bool wholeImageCoefficients = false;  // progressive, or components in separate scans
    qint64 coefficientBytes = 0;
    qint64 scans = 0;
    qint64 scanCoefficients = 0;  // coefficients decoded over all scans
};

// Reads every marker of the file, the scans' entropy-coded data skipped;
// nothing when it is not a JPEG file or has no frame header before its
// first scan. *markerBytes: the size of its comment and application markers
// so far, which the decoder keeps.
std::optional<JpegFrame> jpegFrame(QByteArrayView data, qint64 *markerBytes)
{
    if (!data.startsWith("\xFF\xD8"))
        return std::nullopt;
    std::optional<JpegFrame> frame;
    QHash<int, qint64> blocksOf;  // by component id
    qsizetype i = 2;
    while (i < data.size()) {
        if (data[i] != '\xFF') {
            const void *next = std::memchr(data.data() + i, 0xFF, size_t(data.size() - i));
            if (!next)
                break;
            i = static_cast<const char *>(next) - data.data();
        }
        while (i < data.size() && data[i] == '\xFF')
            ++i;
        if (i >= data.size())
            break;
        const int marker = uchar(data[i++]);
        // Stuffed bytes and restart markers inside a scan, a second start.
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue;
        if (marker == 0xD9)
            break;
        const int length = be16(data, i);
        if (length < 2)
            break;
        const QByteArrayView segment = data.sliced(i + 2, qMin<qsizetype>(length - 2, data.size() - i - 2));
        i += length;
        auto at = [&segment](int k) { return k < segment.size() ? int(uchar(segment[k])) : 0; };
        if (marker == 0xFE || (marker >= 0xE0 && marker <= 0xEF))
            *markerBytes += segment.size();
        if (marker == 0xDA) {
            if (!frame)
                return frame;
            const int inScan = at(0);
            if (frame->scans == 0 && inScan < blocksOf.size())
                frame->wholeImageCoefficients = true;
            ++frame->scans;
            // The band of coefficients the scan holds, from Ss to Se.
            const int band = qBound(1, at(2 + 2 * inScan) - at(1 + 2 * inScan) + 1, 64);
            for (int c = 0; c < inScan; ++c)  // far beyond any budget at most, never overflowing
                frame->scanCoefficients = qMin(frame->scanCoefficients + blocksOf.value(at(1 + 2 * c)) * band, 1LL << 50);
            continue;
        }
        const bool isFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!isFrame || frame)
            continue;
        JpegFrame f;
        f.height = at(1) << 8 | at(2);
        f.width = at(3) << 8 | at(4);
        const int components = at(5);
        f.wholeImageCoefficients = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        int hMax = 1, vMax = 1;
        for (int c = 0; c < components; ++c) {
            hMax = qMax(hMax, at(7 + 3 * c) >> 4);
            vMax = qMax(vMax, at(7 + 3 * c) & 15);
        }
        // Blocks padded to whole MCUs, of 64 two-byte coefficients each.
        const qint64 mcusX = (f.width + 8 * hMax - 1) / (8 * hMax);
        const qint64 mcusY = (f.height + 8 * vMax - 1) / (8 * vMax);
        for (int c = 0; c < components; ++c) {
            const qint64 blocks = mcusX * qMax(1, at(7 + 3 * c) >> 4) * mcusY * qMax(1, at(7 + 3 * c) & 15);
            blocksOf.insert(at(6 + 3 * c), blocks);
            f.coefficientBytes += blocks * 128;
        }
        frame = f;
    }
    return frame;
}

// What a PNG file's ancillary chunks weigh once read, compressed ones at
// their inflated size, counted up to a little past MaxAncillaryBytes; -1 for
// a file that is not PNG.
qint64 pngAncillaryBytes(QByteArrayView data)
{
    if (!data.startsWith("\x89PNG\r\n\x1A\n"))
        return -1;
    qint64 bytes = 0;
    for (qsizetype i = 8; i + 8 <= data.size() && bytes <= MaxAncillaryBytes;) {
        const qint64 length = qint64(be16(data, i)) << 16 | be16(data, i + 2);
        const QByteArrayView type = data.sliced(i + 4, 4);
        if (type == "IEND")
            break;
        const QByteArrayView chunk = data.sliced(i + 8, qMin<qint64>(length, data.size() - i - 8));
        // Keyword NUL, then for zTXt and iCCP the method and the stream; for
        // iTXt a flag, the method, language NUL, translated keyword NUL and the text.
        qsizetype stream = -1;
        const qsizetype keywordEnd = chunk.indexOf('\0');
        if ((type == "zTXt" || type == "iCCP") && keywordEnd >= 0)
            stream = keywordEnd + 2;
        else if (type == "iTXt" && keywordEnd >= 0 && keywordEnd + 1 < chunk.size() && chunk[keywordEnd + 1] != 0) {
            const qsizetype language = chunk.indexOf('\0', keywordEnd + 3);
            const qsizetype translated = language < 0 ? -1 : chunk.indexOf('\0', language + 1);
            stream = translated < 0 ? chunk.size() : translated + 1;
        }
        // The decoder takes memory for a chunk by the length it declares,
        // even past the end of the file (a 320-byte file claiming 756 MB).
        if ((type[0] & 0x20) != 0)  // ancillary
            bytes += qMax(length, stream >= 0 && stream <= chunk.size()
                                      ? stream + inflatedSize(chunk.sliced(stream), MaxAncillaryBytes - bytes)
                                      : length);
        i += 12 + length;
    }
    return bytes;
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
    const bool coefficients = jpeg && jpeg->wholeImageCoefficients;
    if (jpeg && scaled) {
        // libjpeg decodes to at least an eighth of each side.
        bytes = qMax(pixels / 64, qint64(size.width()) * size.height()) * 4;
        ns = pixels * ScaledJpegNsPerPixel;
    } else {
        const QImage::Format format = reader.imageFormat();
        const int depth = format == QImage::Format_Invalid ? 64 : qMax(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
        bytes = pixels * depth / 8;
        ns = pixels * WholeDecodeNsPerPixel;
    }
    if (coefficients)
        bytes += jpeg->coefficientBytes;
    if (bytes > MemoryBudget || ns > TimeBudgetNs) {
        *why = tooLarge;
        return false;
    }
    if (coefficients && ns + jpeg->scanCoefficients * ScanNsPerCoefficient + jpeg->scans * ScanNs > TimeBudgetNs) {
        *why = QStringLiteral("图片太大或扫描遍数太多（%1×%2 像素，%3 遍扫描），解码太慢")
                   .arg(full.width())
                   .arg(full.height())
                   .arg(jpeg->scans);
        return false;
    }
    return true;
}
}

QStringList ImageFiles::readableSuffixes()
{
    QStringList suffixes;
    for (const Format &format : Readable)
        if (installed(format.name))
            suffixes += format.suffixes;
    return suffixes;
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
    return load(Files::native(path), error, size, aspect);
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
    if (file.size() > MaxFileBytes)
        return fail(QStringLiteral("图片文件太大（%1 MB），最大 %2 MB").arg(file.size() >> 20).arg(MaxFileBytes >> 20));
    // Weighed on the file's own bytes, before any decoder sees them.
    const uchar *mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr;
    const QByteArrayView bytes(reinterpret_cast<const char *>(mapped), mapped ? file.size() : 0);
    qint64 markerBytes = 0;
    const std::optional<JpegFrame> jpeg = jpegFrame(bytes, &markerBytes);
    if (pngAncillaryBytes(bytes) > MaxAncillaryBytes || markerBytes > MaxAncillaryBytes)
        return fail(QStringLiteral("图片文件里附带的数据太多（超过 %1 MB）").arg(MaxAncillaryBytes >> 20));
    const QByteArray format = QImageReader::imageFormat(&file);
    const auto known = std::find_if(std::begin(Readable), std::end(Readable),
                                    [&format](const Format &f) { return format == f.name; });
    if (format.isEmpty() || known == std::end(Readable))
        return fail(QStringLiteral("不是可以识别的图片文件（可读取 %1）")
                        .arg(readableSuffixes().join(QStringLiteral("、")).toUpper()));
    file.seek(0);
    QImageReader reader(&file, format);
    // Pictures from phones and cameras stand as they were taken.
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return fail(QStringLiteral("不是可以识别的图片文件"));
    const QSize stored = jpeg ? QSize(int(qMin<qint64>(jpeg->width, INT_MAX)), int(qMin<qint64>(jpeg->height, INT_MAX)))
                              : reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize full = turned ? stored.transposed() : stored;
    if (aspect != Qt::IgnoreAspectRatio && full.isValid() && !full.isEmpty() && size.isValid())
        size = full.scaled(size, aspect).expandedTo(QSize(1, 1));
    const bool wanted = size.isValid() && !size.isEmpty();
    const bool scaled = wanted && reader.supportsOption(QImageIOHandler::ScaledSize);
    // Checked on the header alone, before anything is decoded.
    if (!affordable(reader, stored, jpeg, scaled, size, &why))
        return fail(why);
    if (scaled)
        reader.setScaledSize(turned ? size.transposed() : size);
    QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("无法读取图片数据：%1").arg(reader.errorString()));
    if (wanted && image.size() != size)
        image = image.scaled(size, aspect, Qt::SmoothTransformation);
    return image;
}
