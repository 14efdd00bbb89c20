// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "twips.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

class QComboBox;
class QLabel;
class QPushButton;

// What every window is built from: its frame, caption, icon and size, and
// its controls, each with its name and its place in twips.
namespace Scaffold
{
enum class Frame {
    Fixed,    // a single fixed border with a close box only
    Dialog,   // as Fixed, but no task-bar entry
    Sizable,  // the usual frame; the window system picks the first place
    Splash,   // no frame, no task-bar entry, on top, never the focus
};

// Names the window, sets its caption, the program's icon, its frame and the
// designed default font, and sizes its client area (fixed unless the frame
// is sizable).
void setUp(QWidget *window, const char *name, const QString &title, Frame frame, QSize twipsSize);
// Puts the window in the middle of the primary screen.
void centre(QWidget *window);

// Names the control as designed, places it at geometry (pixels, from
// twips()) and gives it the designed default font, whatever the desktop's.
void design(QWidget *control, const char *name, const QRect &geometry);

// A new W inside container (further constructor arguments after the
// parent), designed as design() does.
template <typename W, typename... Args>
W *place(QWidget *container, const char *name, const QRect &geometry, Args &&...args)
{
    auto *w = new W(container, std::forward<Args>(args)...);
    design(w, name, geometry);
    return w;
}

QLabel *label(QWidget *container, const char *name, const QRect &geometry, const QString &text);
// A button named, for screen readers, by its caption's words: "保存(&S)" is 保存.
QPushButton *button(QWidget *container, const char *name, const QRect &geometry, const QString &caption);

// The drop-down list as wide as its longest entry, so no name is cut; the
// box itself keeps its place and size.
void widenPopup(QComboBox *box);

void setTextColor(QWidget *widget, const QColor &color);
// Fills the widget's background with color.
void setBackColor(QWidget *widget, const QColor &color);
}
