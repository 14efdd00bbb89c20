// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "alignmentcheck.h"
#include "artdefaults.h"
#include "artgrid.h"
#include "gridgeometry.h"
#include "picturestyle.h"

#include <QStringList>
#include <optional>

// What `tessellon --print` was asked for, read from its arguments.
struct PrintOptions
{
    enum class Action { Print, Help, Version, ListFonts, UsageError };
    enum class Format { Text, Html, Ansi, Svg };

    Action action = Action::Print;
    QString message;  // the help text, or what is wrong with the arguments

    QStringList glyphs;  // none: one glyph per line of standard input
    QString fontName = ArtDefaults::FontName;
    std::optional<QString> foreground;  // by default the glyph itself
    QString background = ArtDefaults::Background;
    bool bold = true;
    bool shrink = false;
    GridGeometry geometry;
    bool crlf = false;
    QString fromPicture;
    PictureStyle pictureStyle = PictureStyles::Default;
    bool invert = false;  // the picture's light parts are ink
    QString picture;
    // The two file names as the bytes the command line gave.
    QByteArray fromPictureFile;
    QByteArray pictureFile;
    QByteArray pictureFormat;
    int backCode = ArtDefaults::BackColourCode;
    int textCode = ArtDefaults::TextColourCode;
    bool check = false;  // the alignment table instead of the art
    QString target = AlignmentCheck::defaultTarget();  // where the art must line up for --check to pass
    bool coloursGiven = false;
    Format format = Format::Text;
    int scale = 1;  // of the picture and the SVG
    bool join = false;
    int gap = ArtGrid::DefaultGap;

    // The arguments include the program's name first, as main() gets them;
    // raw holds them as bytes, for file names that are not UTF-8.
    static PrintOptions parse(const QStringList &arguments, const QList<QByteArray> &raw = {});
};
