// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scaffold.h"

#include "accessibility.h"
#include "appicon.h"
#include "fonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace Scaffold
{
void setUp(QWidget *window, const char *name, const QString &title, Frame frame, QSize twipsSize)
{
    window->setObjectName(QLatin1String(name));
    window->setFont(Fonts::defaultFont());
    window->setWindowTitle(title);
    window->setWindowIcon(AppIcon::icon());
    const QSize size(twips(twipsSize.width()), twips(twipsSize.height()));
    constexpr Qt::WindowFlags fixedFrame = Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                                           | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (frame) {
    case Frame::Fixed:
        window->setWindowFlags(Qt::Window | fixedFrame);
        break;
    case Frame::Dialog:
        window->setWindowFlags(Qt::Tool | fixedFrame);
        break;
    case Frame::Sizable:
        window->resize(size);
        return;
    case Frame::Splash:
        window->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                               | Qt::WindowDoesNotAcceptFocus);
        break;
    }
    window->setFixedSize(size);
}

void centre(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

void design(QWidget *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    control->setFont(Fonts::defaultFont());
}

QLabel *label(QWidget *container, const char *name, const QRect &geometry, const QString &text)
{
    auto *l = place<QLabel>(container, name, geometry);
    l->setText(text);
    return l;
}

QPushButton *button(QWidget *container, const char *name, const QRect &geometry, const QString &caption)
{
    auto *b = place<QPushButton>(container, name, geometry);
    b->setText(caption);
    b->setAccessibleName(Accessibility::spoken(caption));
    return b;
}

void widenPopup(QComboBox *box)
{
    QAbstractItemView *list = box->view();
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(box->itemText(i)));
    // The entries' own margins, the frame and a scroll bar beside them.
    const int margins = 2 * (list->frameWidth() + box->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, box) + 4)
                        + box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setMinimumWidth(qMax(box->width(), widest + margins));
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void setBackColor(QWidget *widget, const QColor &color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}
}
