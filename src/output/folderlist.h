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

    // The current folder as shown, and as the bytes that name it on disk
    // (a folder named in GBK on an old disk is entered and kept by its bytes).
    QString path() const { return m_path; }
    QByteArray nativePath() const { return m_native; }
    // The folder with a slash at its end, to put a file name after.
    QByteArray nativePrefix() const;
    // Moves to the folder; false (staying put) when it is not a folder.
    bool setPath(const QString &path);
    bool setNativePath(const QByteArray &path);

signals:
    void pathChanged(const QString &path);

private:
    void rebuild(const QByteArray &root, const QByteArrayList &parts);

    QString m_path;
    QByteArray m_native;
};
