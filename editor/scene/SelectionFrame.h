#pragma once

#include "editor/scene/PageItem.h"

#include <QGraphicsRectItem>
#include <QPointer>

#include <array>

// Which edges a resize handle moves: -1 the left or top edge, 1 the right or bottom
// one, 0 neither.
struct HandleEdges {
    int x = 0;
    int y = 0;

    bool isCorner() const { return x != 0 && y != 0; }
};

// One of the eight squares on the selection's frame; it keeps its screen size at
// every zoom.
class SelectionHandle : public QGraphicsRectItem {
public:
    SelectionHandle(HandleEdges edges, QGraphicsItem *parent);

    HandleEdges edges() const { return edges_; }

private:
    HandleEdges edges_;
};

// The frame around a selected item of a page, with its resize handles when the item
// alone is selected and can be resized. It follows the item wherever it goes and
// whatever its size; the key item of several is framed more strongly.
class SelectionFrame : public QGraphicsObject {
    Q_OBJECT

public:
    explicit SelectionFrame(QGraphicsItem *parent = nullptr);

    // Frames the item, or nothing.
    void follow(PageItem *item, bool resizable, bool strong = false);
    PageItem *target() const { return target_; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void fit();

    QPointer<PageItem> target_;
    QRectF frame_;
    bool resizable_ = false;
    bool strong_ = false;
    std::array<SelectionHandle *, 8> handles_{};
    QMetaObject::Connection placed_;
    QMetaObject::Connection shown_;
};
