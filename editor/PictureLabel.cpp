#include "editor/PictureLabel.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPixmap>

PictureLabel::PictureLabel(const QString &name, Drawing drawing, QWidget *parent)
    : QLabel(parent), drawing_(drawing)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(drawing == Drawing::Stretched);
}

void PictureLabel::setPicture(const QImage &image)
{
    setPicture(image, QPixmap::fromImage(image));
}

void PictureLabel::setPicture(const QImage &image, const QPixmap &converted)
{
    if (drawing_ == Drawing::FollowsBitmap)
        resize(image.size());
    image_ = image;
    converted_ = converted;
    render();
}

void PictureLabel::showMissing(const QString &fileName)
{
    image_ = QImage();
    converted_ = QPixmap();
    setText(fileName);
}

void PictureLabel::setTransparent(bool transparent)
{
    transparent_ = transparent;
    render();
}

void PictureLabel::render()
{
    QPixmap pixmap = converted_;
    if (transparent_ && !image_.isNull())
        pixmap.setMask(
            pixmap.createMaskFromColor(image_.pixelColor(0, image_.height() - 1), Qt::MaskInColor));
    setPixmap(pixmap);
}

void PictureLabel::mousePressEvent(QMouseEvent *event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    // A click is a left press and release on the same control, as the platform counts it.
    if (pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
    pressedInside_ = false;
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
