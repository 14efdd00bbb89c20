// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folderlist.h"

#include "drives.h"
#include "files.h"

#include <QDir>
#include <QHeaderView>
#include <QStyle>

namespace {
constexpr int NativeRole = Qt::UserRole;  // the folder as the bytes on disk
}

FolderList::FolderList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setAccessibleName(QStringLiteral("文件夹"));
    setColumnCount(1);
    setRootIsDecorated(false);
    setIndentation(12);
    setItemsExpandable(false);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { setNativePath(item->data(0, NativeRole).toByteArray()); });
    setPath(Drives::home());
}

bool FolderList::setPath(const QString &path)
{
    return setNativePath(Files::native(path));
}

bool FolderList::setNativePath(const QByteArray &path)
{
    if (path.isEmpty() || !Files::isFolder(path))
        return false;
    // Cleaned as QDir::cleanPath cleans, on the bytes: the names between the
    // slashes are kept as they are on disk.
    QByteArrayList parts;
    const QByteArray absolute = Files::rootLength(path) > 0 ? path : Files::native(QDir::currentPath()) + '/' + path;
    const qsizetype rootLength = Files::rootLength(absolute);
    QByteArray root = absolute.left(rootLength);
    if (!root.endsWith('/'))
        root += '/';
    for (const QByteArray &part : absolute.mid(rootLength).split('/')) {
        if (part == "..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!part.isEmpty() && part != ".") {
            parts << part;
        }
    }
    const QByteArray clean = root + parts.join('/');
    if (clean == m_native)
        return true;
    m_native = clean;
    m_path = Files::shownName(clean);
    rebuild(root, parts);
    emit pathChanged(m_path);
    return true;
}

QByteArray FolderList::nativePrefix() const
{
    return m_native.endsWith('/') ? m_native : m_native + '/';
}

void FolderList::rebuild(const QByteArray &root, const QByteArrayList &parts)
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    auto *current = new QTreeWidgetItem(this, {QDir::toNativeSeparators(Files::shownName(root))});
    current->setIcon(0, open);
    current->setData(0, NativeRole, root);
    QByteArray folder = root.chopped(1);
    for (const QByteArray &part : parts) {
        folder += '/' + part;
        current = new QTreeWidgetItem(current, {Files::shownName(part)});
        current->setIcon(0, open);
        current->setData(0, NativeRole, folder);
    }
    for (const Files::Entry &child : Files::folders(m_native)) {
        auto *item = new QTreeWidgetItem(current, {child.name});
        item->setIcon(0, closed);
        item->setData(0, NativeRole, child.native);
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}
