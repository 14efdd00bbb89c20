// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;

// Lists for each place the art may be pasted whether its foreground and
// background texts are equally wide there, with texts of the right width to
// put in their place.
class AlignmentWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AlignmentWindow(QWidget *parent = nullptr);

    // Shows the check of these two texts.
    void check(const QString &foreground, const QString &background);

signals:
    // The user picked a text for the background box (or the foreground box).
    void replacementChosen(bool background, const QString &text);

private:
    QLabel *m_heading = nullptr;
    QWidget *m_rows = nullptr;
};
