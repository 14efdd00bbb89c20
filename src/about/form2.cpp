// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "appicon.h"
#include "twips.h"
#include "version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QWindow>
#include <memory>

namespace {
const QColor Blue(0, 0, 255);

QFont kaiti(int points, bool bold)
{
    QFont font(QStringLiteral("楷体_GB2312"), points);
    font.setBold(bold);
    return font;
}

void paint(QLabel *label, const QColor &text)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
}
}

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Tessellon启动画面"));
    setWindowIcon(AppIcon::icon());
    setFixedSize(twips(6165), twips(2895));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    // The shadow first, so the title lies above it.
    QLabel *Label3 = label("Label3", twips(2040, 120, 3960, 495), QStringLiteral("Tessellon加强版"));
    Label3->setFont(kaiti(24, true));
    paint(Label3, QColor(0x80, 0x80, 0x80));
    QLabel *Label2 = label("Label2", twips(1995, 75, 3960, 495), QStringLiteral("Tessellon加强版"));
    Label2->setFont(kaiti(24, true));
    paint(Label2, Blue);

    QLabel *Image1 = label("Image1", twips(240, 240, 705, 705), QString());
    Image1->setPixmap(AppIcon::picture48());
    Image1->setScaledContents(true);

    label("Label5", twips(1680, 840, 3375, 255), QStringLiteral("软件制作：Tessellon开发组"));
    label("Label6", twips(4440, 1320, 1455, 255), QStringLiteral("软件版本 v" TESSELLON_VERSION));
    QLabel *Label8 = label("Label8", twips(360, 1440, 2775, 495), QStringLiteral("欢迎使用..."));
    Label8->setFont(kaiti(18, false));
    paint(Label8, Blue);
    paint(label("Label4", twips(1080, 2040, 1695, 255), QStringLiteral("欢迎访问我的博客：")), Blue);
    QLabel *Label7 = label("Label7", twips(2760, 2040, 3135, 255), QStringLiteral("tessellon.example.org"));
    QFont underlined = font();
    underlined.setUnderline(true);
    Label7->setFont(underlined);
    paint(Label7, Blue);
    label("Label1", twips(0, 2400, 1335, 255), QStringLiteral("加载中>>>>>"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(0, height() - twips(255), width(), twips(255));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

QLabel *Form2::label(const char *name, QRect geometry, const QString &text)
{
    auto *l = new QLabel(text, this);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    return l;
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
