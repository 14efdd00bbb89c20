// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLabel;
class QWidget;

// What screen readers (AT-SPI on Linux, UI Automation on Windows) are told
// about the controls, and the keys every window answers.
namespace Accessibility
{
// A caption's words as a person says them: without the access-key marker,
// the arrows and dashes that point at a box, and the colon after them.
QString spoken(const QString &caption);
// The label names the box, on screen and to a screen reader: it becomes the
// box's buddy, and the box takes the label's spoken words as its name.
void label(QLabel *label, QWidget *box);
// Names a control that shows no text of its own, and says what it is for.
void name(QWidget *control, const QString &name, const QString &description = {});
// A picture that opens something when clicked works as a button: Tab reaches
// it, Space and Enter click it, and a screen reader sees a button it can press.
void pictureButton(QLabel *picture);
// Tells a screen reader about a result that shows up without a new window
// (composed, copied, checked): the control that has the focus in window, or
// the window itself, takes it as its description until the focus moves on.
void announce(QWidget *window, const QString &text);
// Esc closes the window, as its cancel or exit button does.
void closeOnEscape(QWidget *window);
}
