// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class DriveList;
class FolderList;
class OutputWindows;
class QLabel;
class QLineEdit;
class QPushButton;

// The save window: the art as a text file, or the image view's picture as a
// JPEG, into a folder the user picks. The caption tells which.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    static inline const QString TextCaption = QStringLiteral("保存为TXT文本文件");
    static inline const QString PictureCaption = QStringLiteral("保存图像");
    static constexpr int JpegQuality = 95;

    explicit Form4(OutputWindows &windows);

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
    bool confirmTarget(const QString &name, const QString &file);

    OutputWindows &m_windows;
    DriveList *Drive1 = nullptr;
    FolderList *Dir1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
