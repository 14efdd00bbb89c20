// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blurredfit.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int PerCell = 2;              // samples across a cell
constexpr double BlurSigma = 1.0;       // half a cell, in samples
constexpr int BlurReach = 3;            // three sigmas
constexpr double WindowSigma = 0.75;    // of the similarity's window, in samples
constexpr int WindowReach = 3;
constexpr float C1 = 0.01f * 0.01f, C2 = 0.03f * 0.03f;  // the usual stabilisers for a range of 1

std::vector<float> gaussian(double sigma, int reach)
{
    std::vector<float> weights(2 * reach + 1);
    double sum = 0;
    for (int k = -reach; k <= reach; ++k)
        sum += weights[k + reach] = float(std::exp(-0.5 * k * k / (sigma * sigma)));
    for (float &w : weights)
        w = float(w / sum);
    return weights;
}

int mirrored(int i, int side)
{
    // The edge sample repeats: d c b a | a b c d | d c b a.
    while (i < 0 || i >= side)
        i = i < 0 ? -i - 1 : 2 * side - i - 1;
    return i;
}
}

BlurredFit::BlurredFit(int cells, const std::vector<float> &picture) : m_cells(cells), m_side(cells * PerCell)
{
    const int side = m_side;
    const std::vector<float> blur = gaussian(BlurSigma, BlurReach);
    // One cell's blur: its two samples spread by the Gaussian.
    m_profileFirst = -BlurReach;
    m_profile.assign(PerCell + 2 * BlurReach, 0.0f);
    for (int t = 0; t < int(m_profile.size()); ++t)
        for (int u = 0; u < PerCell; ++u)
            if (const int k = t + m_profileFirst - u; k >= -BlurReach && k <= BlurReach)
                m_profile[t] += blur[k + BlurReach];

    const std::vector<float> bell = gaussian(WindowSigma, WindowReach);
    m_window.assign(std::size_t(side) * side, 0.0f);
    for (int p = 0; p < side; ++p)
        for (int k = -WindowReach; k <= WindowReach; ++k)
            m_window[std::size_t(p) * side + mirrored(p + k, side)] += bell[k + WindowReach];

    m_reach.resize(cells);
    for (int c = 0; c < cells; ++c) {
        Reach &reach = m_reach[c];
        const int start = c * PerCell + m_profileFirst;
        reach.first = std::max(0, start);
        const int last = std::min(side, start + int(m_profile.size()));
        reach.count = last - reach.first;
        reach.affectedFirst = std::max(0, reach.first - WindowReach);
        reach.affected = std::min(side, last + WindowReach) - reach.affectedFirst;
        reach.windowed.assign(std::size_t(reach.affected) * reach.count, 0.0f);
        reach.mean.assign(reach.affected, 0.0f);
        reach.square.assign(reach.affected, 0.0f);
        for (int i = 0; i < reach.affected; ++i) {
            const float *w = &m_window[std::size_t(reach.affectedFirst + i) * side];
            for (int t = 0; t < reach.count; ++t) {
                const float a = m_profile[reach.first + t - start];
                const float wa = w[reach.first + t] * a;
                reach.windowed[std::size_t(i) * reach.count + t] = wa;
                reach.mean[i] += wa;
                reach.square[i] += wa * a;
            }
        }
    }

    // The picture seen from afar, paper beyond its edges.
    const std::size_t samples = std::size_t(side) * side;
    std::vector<float> across(samples);
    m_target.assign(samples, 1.0f);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            float sum = 0;
            for (int k = -BlurReach; k <= BlurReach; ++k)
                if (x + k >= 0 && x + k < side)
                    sum += blur[k + BlurReach] * (picture[std::size_t(y) * side + x + k] - 1.0f);
            across[std::size_t(y) * side + x] = sum;
        }
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            float sum = 0;
            for (int k = -BlurReach; k <= BlurReach; ++k)
                if (y + k >= 0 && y + k < side)
                    sum += blur[k + BlurReach] * across[std::size_t(y + k) * side + x];
            m_target[std::size_t(y) * side + x] += sum;
        }
    m_targetMean.resize(samples);
    m_targetVariance.resize(samples);
    window(m_target, m_targetMean);
    windowOfProduct(m_target, m_target, m_targetVariance);
    for (std::size_t i = 0; i < samples; ++i)
        m_targetVariance[i] -= m_targetMean[i] * m_targetMean[i];
}

