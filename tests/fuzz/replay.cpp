// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The normal build's stand-in for libFuzzer: every file of the folders given
// goes once through the target's entry point, so the suite replays each
// corpus, the inputs that once failed among them.
#include "fuzzapplication.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString given = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(given).isFile())
            files << given;
        for (QDirIterator found(given, QDir::Files); found.hasNext();)
            files << found.next();
    }
    files.sort();
    for (const QString &name : std::as_const(files)) {
        QFile file(name);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        std::printf("%s\n", qPrintable(name));  // the input at fault, should it fail
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", qlonglong(files.size()));
    return files.isEmpty() ? 1 : 0;
}
