#include "editor/scene/SelectionFrame.h"

#include "editor/scene/PageItem.h"

#include <QBrush>
#include <QCursor>
#include <QPainter>
#include <QPen>

namespace {

constexpr qreal handleSide = 7;

constexpr std::array<HandleEdges, 8> handleEdges{
    {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};

QColor frameColour()
{
    return {0, 120, 215};
}

// A handle stands outside the frame, so that a press inside an item, however small,
// always takes hold of the item itself.
qreal handleStart(int edge)
{
    return edge < 0 ? -handleSide : edge > 0 ? 0 : -handleSide / 2;
}

} // namespace

SelectionHandle::SelectionHandle(HandleEdges edges, QGraphicsItem *parent)
    : QGraphicsRectItem(handleStart(edges.x), handleStart(edges.y), handleSide, handleSide, parent),
      edges_(edges)
{
    setFlag(ItemIgnoresTransformations);
    setBrush(Qt::white);
    QPen pen(frameColour());
    pen.setCosmetic(true);
    setPen(pen);
    const bool diagonal = edges.x == edges.y;
    setCursor(edges.x == 0   ? Qt::SizeVerCursor
              : edges.y == 0 ? Qt::SizeHorCursor
              : diagonal     ? Qt::SizeFDiagCursor
                             : Qt::SizeBDiagCursor);
}

SelectionFrame::SelectionFrame(QGraphicsItem *parent) : QGraphicsObject(parent)
{
    setAcceptedMouseButtons(Qt::NoButton);
    for (std::size_t i = 0; i < handleEdges.size(); ++i)
        handles_[i] = new SelectionHandle(handleEdges[i], this);
    hide();
}

void SelectionFrame::follow(PageItem *item, bool resizable, bool strong)
{
    strong_ = strong;
    disconnect(placed_);
    disconnect(shown_);
    target_ = item;
    resizable_ = resizable;
    if (item) {
        placed_ = connect(item, &PageItem::placed, this, &SelectionFrame::fit);
        shown_ = connect(item, &QGraphicsObject::visibleChanged, this, &SelectionFrame::fit);
    }
    fit();
}

void SelectionFrame::fit()
{
    const bool shown = target_ && target_->isVisible();
    setVisible(shown);
    if (!shown)
        return;
    prepareGeometryChange();
    frame_ = target_->sceneBoundingRect();
    for (SelectionHandle *handle : handles_) {
        const HandleEdges edges = handle->edges();
        handle->setPos(frame_.center().x() + edges.x * frame_.width() / 2,
                       frame_.center().y() + edges.y * frame_.height() / 2);
        handle->setVisible(resizable_);
    }
    update();
}

// Wide enough for the one-pixel line at the smallest zoom.
QRectF SelectionFrame::boundingRect() const
{
    return frame_.adjusted(-8, -8, 8, 8);
}

void SelectionFrame::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    QPen pen(frameColour(), strong_ ? 3 : 1);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame_);
}
