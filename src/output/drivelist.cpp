// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drivelist.h"

#include "drives.h"
#include "folderlist.h"

#include <QDir>
#include <QSignalBlocker>

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    for (const QString &root : Drives::roots())
        addRoot(root);
    setAccessibleName(QStringLiteral("驱动器"));
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChanged(itemData(index).toString()); });
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
    int index = findData(root);
    if (index < 0) {
        addRoot(root);
        index = count() - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

// Shown as the system writes it ("C:\"), kept as Qt's path ("C:/").
void DriveList::addRoot(const QString &root)
{
    addItem(QDir::toNativeSeparators(root), root);
}
