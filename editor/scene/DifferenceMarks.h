#pragma once

#include <QGraphicsItem>

#include <optional>
#include <vector>

// What a comparison with another skin marks on a page: each part that differs, and for
// an element moved or resized the place it has in the other skin, as an outline. The
// marks keep one screen pixel at every zoom.
class DifferenceMarks : public QGraphicsItem {
public:
    struct Mark {
        QRectF now;
        std::optional<QRectF> before; // where the other skin has it, when elsewhere
    };

    explicit DifferenceMarks(QGraphicsItem *parent = nullptr);

    void show(std::vector<Mark> marks);
    const std::vector<Mark> &marks() const { return marks_; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    std::vector<Mark> marks_;
    QRectF bounds_;
};
