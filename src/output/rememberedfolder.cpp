// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rememberedfolder.h"

#include "dialogs.h"
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

bool RememberedFolder::store(QWidget *window, const QString &prefix)
{
    const QString file = WorkFiles::path(WorkFiles::Remembered);
    QString why;
    if (TextFile::writeLines(file, {prefix}, &why))
        return true;
    Dialogs::message(window, QStringLiteral("无法记住文件夹，工作文件“%1”写入失败：%2").arg(QDir::toNativeSeparators(file), why),
                     QStringLiteral("错误提示"), QMessageBox::Warning);
    return false;
}
