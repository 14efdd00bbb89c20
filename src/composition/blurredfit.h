// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// How alike a grid of ink and paper cells and a picture look from a
// distance, and the single-cell changes that make them more alike.
//
// Both are seen blurred by half a cell, two samples to a cell, and compared
// by their local means, contrasts and correlation (the structural
// similarity, SSIM, in a small Gaussian window): what matters to the eye
// from afar, not whether each cell matches its own area.
class BlurredFit
{
public:
    // picture: the luminance (0 black, 1 white, linear light) at two samples
    // a cell across and down, 2 × cells rows of 2 × cells; paper lies beyond.
    BlurredFit(int cells, const std::vector<float> &picture);

    // The mean similarity of the grid (row by row, nonzero = ink) to the
    // picture, from −1 to 1.
    double score(const std::vector<std::uint8_t> &ink);

    // Flips single cells, row by row, while a flip raises the similarity;
    // at most passes times over the cells that a flip may have changed.
    void improve(std::vector<std::uint8_t> &ink, int passes);

private:
    void load(const std::vector<std::uint8_t> &ink);
    bool tryFlip(std::vector<std::uint8_t> &ink, int row, int column);
    // The window over out, read from in, one line of the map at a time.
    void window(const std::vector<float> &in, std::vector<float> &out) const;
    void windowOfProduct(const std::vector<float> &a, const std::vector<float> &b, std::vector<float> &out) const;
    float similarity(int i) const;

    int m_cells;
    int m_side;  // samples across
    // The blur of one cell: its profile over the samples, from m_first.
    std::vector<float> m_profile;
    int m_profileFirst;  // offset of the profile's first sample from the cell's first
    // The window, with its edges mirrored: weights of every sample on
    // every other, as whole lines of the map.
    std::vector<float> m_window;
    // Per cell position: the window applied to the profile (a line of
    // m_affected values from the affected range's start) and the window of
    // the profile's squares.
    struct Reach
    {
        int first = 0, count = 0;            // samples the cell's blur touches
        int affectedFirst = 0, affected = 0;  // samples whose window sees them
        std::vector<float> windowed;          // affected × count: window × profile
        std::vector<float> mean, square;      // affected: window of profile, of its squares
    };
    std::vector<Reach> m_reach;
    std::vector<float> m_target, m_targetMean, m_targetVariance;
    std::vector<float> m_blurred, m_mean, m_meanSquare, m_meanProduct, m_map;
    mutable std::vector<float> m_scratchA;
    std::vector<float> m_scratchB, m_scratchC;
};