void BlurredFit::windowOfProduct(const std::vector<float> &a, const std::vector<float> &b,
                                 std::vector<float> &out) const
{
    std::vector<float> product(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        product[i] = a[i] * b[i];
    window(product, out);
}

void BlurredFit::window(const std::vector<float> &in, std::vector<float> &out) const
{
    const int side = m_side;
    m_scratchA.assign(std::size_t(side) * side, 0.0f);
    // Across each line, then down each column, every output from the
    // inputs within reach (mirrored at the edges).
    for (int y = 0; y < side; ++y) {
        const float *line = &in[std::size_t(y) * side];
        float *to = &m_scratchA[std::size_t(y) * side];
        for (int p = 0; p < side; ++p) {
            const float *w = &m_window[std::size_t(p) * side];
            float sum = 0;
            for (int q = std::max(0, p - 2 * WindowReach); q <= std::min(side - 1, p + 2 * WindowReach); ++q)
                sum += w[q] * line[q];
            to[p] = sum;
        }
    }
    out.assign(std::size_t(side) * side, 0.0f);
    for (int p = 0; p < side; ++p) {
        const float *w = &m_window[std::size_t(p) * side];
        float *to = &out[std::size_t(p) * side];
        for (int q = std::max(0, p - 2 * WindowReach); q <= std::min(side - 1, p + 2 * WindowReach); ++q) {
            const float weight = w[q];
            if (weight == 0.0f)
                continue;
            const float *from = &m_scratchA[std::size_t(q) * side];
            for (int x = 0; x < side; ++x)
                to[x] += weight * from[x];
        }
    }
}

void BlurredFit::load(const std::vector<std::uint8_t> &ink)
{
    const int side = m_side, cells = m_cells;
    const std::size_t samples = std::size_t(side) * side;
    // The grid blurred: paper (1) less each ink cell's spread.
    std::vector<float> rows(std::size_t(cells) * side, 0.0f);
    for (int r = 0; r < cells; ++r)
        for (int c = 0; c < cells; ++c)
            if (ink[std::size_t(r) * cells + c]) {
                const Reach &reach = m_reach[c];
                const int start = c * PerCell + m_profileFirst;
                for (int t = 0; t < reach.count; ++t)
                    rows[std::size_t(r) * side + reach.first + t] += m_profile[reach.first + t - start];
            }
    m_blurred.assign(samples, 1.0f);
    for (int r = 0; r < cells; ++r) {
        const Reach &reach = m_reach[r];
        const int start = r * PerCell + m_profileFirst;
        for (int t = 0; t < reach.count; ++t) {
            const float a = m_profile[reach.first + t - start];
            float *to = &m_blurred[std::size_t(reach.first + t) * side];
            const float *from = &rows[std::size_t(r) * side];
            for (int x = 0; x < side; ++x)
                to[x] -= a * from[x];
        }
    }
    window(m_blurred, m_mean);
    windowOfProduct(m_blurred, m_blurred, m_meanSquare);
    windowOfProduct(m_blurred, m_target, m_meanProduct);
    m_map.resize(samples);
    for (std::size_t i = 0; i < samples; ++i)
        m_map[i] = similarity(int(i));
}

float BlurredFit::similarity(int i) const
{
    const float mx = m_mean[i], my = m_targetMean[i];
    const float vx = m_meanSquare[i] - mx * mx, vxy = m_meanProduct[i] - mx * my;
    return (2 * mx * my + C1) * (2 * vxy + C2) / ((mx * mx + my * my + C1) * (vx + m_targetVariance[i] + C2));
}

double BlurredFit::score(const std::vector<std::uint8_t> &ink)
{
    load(ink);
    double sum = 0;
    for (float s : m_map)
        sum += s;
    return sum / double(m_map.size());
}

bool BlurredFit::tryFlip(std::vector<std::uint8_t> &ink, int row, int column)
{
    const int side = m_side;
    std::uint8_t &cell = ink[std::size_t(row) * m_cells + column];
    const float delta = cell ? 1.0f : -1.0f;  // ink to paper lightens
    const Reach &down = m_reach[row], &across = m_reach[column];
    const int rowStart = row * PerCell + m_profileFirst, columnStart = column * PerCell + m_profileFirst;

    // The window's view of the change: for the products with the picture
    // and with the blurred grid itself, the profile down times the
    // samples times the profile across.
    const int lines = down.count, width = across.count, outLines = down.affected, outWidth = across.affected;
    m_scratchB.assign(std::size_t(lines) * outWidth * 2, 0.0f);
    for (int t = 0; t < lines; ++t) {
        const float *target = &m_target[std::size_t(down.first + t) * side + across.first];
        const float *blurred = &m_blurred[std::size_t(down.first + t) * side + across.first];
        float *toTarget = &m_scratchB[std::size_t(t) * outWidth * 2];
        float *toBlurred = toTarget + outWidth;
        for (int j = 0; j < outWidth; ++j) {
            const float *w = &across.windowed[std::size_t(j) * width];
            float a = 0, b = 0;
            for (int u = 0; u < width; ++u) {
                a += w[u] * target[u];
                b += w[u] * blurred[u];
            }
            toTarget[j] = a;
            toBlurred[j] = 2 * b;
        }
    }
    m_scratchC.resize(std::size_t(outLines) * outWidth * 3);
    double gain = 0;
    for (int i = 0; i < outLines; ++i) {
        const float *w = &down.windowed[std::size_t(i) * lines];
        for (int j = 0; j < outWidth; ++j) {
            float a = 0, b = 0;
            for (int t = 0; t < lines; ++t) {
                a += w[t] * m_scratchB[std::size_t(t) * outWidth * 2 + j];
                b += w[t] * m_scratchB[std::size_t(t) * outWidth * 2 + outWidth + j];
            }
            const std::size_t at = std::size_t(down.affectedFirst + i) * side + across.affectedFirst + j;
            const float mx = m_mean[at] + delta * down.mean[i] * across.mean[j];
            const float exx = m_meanSquare[at] + delta * b + down.square[i] * across.square[j];
            const float exy = m_meanProduct[at] + delta * a;
            const float my = m_targetMean[at];
            const float s = (2 * mx * my + C1) * (2 * (exy - mx * my) + C2)
                            / ((mx * mx + my * my + C1) * (exx - mx * mx + m_targetVariance[at] + C2));
            float *keep = &m_scratchC[(std::size_t(i) * outWidth + j) * 3];
            keep[0] = mx;
            keep[1] = exx;
            keep[2] = exy;
            gain += double(s) - m_map[at];
        }
    }
    if (gain <= 1e-9)
        return false;

    cell = !cell;
    for (int t = 0; t < lines; ++t) {
        const float a = delta * m_profile[down.first + t - rowStart];
        float *to = &m_blurred[std::size_t(down.first + t) * side + across.first];
        for (int u = 0; u < width; ++u)
            to[u] += a * m_profile[across.first + u - columnStart];
    }
    for (int i = 0; i < outLines; ++i)
        for (int j = 0; j < outWidth; ++j) {
            const std::size_t at = std::size_t(down.affectedFirst + i) * side + across.affectedFirst + j;
            const float *keep = &m_scratchC[(std::size_t(i) * outWidth + j) * 3];
            m_mean[at] = keep[0];
            m_meanSquare[at] = keep[1];
            m_meanProduct[at] = keep[2];
            m_map[at] = similarity(int(at));
        }
    return true;
}

void BlurredFit::improve(std::vector<std::uint8_t> &ink, int passes)
{
    load(ink);
    const int cells = m_cells;
    // A flip changes most what its nearest neighbours' flips would gain:
    // those are tried again.
    constexpr int reach = 2;
    std::vector<std::uint8_t> due(std::size_t(cells) * cells, 1);
    for (int pass = 0; pass < passes; ++pass) {
        bool flipped = false;
        for (int r = 0; r < cells; ++r)
            for (int c = 0; c < cells; ++c) {
                if (!due[std::size_t(r) * cells + c])
                    continue;
                due[std::size_t(r) * cells + c] = 0;
                if (!tryFlip(ink, r, c))
                    continue;
                flipped = true;
                for (int y = std::max(0, r - reach); y <= std::min(cells - 1, r + reach); ++y)
                    std::fill_n(due.begin() + std::size_t(y) * cells + std::max(0, c - reach),
                                std::min(cells - 1, c + reach) - std::max(0, c - reach) + 1, std::uint8_t(1));
            }
        if (!flipped)
            break;
    }
}
