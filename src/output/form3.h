// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"
#include "files.h"

#include <QWidget>
#include <optional>

class CanvasView;
class OutputWindows;
class QPushButton;

// The image view window: prints the art into a picture area in colours the
// user picks by code, or over a picture the user chooses.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    explicit Form3(OutputWindows &windows);

    // The drawable area's pixels, without the border: what a save writes.
    QImage picture() const { return m_area.snapshot(); }
    // The art as an SVG document in the area's colours, as scalable text.
    QByteArray svg() const;
    // Lays the picture, stretched over the whole area, under the art: prints
    // the art over it (in textColor when there is one, else in the current
    // text colour) and keeps the result as the area's background.
    void combine(const QImage &picture, std::optional<QColor> textColor);

    // The first of the files that is a readable picture, at the area's size;
    // when none is, tells the user why the first one is not and gives a null
    // image.
    static QImage loadPicture(QWidget *parent, const QList<Files::Entry> &files);
    // Asks in which colour the art goes over a picture (code 1 to 8 exactly,
    // 1 offered); nothing for any other answer.
    static std::optional<QColor> askTextColor(QWidget *parent);

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Picture1_FilesDropped(const QList<Files::Entry> &files);
    void copyPicture();

private:
    // Tells a screen reader what the picture shows: its colours and size.
    void describePicture();
    OutputWindows &m_windows;
    Canvas m_area;
    CanvasView *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
};
