// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// How a picture is turned into cells, the same choice in the main window
// and on the command line.
enum class PictureStyle {
    // The picture decides: a drawing as Outline; a photo diffused as Photo,
    // then changed cell by cell to look as much like it from afar as it can.
    Auto,
    Outline,  // one threshold: clean edges, no scattered cells
    Photo,    // error diffusion: the share of ink follows the tones
};

namespace PictureStyles
{
constexpr PictureStyle Default = PictureStyle::Auto;
constexpr PictureStyle All[] = {PictureStyle::Auto, PictureStyle::Outline, PictureStyle::Photo};  // menu order

// The name on the command line: auto, outline, photo.
QString name(PictureStyle style);
// The menu's words for it.
QString label(PictureStyle style);
std::optional<PictureStyle> fromName(const QString &name);
QStringList names();
}
