#pragma once

#include <QGraphicsView>

class PageScene;

// Shows a page scene at the shared zoom, its origin at the top-left corner, pixels
// sharp at every zoom and, when asked for, a grid between them from 400 %. Ctrl and
// the wheel ask for a zoom about the pointer.
class PageView : public QGraphicsView {
    Q_OBJECT

public:
    PageView(const QString &name, PageScene &scene, QWidget *parent);

    void setZoom(int percent);
    // Scrolls so that the scene point stands under the viewport point.
    void keepUnder(QPointF scenePoint, QPoint at);
    void setPixelGrid(bool shown);
    // The zoom at which the page's whole shown area fits into the view.
    int fittingZoom() const;

signals:
    // Ctrl and the wheel: one step in (positive) or out (negative) about the point.
    void zoomAsked(int steps, QPoint at);
    // The pointer stands over the scene point, or has left the view.
    void pointerMoved(QPointF scenePoint);
    void pointerLeft();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    int zoom_ = 100;
    bool pixelGrid_ = true;
    int wheelTurn_ = 0; // eighths of a degree not yet worth a step
};
