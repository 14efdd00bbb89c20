// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// compose_art GLYPH: prints, as UTF-8, the art of the main window's defaults
// (幼圆, bold, the glyph as foreground, ▓ as background) for the e2e check.
#include "canvas.h"
#include "composer.h"
#include "fonts.h"
#include "gridgeometry.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Fonts::install();
    CompositionInput input;
    input.glyph = argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("顶");
    input.foreground = input.glyph;
    input.background = QStringLiteral("▓");
    input.fontName = QStringLiteral("幼圆");
    const GridGeometry geometry;
    Canvas small = geometry.smallCanvas(), large = geometry.largeCanvas();
    QString art;
    Composer(small, large, geometry).run(input, nullptr, {}, [&art](int, const QString &row) { art += row; });
    const QByteArray bytes = art.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
