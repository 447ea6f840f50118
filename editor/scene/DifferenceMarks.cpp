#include "editor/scene/DifferenceMarks.h"

#include <QPainter>
#include <QPen>

namespace {

// Apart from the selection's blue and the snap guides' magenta.
const QColor markColour(255, 140, 0);

QPen markPen(Qt::PenStyle style)
{
    QPen pen(markColour, 2, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

DifferenceMarks::DifferenceMarks(QGraphicsItem *parent) : QGraphicsItem(parent)
{
    setAcceptedMouseButtons(Qt::NoButton);
    // Under the selection's frames, which the user works with.
    setZValue(-1);
    hide();
}

void DifferenceMarks::show(std::vector<Mark> marks)
{
    prepareGeometryChange();
    marks_ = std::move(marks);
    bounds_ = {};
    for (const Mark &mark : marks_) {
        bounds_ |= mark.now;
        if (mark.before)
            bounds_ |= *mark.before;
    }
    // The pens reach past the rectangles by a screen pixel or two at any zoom.
    bounds_.adjust(-4, -4, 4, 4);
    setVisible(!marks_.empty());
    update();
}

QRectF DifferenceMarks::boundingRect() const
{
    return bounds_;
}

void DifferenceMarks::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setBrush(Qt::NoBrush);
    for (const Mark &mark : marks_) {
        painter->setPen(markPen(Qt::SolidLine));
        painter->drawRect(mark.now);
        if (mark.before) {
            painter->setPen(markPen(Qt::DashLine));
            painter->drawRect(*mark.before);
        }
    }
}
