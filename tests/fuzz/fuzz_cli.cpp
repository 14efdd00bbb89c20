// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: the input's lines before an empty one are the arguments
// after --print, the rest is standard input, glyph by glyph. The output goes
// nowhere; what matters is that every input ends, within its bounds.
#include "fonts.h"
#include "fuzzapplication.h"
#include "printcommand.h"
#include "printoptions.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    [[maybe_unused]] static const bool fonts = (Fonts::install(), true);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf("\n\n");
    QList<QByteArray> raw = {"tessellon", "--print"};
    if (split > 0)
        raw += bytes.left(split).split('\n');
    QStringList arguments;
    for (const QByteArray &argument : std::as_const(raw))
        arguments << QString::fromLocal8Bit(argument);
    const PrintOptions options = PrintOptions::parse(arguments, raw);
    // Only what reads standard input, draws no picture file and stays small.
    if (options.action != PrintOptions::Action::Print || !options.picture.isEmpty() || !options.fromPicture.isEmpty()
        || !options.glyphs.isEmpty())
        return 0;
    const QByteArray input = split > 0 ? bytes.mid(split + 2) : bytes;
    static FILE *nowhere = std::fopen("/dev/null", "w");
    if (FILE *in = fmemopen(const_cast<char *>(input.constData()), size_t(input.size()), "r")) {
        PrintCommand(options).run(in, nowhere, nowhere);
        std::fclose(in);
    }
    return 0;
}
