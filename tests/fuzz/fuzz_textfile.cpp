// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The working text files as any version or any damage left them: the
// remembered folder, the usage count and the font list, decoded every way.
#include "fuzzapplication.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList readings = TextFile::readings(bytes);
    if (readings.isEmpty() || TextFile::decode(bytes) != readings.first())
        __builtin_trap();
    (void)TextFile::encode(readings.first());
    return 0;
}
