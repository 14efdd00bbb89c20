// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTreeWidget>

// A folder list as a tree a user walks: the folders from the root down to
// the current one, then the current folder's own folders. Double-click or
// Enter on an entry makes it the current folder.
class FolderList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Moves to the folder; false (staying put) when it is not a folder.
    bool setPath(const QString &path);

signals:
    void pathChanged(const QString &path);

private:
    void rebuild();

    QString m_path;
};
