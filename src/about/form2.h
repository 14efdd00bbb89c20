// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

class QProgressBar;

// The splash window: title, version and a progress bar that fills in 200
// steps of 10 ms before the main window takes over.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Steps = 200;
    static constexpr int StepMilliseconds = 10;

    Form2();

    // Shows the splash, fills the bar and closes it.
    void Form_Load();

    // The program's start: the splash runs and is destroyed, then showMain
    // creates and shows the main window.
    static void start(const std::function<void()> &showMain);

private:
    QProgressBar *ProgressBar1 = nullptr;
};
