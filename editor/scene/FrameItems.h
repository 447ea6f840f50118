#pragma once

#include "editor/scene/PageItem.h"

#include <QFont>
#include <QPixmap>

#include <memory>

class QGroupBox;

// The pieces of the pages that stand for the player's own controls: bevelled panels,
// framed boxes, group boxes and text labels, drawn as the platform draws such controls.

class FrameItem : public PageItem {
    Q_OBJECT

public:
    enum class Shape { None, Panel, Box };

    FrameItem(const QString &name, Shape shape, bool sunken, int lineWidth, bool filled,
              QGraphicsItem *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    Shape shape_;
    bool sunken_;
    int lineWidth_;
    bool filled_;
};

// A titled group, drawn as the platform draws a group box.
class GroupItem : public PageItem {
    Q_OBJECT

public:
    explicit GroupItem(QGraphicsItem *parent = nullptr);
    ~GroupItem() override;

    void setTitle(const QString &title);
    QString title() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    std::unique_ptr<QGroupBox> look_; // never shown, only drawn
};

// A line of text, left-aligned and centred in its height, on the page or on a fill.
class TextItem : public PageItem {
    Q_OBJECT

public:
    TextItem(const QString &name, const QFont &font, QGraphicsItem *parent = nullptr);

    void setText(const QString &text);
    const QString &text() const { return text_; }
    void setFill(const QColor &fill, const QColor &ink);
    // Takes the size its text needs, as a label does.
    void fitText();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QFont font_;
    QString text_;
    QColor fill_;
    QColor ink_;
};
