// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "appicon.h"
#include "fonts.h"
#include "scaffold.h"
#include "version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QWindow>
#include <memory>

using Scaffold::label;
using Scaffold::setTextColor;

namespace {
const QColor Blue(0, 0, 255);
}

Form2::Form2()
{
    Scaffold::setUp(this, "Form2", QStringLiteral("Tessellon启动画面"), Scaffold::Frame::Splash, QSize(6165, 2895));
    Scaffold::setBackColor(this, Qt::white);

    // The shadow first, so the title lies above it.
    QLabel *Label3 = label(this, "Label3", twips(2040, 120, 3960, 495), QStringLiteral("Tessellon加强版"));
    Label3->setFont(Fonts::kaiti(24, true));
    setTextColor(Label3, QColor(0x80, 0x80, 0x80));
    QLabel *Label2 = label(this, "Label2", twips(1995, 75, 3960, 495), QStringLiteral("Tessellon加强版"));
    Label2->setFont(Fonts::kaiti(24, true));
    setTextColor(Label2, Blue);

    QLabel *Image1 = label(this, "Image1", twips(240, 240, 705, 705), QString());
    Image1->setPixmap(AppIcon::picture48());
    Image1->setScaledContents(true);

    label(this, "Label5", twips(1680, 840, 3375, 255), QStringLiteral("软件制作：Tessellon开发组"));
    label(this, "Label6", twips(4440, 1320, 1455, 255), QStringLiteral("软件版本 v" TESSELLON_VERSION));
    QLabel *Label8 = label(this, "Label8", twips(360, 1440, 2775, 495), QStringLiteral("欢迎使用..."));
    Label8->setFont(Fonts::kaiti(18, false));
    setTextColor(Label8, Blue);
    setTextColor(label(this, "Label4", twips(1080, 2040, 1695, 255), QStringLiteral("欢迎访问我的博客：")), Blue);
    QLabel *Label7 = label(this, "Label7", twips(2760, 2040, 3135, 255), QStringLiteral("tessellon.example.org"));
    QFont underlined = font();
    underlined.setUnderline(true);
    Label7->setFont(underlined);
    setTextColor(Label7, Blue);
    label(this, "Label1", twips(0, 2400, 1335, 255), QStringLiteral("加载中>>>>>"));

    // Docked to the bottom edge, full width.
    ProgressBar1 = Scaffold::place<QProgressBar>(this, "ProgressBar1",
                                                 QRect(0, height() - twips(255), width(), twips(255)));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Scaffold::centre(this);
}

void Form2::Form_Load()
{
    show();
    // Painted before the bar starts: give the window system a moment to show
    // the window. No input is let in, here or later.
    QElapsedTimer shown;
    shown.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && shown.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ProgressBar1->setMaximum(Steps);
    // Each step waits out the rest of its 10 ms, so painting the bar does
    // not stretch the 2 s.
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= Steps; ++i) {
        ProgressBar1->setValue(i);
        // Painted now: the loop lets no other event in.
        ProgressBar1->repaint();
        const qint64 rest = qint64(i) * StepMilliseconds - clock.elapsed();
        QThread::msleep(qBound<qint64>(1, rest, qint64(StepMilliseconds)));
    }
    close();
}

void Form2::start(const std::function<void()> &showMain)
{
    {
        const auto splash = std::make_unique<Form2>();
        splash->Form_Load();
    }
    showMain();
}
