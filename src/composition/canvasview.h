#pragma once

#include <QFrame>
#include <QPointF>

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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF toUnits(QPointF widgetPos) const;

    Canvas *m_canvas = nullptr;
};
