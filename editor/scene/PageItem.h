#pragma once

#include "skin/SkinDocument.h"

#include <QGraphicsObject>

// Something a page of the mock-up shows, in skin pixels: its place is its position in
// the parent, its size its own. The item swallows the presses that reach it, as the
// player's controls do, so nothing below it reacts to a press on it.
class PageItem : public QGraphicsObject {
    Q_OBJECT

public:
    explicit PageItem(const QString &name, QGraphicsItem *parent = nullptr);

    QRectF boundingRect() const override;
    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    void resize(QSize size);
    void setGeometry(const QRect &rect);
    // Stands where the model says, within what a view can take (the model applies the
    // same limits, so both agree).
    void place(const Rect &geometry);
    // Place and size in the parent's coordinates.
    QRect geometry() const;

signals:
    // The item moved or changed its size.
    void placed();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QSize size_;
};
