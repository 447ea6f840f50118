#pragma once

#include <QGraphicsItem>

#include <optional>

// The lines a drag snapped to, drawn across the page one screen pixel wide at every
// zoom; they show only while the drag lasts.
class SnapGuides : public QGraphicsItem {
public:
    explicit SnapGuides(QGraphicsItem *parent = nullptr);

    void show(std::optional<double> x, std::optional<double> y, const QRectF &across);
    void clear();
    std::optional<double> x() const { return x_; }
    std::optional<double> y() const { return y_; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    std::optional<double> x_;
    std::optional<double> y_;
    QRectF across_;
};
