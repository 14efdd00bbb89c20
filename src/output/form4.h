// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class DriveList;
class FolderList;
class ArtSource;
class QLabel;
class QLineEdit;
class QPushButton;

// The save window: the art as a text file, or a picture as a JPEG, into a
// folder the user picks.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    static inline const QString TextCaption = QStringLiteral("保存为TXT文本文件");
    static inline const QString PictureCaption = QStringLiteral("保存图像");
    static inline const QString SvgCaption = QStringLiteral("保存为SVG图像");

    // Gives the picture to save at the moment the user saves it.
    using PictureSource = std::function<QImage()>;
    // Gives an SVG document's bytes at the moment the user saves it.
    using SvgSource = std::function<QByteArray()>;

    // Opens saving the art as a text file.
    explicit Form4(const ArtSource &art);
    // From now on saves the source's picture, with the caption to say so.
    void savePicture(PictureSource picture);
    // From now on saves the source's SVG document, with the caption to say so.
    void saveSvg(SvgSource svg);

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
    bool confirmTarget(const QString &name, const QString &file, const QByteArray &native);

    const ArtSource &m_art;
    PictureSource m_picture;  // none while saving text or SVG
    SvgSource m_svg;          // none while saving text or a picture
    DriveList *Drive1 = nullptr;
    FolderList *Dir1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
