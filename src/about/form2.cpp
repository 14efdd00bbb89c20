// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "appicon.h"
#include "fonts.h"
#include "scaffold.h"
#include "version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QWindow>

using Scaffold::label;
using Scaffold::setTextColor;

namespace {
const QColor Blue(0, 0, 255);
constexpr int Steps = 200;
constexpr int StepMilliseconds = 10;
}

Form2::Form2()
{
    Scaffold::setUp(this, "Form2", QStringLiteral("Tessellon启动画面"), Scaffold::Frame::Splash, QSize(6165, 2895));
    // Black on white as designed, whatever the desktop's colours.
    Scaffold::setBackColor(this, Qt::white);
    setTextColor(this, Qt::black);
    // Closing the splash hands over to the main window; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);

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

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Form2::step);
}

void Form2::Form_Load()
{
    show();
    m_clock.start();
    m_timer.start(0);
}

void Form2::step()
{
    if (!m_filling) {
        // The bar starts once the window system shows the window (or has had
        // a second to).
        if (!(windowHandle() && windowHandle()->isExposed()) && m_clock.elapsed() < 1000) {
            m_timer.start(StepMilliseconds);
            return;
        }
        m_filling = true;
        ProgressBar1->setMaximum(Steps);
        m_clock.restart();
    }
    const int value = ProgressBar1->value();
    if (value == Steps) {
        m_done = true;
        close();
        emit finished();
        return;
    }
    ProgressBar1->setValue(value + 1);
    // Each step is due on the clock, so painting the bar does not stretch
    // the 2 s: a late step shortens the wait for the next one.
    m_timer.start(qMax<qint64>(0, qint64(value + 1) * StepMilliseconds - m_clock.elapsed()));
}

bool Form2::event(QEvent *event)
{
    // Clicks, keys and the wheel end here: nothing on the splash reacts.
    if (event->isInputEvent()) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void Form2::closeEvent(QCloseEvent *event)
{
    // It closes by itself, only once the bar is full.
    if (m_done)
        event->accept();
    else
        event->ignore();
}
