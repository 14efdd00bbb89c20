// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>

class ArtSource;
class Form3;
class Form4;
class Form5;

// Keeps the one instance of each output window and opens them.
class OutputWindows
{
public:
    explicit OutputWindows(const ArtSource *source);
    ~OutputWindows();
    OutputWindows(const OutputWindows &) = delete;
    OutputWindows &operator=(const OutputWindows &) = delete;

    const ArtSource &source() const { return *m_source; }

    void showImageView();
    void showSaveText();
    void showSavePicture();
    void showSaveSvg();
    void showCombine();

private:
    // The image view window; a new one, loaded but hidden, when none is open.
    Form3 *imageView();
    Form4 *saveWindowOrNew();

    const ArtSource *m_source;
    QPointer<Form3> m_form3;
    QPointer<Form4> m_form4;
    QPointer<Form5> m_form5;
};
