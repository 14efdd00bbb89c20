// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class DriveList;
class FolderList;
class OutputWindows;
class QListWidget;
class QPushButton;

// The picture combination window: lays a picture file, stretched, under the
// art in the image view's picture area.
class Form5 : public QWidget
{
    Q_OBJECT
public:
    static const QStringList Patterns;

    explicit Form5(OutputWindows &windows);

private slots:
    void Command1_Click();
    void Command2_Click();
    void Dir1_Change();

private:
    void Form_Load();
    void fail(const QString &text);

    OutputWindows &m_windows;
    FolderList *Dir1 = nullptr;
    DriveList *Drive1 = nullptr;
    QListWidget *File1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
