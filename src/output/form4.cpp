// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

#include "accessibility.h"
#include "artdefaults.h"
#include "artsource.h"
#include "dialogs.h"
#include "drivelist.h"
#include "drives.h"
#include "files.h"
#include "folderlist.h"
#include "fonts.h"
#include "imagefiles.h"
#include "rememberedfolder.h"
#include "scaffold.h"
#include "textfile.h"
#include "workfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {
// Each mode's own extensions, its usual one first. A picture may be a JPEG
// or, named so, a PNG.
const QStringList PictureExtensions = {QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".png")};
const QStringList TextExtensions = {QStringLiteral(".txt")};
const QStringList SvgExtensions = {QStringLiteral(".svg")};

// What a name typed in the save window still needs at its end: nothing when
// it already ends in one of the mode's own extensions (any letter case), else
// the mode's usual one.
QString missingExtension(const QString &name, const QStringList &own)
{
    for (const QString &extension : own)
        if (name.endsWith(extension, Qt::CaseInsensitive))
            return {};
    return own.first();
}
}

Form4::Form4(const ArtSource &art) : m_art(art)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Scaffold::setUp(this, "Form4", TextCaption, Scaffold::Frame::Fixed, QSize(5175, 3195));

    Drive1 = Scaffold::place<DriveList>(this, "Drive1", twips(120, 120, 2535, 300));
    Dir1 = Scaffold::place<FolderList>(this, "Dir1", twips(120, 480, 2535, 2610));
    Text1 = Scaffold::place<QLineEdit>(this, "Text1", twips(3480, 120, 1575, 270));
    Label1 = Scaffold::label(this, "Label1", twips(2760, 160, 855, 255), QStringLiteral("文件名："));

    Command1 = Scaffold::button(this, "Command1", twips(2760, 840, 2295, 735), QStringLiteral("保存(&S)"));
    Command2 = Scaffold::button(this, "Command2", twips(2760, 2160, 2295, 735), QStringLiteral("取消(C)"));
    for (QPushButton *button : {Command1, Command2})
        button->setFont(Fonts::kaiti(21.75, true));

    Accessibility::label(Label1, Text1);
    Accessibility::closeOnEscape(this);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);

    connect(Text1, &QLineEdit::returnPressed, this, &Form4::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);

    Form_Load();
    Scaffold::centre(this);
}

void Form4::Form_Load()
{
    Text1->setText(m_art.glyphText());
    Drive1->pairWith(Dir1, RememberedFolder::load());
}

void Form4::savePicture(PictureSource picture)
{
    m_picture = std::move(picture);
    m_svg = nullptr;
    setWindowTitle(PictureCaption);
}

void Form4::saveSvg(SvgSource svg)
{
    m_svg = std::move(svg);
    m_picture = nullptr;
    setWindowTitle(SvgCaption);
}

bool Form4::confirmTarget(const QString &name, const QString &file, const QByteArray &native)
{
    const QString separators = Files::separators();
    if (std::any_of(separators.begin(), separators.end(), [&name](QChar c) { return name.contains(c); })
        || name.contains(QChar(0))) {
        QStringList shown;
        for (QChar c : separators)
            shown << QStringLiteral("“%1”").arg(c);
        Dialogs::message(this, QStringLiteral("文件名不能包含%1，请换一个文件名。").arg(shown.join(QStringLiteral("或"))),
                         QStringLiteral("保存"), QMessageBox::Warning);
        return false;
    }
    if (const std::optional<QString> why = Files::checkName(native)) {
        Dialogs::message(this, QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(file), *why),
                         QStringLiteral("保存"), QMessageBox::Warning);
        return false;
    }
    if (WorkFiles::isWorkFile(native)) {
        Dialogs::message(this,
                         QStringLiteral("“%1”是本程序自己的工作文件，程序退出时会被删除，请换一个文件名或文件夹。")
                             .arg(QDir::toNativeSeparators(file)),
                         QStringLiteral("保存"), QMessageBox::Warning);
        return false;
    }
    if (Files::isFolder(native)) {
        Dialogs::message(this, QStringLiteral("“%1”是一个文件夹，请换一个文件名。").arg(QDir::toNativeSeparators(file)),
                         QStringLiteral("保存"), QMessageBox::Warning);
        return false;
    }
    if (Files::exists(native))
        return Dialogs::ask(this, QStringLiteral("文件“%1”已经存在，要替换它吗？").arg(QDir::toNativeSeparators(file)),
                            QStringLiteral("确认替换"));
    return true;
}

void Form4::Command1_Click()
{
    const QString prefix = Drives::prefix(Dir1->path());
    const QString name = Text1->text();
    const bool picture = bool(m_picture);
    const bool svg = bool(m_svg);
    // A picture named *.png is kept lossless.
    const bool png = picture && name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const QString fileName =
        name + missingExtension(name, svg ? SvgExtensions : picture ? PictureExtensions : TextExtensions);
    const QString file = prefix + fileName;
    // The folder as its bytes on disk, whatever its name's encoding.
    const QByteArray native = Dir1->nativePrefix() + Files::native(fileName);
    if (!confirmTarget(name, file, native))
        return;

    QString why;
    const char *format = png ? "PNG" : "JPG";
    const QByteArray bytes = svg       ? m_svg()
                             : picture ? ImageFiles::encode(m_picture(), format, ArtDefaults::quality(format), &why)
                                       : TextFile::encode(m_art.art() + QStringLiteral("\r\n"));
    const bool saved = !bytes.isEmpty() && Files::write(native, bytes, &why);
    if (!saved) {
        Dialogs::message(this, QStringLiteral("无法保存文件“%1”：%2").arg(QDir::toNativeSeparators(file), why),
                         QStringLiteral("保存失败"), QMessageBox::Warning);
        return;
    }
    Dialogs::openDocument(this, file, native);
    RememberedFolder::store(this, prefix, Dir1->nativePrefix());
    close();
}

void Form4::Command2_Click()
{
    close();
}
