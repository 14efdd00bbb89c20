// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form5.h"

#include "accessibility.h"
#include "dialogs.h"
#include "drivelist.h"
#include "drives.h"
#include "files.h"
#include "folderlist.h"
#include "fonts.h"
#include "form3.h"
#include "imagefiles.h"
#include "rememberedfolder.h"
#include "scaffold.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int NativeNameRole = Qt::UserRole;
}

Form5::Form5()
{
    setAttribute(Qt::WA_DeleteOnClose);
    Scaffold::setUp(this, "Form5", QStringLiteral("图片组合方式"), Scaffold::Frame::Sizable, QSize(4920, 3705));

    Dir1 = Scaffold::place<FolderList>(this, "Dir1", twips(0, 360, 2535, 2610));
    Drive1 = Scaffold::place<DriveList>(this, "Drive1", twips(0, 0, 2535, 300));
    File1 = Scaffold::place<QListWidget>(this, "File1", twips(2520, 0, 2415, 2970));

    Command1 = Scaffold::button(this, "Command1", twips(240, 3120, 1935, 495), QStringLiteral("确定(&S)"));
    Command2 = Scaffold::button(this, "Command2", twips(2760, 3120, 1935, 495), QStringLiteral("取消(&C)"));
    for (QPushButton *button : {Command1, Command2})
        button->setFont(Fonts::kaiti(18, true));

    File1->setAccessibleName(QStringLiteral("图片文件"));
    Accessibility::closeOnEscape(this);

    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, File1);
    setTabOrder(File1, Command1);
    setTabOrder(Command1, Command2);

    connect(Dir1, &FolderList::pathChanged, this, &Form5::Dir1_Change);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Form5::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);

    Form_Load();
}

void Form5::Form_Load()
{
    Drive1->pairWith(Dir1, RememberedFolder::load());
    Dir1_Change();
}

void Form5::Dir1_Change()
{
    File1->clear();
    // Every kind of picture the program reads. Name filters ignore letter
    // case: PHOTO.JPG is a picture too. A name in GBK (from an old archive) is
    // listed decoded and read by its own bytes.
    static const QStringList patterns = [] {
        QStringList all;
        for (const QString &suffix : ImageFiles::readableSuffixes())
            all << QStringLiteral("*.") + suffix;
        return all;
    }();
    for (const Files::Entry &entry : Files::regularFiles(Dir1->nativePath())) {
        if (!QDir::match(patterns, entry.name))
            continue;
        auto *item = new QListWidgetItem(entry.name, File1);
        item->setData(NativeNameRole, entry.native);
    }
}

void Form5::fail(const QString &text)
{
    Dialogs::message(this, text, QStringLiteral("图片组合"), QMessageBox::Warning);
}

void Form5::Command1_Click()
{
    const QString prefix = Drives::prefix(Dir1->path());
    const QListWidgetItem *item = File1->currentItem();
    if (!item || !item->isSelected()) {
        fail(QStringLiteral("请先在右边的列表中选择一个图片文件。"));
        return;
    }
    if (!Files::isFolder(Dir1->nativePath())) {
        fail(QStringLiteral("文件夹“%1”已不存在。").arg(QDir::toNativeSeparators(Dir1->path())));
        return;
    }
    const QImage picture = Form3::loadPicture(
        this, {{prefix + item->text(), item->data(NativeNameRole).toByteArray()}});
    if (picture.isNull())
        return;
    const std::optional<QColor> textColor = Form3::askTextColor(this);
    emit pictureChosen(picture, textColor);
    RememberedFolder::store(this, prefix, Dir1->nativePrefix());
    close();
}

void Form5::Command2_Click()
{
    close();
}
