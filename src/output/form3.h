// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QWidget>

class CanvasView;
class OutputWindows;
class QPushButton;

// The image view window: prints the art into a picture area in colours the
// user picks by code.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    // The drawable area inside the picture's sunken border.
    static constexpr QSize PictureSize{261, 237};

    explicit Form3(OutputWindows &windows);
    Canvas &pictureArea() { return m_area; }

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    OutputWindows &m_windows;
    Canvas m_area;
    CanvasView *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
};
