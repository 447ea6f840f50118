#include "editor/scene/SnapGuides.h"

#include <QPainter>
#include <QPen>

SnapGuides::SnapGuides(QGraphicsItem *parent) : QGraphicsItem(parent)
{
    setAcceptedMouseButtons(Qt::NoButton);
    hide();
}

void SnapGuides::show(std::optional<double> x, std::optional<double> y, const QRectF &across)
{
    prepareGeometryChange();
    x_ = x;
    y_ = y;
    across_ = across;
    setVisible(x_ || y_);
    update();
}

void SnapGuides::clear()
{
    show(std::nullopt, std::nullopt, {});
}

QRectF SnapGuides::boundingRect() const
{
    return across_.adjusted(-2, -2, 2, 2);
}

void SnapGuides::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    QPen pen(QColor(230, 0, 126));
    pen.setCosmetic(true);
    painter->setPen(pen);
    if (x_)
        painter->drawLine(QPointF(*x_, across_.top()), QPointF(*x_, across_.bottom()));
    if (y_)
        painter->drawLine(QPointF(across_.left(), *y_), QPointF(across_.right(), *y_));
}
