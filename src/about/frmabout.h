// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPushButton;

// The About window: title, version, credits, description, and the usage
// tips behind "更多".
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    // Moves the window to the middle of the window it is opened from, kept
    // whole on that window's screen.
    void placeOver(const QWidget *window);

private slots:
    void cmdOK_Click();
    void Command1_Click();

private:
    QPushButton *cmdOK = nullptr;
    QPushButton *Command1 = nullptr;
};
