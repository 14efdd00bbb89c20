// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rememberedfolder.h"

#include "dialogs.h"
#include "drives.h"
#include "files.h"
#include "textfile.h"
#include "workfiles.h"

#include <QDir>
#include <QFileInfo>

QString RememberedFolder::load()
{
    // Earlier versions wrote GBK: the reading that names a folder is the one meant.
    const std::optional<QByteArray> line = TextFile::firstLineBytes(WorkFiles::path(WorkFiles::Remembered));
    for (const QString &folder : TextFile::readings(line.value_or(QByteArray())))
        if (!folder.isEmpty() && QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir())
            return folder;
    return Drives::home();
}

bool RememberedFolder::store(QWidget *window, const QString &prefix, const QByteArray &nativePrefix)
{
    // The file holds text: a folder whose name is not UTF-8 (GBK bytes from
    // an old disk) would be read back as another folder, so it is not kept.
    if (!Files::keptName(nativePrefix))
        return false;
    const QString file = WorkFiles::path(WorkFiles::Remembered);
    QString why;
    if (TextFile::writeLines(file, {prefix}, &why))
        return true;
    Dialogs::message(window, QStringLiteral("无法记住文件夹，工作文件“%1”写入失败：%2").arg(QDir::toNativeSeparators(file), why),
                     QStringLiteral("错误提示"), QMessageBox::Warning);
    return false;
}
