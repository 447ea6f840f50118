#include "editor/controls/PageView.h"

#include "editor/controls/ZoomSteps.h"
#include "editor/scene/PageScene.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

namespace {

// One notch of a common wheel.
constexpr int notch = 120;

// How wide the frame of the page with the keyboard is, in screen pixels.
constexpr int focusFrameWidth = 2;

QRegion edgeOf(const QRect &area, int depth)
{
    return QRegion(area).subtracted(area.adjusted(depth, depth, -depth, -depth));
}

} // namespace

PageView::PageView(const QString &name, PageScene &scene, QWidget *parent)
    : QGraphicsView(&scene, parent)
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundRole(QPalette::Window);
    setRenderHints({});
    setMouseTracking(true);
    // Only what changed is drawn again; a drag repaints two small rectangles.
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
}

void PageView::setZoom(int percent)
{
    if (percent == zoom_)
        return;
    zoom_ = percent;
    const qreal scale = percent / 100.0;
    setTransform(QTransform::fromScale(scale, scale));
}

void PageView::keepUnder(QPointF scenePoint, QPoint at)
{
    const QPoint shift = mapFromScene(scenePoint) - at;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shift.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + shift.y());
}

void PageView::setPixelGrid(bool shown)
{
    pixelGrid_ = shown;
    viewport()->update();
}

int PageView::fittingZoom() const
{
    const QRect page = static_cast<const PageScene *>(scene())->shownArea();
    const QSize room = maximumViewportSize();
    const double fits =
        std::min(100.0 * room.width() / page.width(), 100.0 * room.height() / page.height());
    return boundedZoom(static_cast<int>(std::floor(fits)));
}

void PageView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    event->accept();
    wheelTurn_ += event->angleDelta().y();
    const int steps = wheelTurn_ / notch;
    wheelTurn_ %= notch;
    if (steps != 0)
        emit zoomAsked(steps, event->position().toPoint());
}

void PageView::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(mapToScene(event->position().toPoint()));
    QGraphicsView::mouseMoveEvent(event);
}

void PageView::leaveEvent(QEvent *event)
{
    emit pointerLeft();
    QGraphicsView::leaveEvent(event);
}

void PageView::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    redrawEdge();
}

void PageView::focusOutEvent(QFocusEvent *event)
{
    QGraphicsView::focusOutEvent(event);
    redrawEdge();
}

// The view moves what it shows instead of drawing it again, the frame with it.
void PageView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    if (hasFocus())
        redrawEdge(std::max(std::abs(dx), std::abs(dy)));
}

void PageView::redrawEdge(int scrolled)
{
    viewport()->update(edgeOf(viewport()->rect(), focusFrameWidth + scrolled));
}

void PageView::drawForeground(QPainter *painter, const QRectF &rect)
{
    if (pixelGrid_ && zoom_ >= pixelGridZoom)
        drawPixelGrid(painter, rect);
    if (!hasFocus())
        return;
    painter->save();
    painter->resetTransform();
    const QColor frame = palette().color(QPalette::Highlight);
    for (const QRect &band : edgeOf(viewport()->rect(), focusFrameWidth))
        painter->fillRect(band, frame);
    painter->restore();
}

// A line between every two skin pixels, one screen pixel wide, over the exposed part.
// Drawn as thin rectangles in screen pixels: a long line costs the painter far more.
void PageView::drawPixelGrid(QPainter *painter, const QRectF &rect) const
{
    const QRect screen = mapFromScene(rect).boundingRect().intersected(viewport()->rect());
    const int left = static_cast<int>(std::floor(rect.left()));
    const int right = static_cast<int>(std::ceil(rect.right()));
    const int top = static_cast<int>(std::floor(rect.top()));
    const int bottom = static_cast<int>(std::ceil(rect.bottom()));
    const QColor line(128, 128, 128, 96);
    painter->save();
    painter->resetTransform();
    for (int x = left; x <= right; ++x)
        painter->fillRect(QRect(mapFromScene(QPointF(x, 0)).x(), screen.top(), 1, screen.height()),
                          line);
    for (int y = top; y <= bottom; ++y)
        painter->fillRect(QRect(screen.left(), mapFromScene(QPointF(0, y)).y(), screen.width(), 1),
                          line);
    painter->restore();
}
