#include "editor/scene/FrameItems.h"

#include "editor/scene/PageStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <qdrawutil.h>

FrameItem::FrameItem(const QString &name, Shape shape, bool sunken, int lineWidth, bool filled,
                     QGraphicsItem *parent)
    : PageItem(name, parent), shape_(shape), sunken_(sunken), lineWidth_(lineWidth), filled_(filled)
{
    setFlag(ItemClipsChildrenToShape);
}

void FrameItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRect area(QPoint(0, 0), size());
    const QPalette palette = pagePalette();
    if (filled_)
        painter->fillRect(area, palette.window());
    if (shape_ == Shape::Panel)
        qDrawShadePanel(painter, area, palette, sunken_, lineWidth_);
    else if (shape_ == Shape::Box)
        qDrawShadeRect(painter, area, palette, sunken_, lineWidth_, 0);
}

GroupItem::GroupItem(QGraphicsItem *parent)
    : PageItem(QString(), parent), look_(std::make_unique<QGroupBox>())
{
    setFlag(ItemClipsChildrenToShape);
    look_->setFont(pageFont());
    look_->setAttribute(Qt::WA_DontShowOnScreen);
    connect(this, &PageItem::placed, this, [this] { look_->resize(size()); });
}

GroupItem::~GroupItem() = default;

void GroupItem::setTitle(const QString &title)
{
    look_->setTitle(title);
    update();
}

QString GroupItem::title() const
{
    return look_->title();
}

// The group's look is the platform's group box, drawn where the item stands.
void GroupItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    look_->render(painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

TextItem::TextItem(const QString &name, const QFont &font, QGraphicsItem *parent)
    : PageItem(name, parent), font_(font), ink_(pagePalette().color(QPalette::WindowText))
{}

void TextItem::setText(const QString &text)
{
    text_ = text;
    update();
}

void TextItem::setFill(const QColor &fill, const QColor &ink)
{
    fill_ = fill;
    ink_ = ink;
    update();
}

void TextItem::fitText()
{
    resize(QFontMetrics(font_).size(0, text_));
}

void TextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = boundingRect();
    if (fill_.isValid())
        painter->fillRect(area, fill_);
    painter->setFont(font_);
    painter->setPen(ink_);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text_);
}
