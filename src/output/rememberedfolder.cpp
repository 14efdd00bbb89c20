// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rememberedfolder.h"

#include "textfile.h"
#include "workfiles.h"

#include <QDir>
#include <QFileInfo>

QString RememberedFolder::load()
{
    const std::optional<QString> line = TextFile::readFirstLine(WorkFiles::path(WorkFiles::Remembered));
    if (line && !line->isEmpty() && QDir::isAbsolutePath(*line) && QFileInfo(*line).isDir())
        return *line;
    return QDir::homePath();
}

bool RememberedFolder::store(const QString &prefix)
{
    return TextFile::writeLines(WorkFiles::path(WorkFiles::Remembered), {prefix}, nullptr,
                                TextFile::Fallback::Utf8WithBom);
}
