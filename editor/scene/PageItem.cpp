#include "editor/scene/PageItem.h"

#include <QGraphicsSceneMouseEvent>

PageItem::PageItem(const QString &name, QGraphicsItem *parent) : QGraphicsObject(parent)
{
    setObjectName(name);
}

QRectF PageItem::boundingRect() const
{
    return {0, 0, qreal(size_.width()), qreal(size_.height())};
}

void PageItem::resize(QSize size)
{
    if (size == size_)
        return;
    prepareGeometryChange();
    size_ = size;
    emit placed();
}

void PageItem::setGeometry(const QRect &rect)
{
    const bool moves = pos() != QPointF(rect.topLeft());
    setPos(rect.topLeft());
    if (size_ != rect.size())
        resize(rect.size());
    else if (moves)
        emit placed();
}

void PageItem::place(const Rect &geometry)
{
    const Rect placed = viewGeometry(geometry);
    setGeometry({placed.left, placed.top, placed.width, placed.height});
}

QRect PageItem::geometry() const
{
    return {pos().toPoint(), size_};
}

void PageItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}
