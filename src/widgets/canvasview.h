// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files.h"

#include <QFrame>
#include <QPointF>
#include <QStringList>

class Canvas;

// Shows a canvas's image enlarged to the widget without blurring and passes
// the mouse on in the canvas's user units.
class CanvasView : public QFrame
{
    Q_OBJECT
public:
    enum class Border { Flat, Sunken };

    explicit CanvasView(QWidget *parent = nullptr, Border border = Border::Flat);
    void setCanvas(Canvas *canvas);
    Canvas *canvas() const { return m_canvas; }

signals:
    void mousePressed(Qt::MouseButton button, QPointF position);
    void mouseMoved(QPointF position);
    void mouseReleased(Qt::MouseButton button, QPointF position);
    // Local files dropped on the view (with setAcceptDrops(true)), in order.
    void filesDropped(const QList<Files::Entry> &files);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QPointF toUnits(QPointF widgetPos) const;

    Canvas *m_canvas = nullptr;
};
