// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture file's bytes: weighed, and decoded when the weighing lets them,
// at the drawing pad's size and at the picture's own proportions.
#include "fuzzapplication.h"
#include "imagefiles.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    QString why;
    ImageFiles::load(path, &why, QSize(111, 111));
    ImageFiles::load(path, &why, QSize(261, 237), Qt::KeepAspectRatio);
    return 0;
}
