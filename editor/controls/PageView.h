#pragma once

#include <QGraphicsView>

class PageScene;

// Shows a page scene at the shared zoom, its origin at the top-left corner, pixels
// sharp at every zoom and, when asked for, a grid between them from 400 %. Ctrl and
// the wheel ask for a zoom about the pointer. A frame in the highlight colour shows
// that the page has the keyboard.
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
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void drawPixelGrid(QPainter *painter, const QRectF &rect) const;
    // Draws the edge of the viewport anew, as deep as the focus frame and the distance
    // a scroll has just carried the old frame inwards.
    void redrawEdge(int scrolled = 0);

    int zoom_ = 100;
    bool pixelGrid_ = true;
    int wheelTurn_ = 0; // eighths of a degree not yet worth a step
};
