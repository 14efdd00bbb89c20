// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QProgressBar;

// The splash window: title, version and a progress bar that fills in 200
// steps of 10 ms before the main window takes over. It takes no input.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    Form2();

    // Shows the splash and starts filling the bar; when the bar is full the
    // splash closes and says finished().
    void Form_Load();

signals:
    void finished();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void step();

    QProgressBar *ProgressBar1 = nullptr;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_filling = false;
    bool m_done = false;
};
