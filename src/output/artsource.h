// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the output windows read from the window that composes the art.
class ArtSource
{
public:
    virtual ~ArtSource() = default;
    // The text art as it stands, every line ended by CR LF.
    virtual QString art() const = 0;
    // The text that was drawn; the default name of a saved file.
    virtual QString glyphText() const = 0;
};
