#include "editor/controls/PictureLabel.h"

#include <QMouseEvent>
#include <QPixmap>

PictureLabel::PictureLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::setPicture(const QImage &image)
{
    setPixmap(QPixmap::fromImage(image));
}

void PictureLabel::showMissing(const QString &fileName)
{
    setText(fileName);
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
