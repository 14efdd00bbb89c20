// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace {
constexpr int PathRole = Qt::UserRole;
}

FolderList::FolderList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setIndentation(12);
    setItemsExpandable(false);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { setPath(item->data(0, PathRole).toString()); });
    setPath(QDir::homePath());
}

bool FolderList::setPath(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    if (clean == m_path)
        return true;
    m_path = clean;
    rebuild();
    emit pathChanged(m_path);
    return true;
}

void FolderList::rebuild()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList chain;
    for (QDir dir(m_path);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    QTreeWidgetItem *parent = nullptr;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto *item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(this, {name});
        item->setIcon(0, open);
        item->setData(0, PathRole, folder);
        parent = item;
    }
    QTreeWidgetItem *current = parent;
    const QFileInfoList children = QDir(m_path).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo &child : children) {
        auto *item = new QTreeWidgetItem(current, {child.fileName()});
        item->setIcon(0, closed);
        item->setData(0, PathRole, child.absoluteFilePath());
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}
