// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvasview.h"

#include "canvas.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QPainter>

CanvasView::CanvasView(QWidget *parent, Border border) : QFrame(parent)
{
    if (border == Border::Flat) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasView::setCanvas(Canvas *canvas)
{
    m_canvas = canvas;
    if (m_canvas)
        m_canvas->setChangedCallback([this] { update(); });
    update();
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!m_canvas)
        return;
    QPainter painter(this);
    // No smoothing: each canvas pixel stays a crisp block on dense screens.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect(), m_canvas->image());
}

QPointF CanvasView::toUnits(QPointF widgetPos) const
{
    const QRectF area = contentsRect();
    if (!m_canvas || area.isEmpty())
        return {};
    const QPointF p = widgetPos - area.topLeft();
    return QPointF(p.x() * m_canvas->unitsX() / area.width(), p.y() * m_canvas->unitsY() / area.height());
}

void CanvasView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), toUnits(event->position()));
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(toUnits(event->position()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), toUnits(event->position()));
}

namespace {
// The local files among the dragged URLs; a drag that carries none is refused.
// Each under its own bytes, as the URL carries them.
QList<Files::Entry> localFiles(const QMimeData *data)
{
    QList<Files::Entry> files;
    if (data && data->hasUrls()) {
        for (const QUrl &url : data->urls())
            if (url.isLocalFile())
                files << Files::fromUrl(url);
    }
    return files;
}
}

void CanvasView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CanvasView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CanvasView::dropEvent(QDropEvent *event)
{
    const QList<Files::Entry> files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files);
}
