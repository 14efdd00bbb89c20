// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>

class DriveList;
class FolderList;
class QListWidget;
class QPushButton;

// The picture combination window: the user picks a picture file to lay under
// the art, and the colour the art is printed in over it.
class Form5 : public QWidget
{
    Q_OBJECT
public:
    Form5();

signals:
    // The chosen picture, at the picture area's size, and the text colour
    // (none: the colour stays as it is).
    void pictureChosen(const QImage &picture, std::optional<QColor> textColor);

private slots:
    void Command1_Click();
    void Command2_Click();
    void Dir1_Change();

private:
    void Form_Load();
    void fail(const QString &text);

    FolderList *Dir1 = nullptr;
    DriveList *Drive1 = nullptr;
    QListWidget *File1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
