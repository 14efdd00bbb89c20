// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drivelist.h"

#include "drives.h"
#include "folderlist.h"

#include <QSignalBlocker>

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    addItems(Drives::roots());
    setAccessibleName(QStringLiteral("驱动器"));
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChanged(itemText(index)); });
}

void DriveList::pairWith(FolderList *folders, const QString &folder)
{
    connect(this, &DriveList::driveChanged, folders, &FolderList::setPath);
    connect(folders, &FolderList::pathChanged, this, &DriveList::showDriveOf);
    folders->setPath(folder);
    showDriveOf(folder);
}

void DriveList::showDriveOf(const QString &path)
{
    const QString root = Drives::rootOf(path);
    int index = findText(root);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}
