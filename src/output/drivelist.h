// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

class FolderList;

// The writable file-system roots, as a drop-down list of drives.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);
    // Selects the drive that holds path, without signalling a change.
    void showDriveOf(const QString &path);
    // Keeps this list and the folder list in step, both showing folder now.
    void pairWith(FolderList *folders, const QString &folder);

signals:
    // The user picked a drive.
    void driveChanged(const QString &root);

private:
    void addRoot(const QString &root);
};
