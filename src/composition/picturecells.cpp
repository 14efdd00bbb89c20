// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturecells.h"

#include "blurredfit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
constexpr int PerCell = 2;  // luminance samples across a cell
constexpr int Full = 65535;  // white, in the luminance of one pixel
constexpr int Bins = 1024;
constexpr int Passes = 4;           // over the cells, to make a photo look more like itself
constexpr int BothStartsUpTo = 33;  // cells across

// Each channel's share of linear luminance (Rec. 709), in 1/65535.
struct Tables
{
    std::array<std::uint32_t, 256> red, green, blue, grey;
    Tables()
    {
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            red[v] = std::uint32_t(std::lround(0.2126 * linear * Full));
            green[v] = std::uint32_t(std::lround(0.7152 * linear * Full));
            blue[v] = std::uint32_t(std::lround(0.0722 * linear * Full));
            grey[v] = std::uint32_t(std::lround(linear * Full));
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

// Where a line of samples falls on a line of pixels: whole pixels
// [whole, wholeEnd) and up to two pixels that it covers in part.
struct Span
{
    int whole = 0, wholeEnd = 0;
    int part[2] = {0, 0};
    double partWeight[2] = {0, 0};
    double covered = 0;  // of the sample, 0 to 1
};

std::vector<Span> spans(int samples, int pixels, double perPixel, double origin)
{
    std::vector<Span> out(samples);
    for (int j = 0; j < samples; ++j) {
        Span &s = out[j];
        const double a = std::clamp((j - origin) / perPixel, 0.0, double(pixels));
        const double b = std::clamp((j + 1 - origin) / perPixel, 0.0, double(pixels));
        s.covered = (b - a) * perPixel;
        if (b <= a)
            continue;
        const int fa = int(std::floor(a));
        if (b <= fa + 1) {
            s.part[0] = fa;
            s.partWeight[0] = b - a;
            continue;
        }
        s.whole = fa;
        if (a > fa) {
            s.part[0] = fa;
            s.partWeight[0] = fa + 1 - a;
            s.whole = fa + 1;
        }
        s.wholeEnd = int(std::floor(b));
        if (b > s.wholeEnd) {
            s.part[1] = s.wholeEnd;
            s.partWeight[1] = b - s.wholeEnd;
        }
    }
    return out;
}

// The picture at two samples a cell: the luminance of the part of each
// sample that the picture covers (summed over the sample's area, 0 to
// covered) and how much it covers; a histogram of the pixels' luminance.
struct Samples
{
    int side = 0;
    std::vector<float> picture, covered;
    std::array<double, Bins> histogram{};
};

Samples sample(const QImage &source, int cells)
{
    QImage image = source;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_Grayscale8:
        break;
    default:
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    const Tables &t = tables();
    Samples out;
    out.side = cells * PerCell;
    const int side = out.side, w = image.width(), h = image.height();
    const double perPixel = double(side) / std::max(w, h);
    const std::vector<Span> across = spans(side, w, perPixel, (side - w * perPixel) / 2);
    const double top = (side - h * perPixel) / 2;
    out.picture.assign(std::size_t(side) * side, 0.0f);
    out.covered.assign(std::size_t(side) * side, 0.0f);
    std::vector<double> downCovered(side, 0.0);

    // Every pixel's luminance goes into its samples; the histogram takes
    // enough lines to be sure of its percentiles.
    const int histogramStep = std::max(1, std::max(w, h) / 1024);
    std::vector<std::array<std::uint32_t, Bins>> tally(2, std::array<std::uint32_t, Bins>{});
    std::vector<std::uint32_t> line(w);
    std::vector<double> sums(side);
    for (int y = 0; y < h; ++y) {
        if (image.format() == QImage::Format_Grayscale8) {
            const uchar *p = image.constScanLine(y);
            for (int x = 0; x < w; ++x)
                line[x] = t.grey[p[x]];
        } else if (image.format() == QImage::Format_RGB32) {
            // The commonest case, and the costliest for a large photo: each
            // sample's whole pixels summed straight from the picture.
            const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            auto lum = [&t](QRgb rgb) {
                return t.red[(rgb >> 16) & 0xFF] + t.green[(rgb >> 8) & 0xFF] + t.blue[rgb & 0xFF];
            };
            for (int j = 0; j < side; ++j) {
                const Span &s = across[j];
                std::uint32_t whole = 0;  // at most 65535 for each of 65536 pixels
                for (int x = s.whole; x < s.wholeEnd; ++x)
                    whole += lum(p[x]);
                sums[j] = double(whole) + s.partWeight[0] * lum(p[s.part[0]]) + s.partWeight[1] * lum(p[s.part[1]]);
            }
            if (y % histogramStep == 0)
                for (int x = 0; x < w; x += histogramStep)
                    line[x] = lum(p[x]);
        } else {
            // Seen on white paper.
            const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const std::uint32_t a = qAlpha(p[x]);
                const std::uint32_t lum = t.red[qRed(p[x])] + t.green[qGreen(p[x])] + t.blue[qBlue(p[x])];
                line[x] = (lum * a + Full * (255 - a) + 127) / 255;
            }
        }
        if (y % histogramStep == 0) {
            // Two tallies in turn, so that neighbours of one shade do not wait on each other.
            for (int x = 0; x < w; x += histogramStep)
                ++tally[(x / histogramStep) & 1][std::min<std::uint32_t>(line[x], Full) * Bins / (Full + 1)];
        }
        for (int j = 0; j < side && image.format() != QImage::Format_RGB32; ++j) {
            const Span &s = across[j];
            std::uint64_t whole = 0;
            for (int x = s.whole; x < s.wholeEnd; ++x)
                whole += line[x];
            sums[j] = double(whole) + s.partWeight[0] * line[s.part[0]] + s.partWeight[1] * line[s.part[1]];
        }
        // The samples that this line of pixels reaches, each by its share.
        const double from = top + y * perPixel, to = from + perPixel;
        for (int i = std::max(0, int(std::floor(from))); i < std::min(side, int(std::ceil(to))); ++i) {
            const double share = std::min(to, i + 1.0) - std::max(from, double(i));
            if (share <= 0)
                continue;
            downCovered[i] += share;
            const double k = share * perPixel / Full;
            float *row = &out.picture[std::size_t(i) * side];
            for (int j = 0; j < side; ++j)
                row[j] += float(k * sums[j]);
        }
    }
    for (int b = 0; b < Bins; ++b)
        out.histogram[b] = double(tally[0][b]) + tally[1][b];
    for (int i = 0; i < side; ++i)
        for (int j = 0; j < side; ++j)
            out.covered[std::size_t(i) * side + j] = float(std::min(1.0, downCovered[i]) * across[j].covered);
    return out;
}

// The luminance below which that share of the pixels lies.
double percentile(const std::array<double, Bins> &histogram, double share)
{
    double total = 0;
    for (double n : histogram)
        total += n;
    double seen = 0;
    for (int b = 0; b < Bins; ++b) {
        seen += histogram[b];
        if (seen >= share * total)
            return (b + 0.5) / Bins;
    }
    return 1.0;
}

// Otsu's threshold: the one that best parts the values into two classes.
double otsu(const std::vector<double> &values)
{
    constexpr int Levels = 256;
    std::array<double, Levels> histogram{};
    for (double v : values)
        histogram[std::min(Levels - 1, int(v * Levels))] += 1;
    double total = 0, sum = 0;
    for (int k = 0; k < Levels; ++k) {
        total += histogram[k];
        sum += histogram[k] * (k + 0.5);
    }
    double below = 0, belowSum = 0, best = -1, threshold = 0.5;
    for (int k = 0; k < Levels - 1; ++k) {
        below += histogram[k];
        belowSum += histogram[k] * (k + 0.5);
        const double above = total - below;
        if (below == 0 || above == 0)
            continue;
        const double d = belowSum / below - (sum - belowSum) / above;
        if (const double between = below * above * d * d; between > best) {
            best = between;
            threshold = (k + 1.0) / Levels;
        }
    }
    return threshold;
}

std::vector<std::uint8_t> thresholded(const std::vector<double> &values, double threshold)
{
    std::vector<std::uint8_t> ink(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        ink[i] = values[i] < threshold;
    return ink;
}

// Floyd and Steinberg's error diffusion, from cell to cell, every other
// row right to left.
std::vector<std::uint8_t> diffused(std::vector<double> values, int cells, double threshold)
{
    std::vector<std::uint8_t> ink(values.size());
    for (int r = 0; r < cells; ++r) {
        const bool back = r % 2 == 1;
        for (int k = 0; k < cells; ++k) {
            const int c = back ? cells - 1 - k : k;
            const double old = values[std::size_t(r) * cells + c];
            const bool dark = old < threshold;
            ink[std::size_t(r) * cells + c] = dark;
            const double error = old - (dark ? 0.0 : 1.0);
            const int ahead = back ? -1 : 1;
            auto spread = [&](int dr, int dc, double weight) {
                const int rr = r + dr, cc = c + dc * ahead;
                if (rr < cells && cc >= 0 && cc < cells)
                    values[std::size_t(rr) * cells + cc] += error * weight;
            };
            spread(0, 1, 7.0 / 16);
            spread(1, -1, 3.0 / 16);
            spread(1, 0, 5.0 / 16);
            spread(1, 1, 1.0 / 16);
        }
    }
    return ink;
}
}

PictureCells::Result PictureCells::decide(const QImage &picture, int cells, PictureStyle style, bool invert)
{
    Result result;
    if (picture.isNull() || cells <= 0)
        return result;
    const Samples s = sample(picture, cells);
    const int side = s.side;
    double low = percentile(s.histogram, 0.01), high = percentile(s.histogram, 0.99);
    if (invert)
        std::tie(low, high) = std::pair(1.0 - high, 1.0 - low);
    auto picturePart = [&](std::size_t i) { return invert ? s.covered[i] - s.picture[i] : s.picture[i]; };

    // What the eye compares with: the picture as it is, paper around it.
    std::vector<float> seen(std::size_t(side) * side);
    for (std::size_t i = 0; i < seen.size(); ++i)
        seen[i] = picturePart(i) + 1.0f - s.covered[i];

    // The cells after the stretch; those mostly inside the picture choose the threshold.
    const bool flat = high - low < 1e-6;
    std::vector<double> values(std::size_t(cells) * cells);
    std::vector<double> inside;
    for (int r = 0; r < cells; ++r)
        for (int c = 0; c < cells; ++c) {
            double part = 0, covered = 0;
            for (int i : {0, 1})
                for (int j : {0, 1}) {
                    const std::size_t at = std::size_t(r * PerCell + i) * side + c * PerCell + j;
                    part += picturePart(at);
                    covered += s.covered[at];
                }
            double v = 1.0;
            if (covered > 0) {
                const double mean = part / covered;
                const double stretched = flat ? mean : std::clamp((mean - low) / (high - low), 0.0, 1.0);
                v = (covered * stretched + PerCell * PerCell - covered) / (PerCell * PerCell);
            }
            values[std::size_t(r) * cells + c] = v;
            if (covered >= PerCell * PerCell / 2.0)
                inside.push_back(v);
        }
    const double threshold = inside.empty() ? 0.5 : otsu(inside);

    const bool automatic = style == PictureStyle::Auto;
    if (automatic) {
        // A drawing's pixels are nearly all dark or light once stretched; a
        // photo has its middle tones.
        double total = 0, middle = 0;
        for (int b = 0; b < Bins; ++b) {
            const double y = (b + 0.5) / Bins;
            const double v = flat ? 0.5 : std::clamp(((invert ? 1 - y : y) - low) / (high - low), 0.0, 1.0);
            total += s.histogram[b];
            if (v > 0.1 && v < 0.9)
                middle += s.histogram[b];
        }
        style = middle < 0.2 * total ? PictureStyle::Outline : PictureStyle::Photo;
    }
    result.style = style;

    std::vector<std::uint8_t> ink =
        style == PictureStyle::Outline ? thresholded(values, threshold) : diffused(values, cells, threshold);
    if (automatic && style == PictureStyle::Photo) {
        // Chosen for the picture, a photo is also made to look as much like
        // it from afar as single cells can, from the diffused cells and from
        // the plain threshold: on a large grid (where that costs the most)
        // only from whichever is nearer already.
        BlurredFit fit(cells, seen);
        std::vector<std::uint8_t> plain = thresholded(values, threshold);
        if (cells <= BothStartsUpTo) {
            fit.improve(plain, Passes);
            fit.improve(ink, Passes);
            if (fit.score(plain) > fit.score(ink))
                ink = std::move(plain);
        } else {
            if (fit.score(plain) > fit.score(ink))
                ink = std::move(plain);
            fit.improve(ink, Passes);
        }
    }
    for (int r = 0; r < cells; ++r) {
        QBitArray row(cells);
        for (int c = 0; c < cells; ++c)
            row.setBit(c, ink[std::size_t(r) * cells + c]);
        result.ink.append(row);
    }
    return result;
}
