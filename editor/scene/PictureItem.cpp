#include "editor/scene/PictureItem.h"

#include "editor/scene/PageStyle.h"

#include <QBitmap>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

PictureItem::PictureItem(const QString &name, Drawing drawing, QGraphicsItem *parent)
    : PageItem(name, parent), drawing_(drawing)
{}

void PictureItem::setPicture(const QImage &image)
{
    if (drawing_ == Drawing::FollowsBitmap)
        resize(image.size());
    image_ = image;
    missing_.clear();
    render();
}

void PictureItem::showMissing(const QString &fileName)
{
    image_ = QImage();
    missing_ = fileName;
    render();
}

void PictureItem::setTransparent(bool transparent)
{
    transparent_ = transparent;
    render();
}

void PictureItem::render()
{
    stale_ = true;
    stretched_ = QPixmap();
    update();
}

const QPixmap &PictureItem::pixmap() const
{
    if (stale_) {
        stale_ = false;
        shown_ = QPixmap::fromImage(image_);
        if (transparent_ && !image_.isNull())
            shown_.setMask(shown_.createMaskFromColor(image_.pixelColor(0, image_.height() - 1),
                                                      Qt::MaskInColor));
    }
    return shown_;
}

void PictureItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = boundingRect();
    if (!missing_.isEmpty()) {
        painter->setFont(pageFont());
        painter->setPen(pagePalette().color(QPalette::WindowText));
        painter->drawText(area, Qt::AlignLeft | Qt::AlignTop, missing_);
        return;
    }
    const QPixmap &shown = pixmap();
    if (shown.isNull())
        return;
    if (drawing_ == Drawing::Stretched) {
        // Scaled smoothly to the item once, then drawn pixel for pixel at every zoom.
        if (stretched_.size() != size())
            stretched_ = shown.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter->drawPixmap(QPointF(0, 0), stretched_);
        return;
    }
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->drawPixmap(QPointF(0, 0), shown);
    painter->restore();
}

void PictureItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    PageItem::mousePressEvent(event);
}

void PictureItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    // A click is a left press and release on the same item, as the platform counts it;
    // the release after a double click is none.
    if (pressedInside_ && event->button() == Qt::LeftButton &&
        boundingRect().contains(event->pos()))
        emit clicked();
    pressedInside_ = false;
}

void PictureItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
