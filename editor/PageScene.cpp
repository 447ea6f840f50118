#include "editor/PageScene.h"

#include "editor/PageStyle.h"
#include "editor/SelectionFrame.h"

#include <QGraphicsItem>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int largestSide = 8192;

} // namespace

PageScene::PageScene(std::optional<Page> page, QObject *parent)
    : QGraphicsScene(parent), page_(page), frame_(new SelectionFrame)
{
    setFont(pageFont());
    setPalette(pagePalette());
    setBackgroundBrush(pagePalette().window());
    // Items move with every drag; a scene this small is searched faster without an index.
    setItemIndexMethod(NoIndex);
    addItem(frame_);
    // The views scroll over what the page shows, from its origin: an item dragged off
    // to the left or top never shifts the page in its view.
    setSceneRect(0, 0, 1, 1);
    connect(this, &QGraphicsScene::changed, this, [this] { setSceneRect(shownArea()); });
}

QRect PageScene::shownArea() const
{
    QRectF shown(0, 0, 1, 1);
    for (const QGraphicsItem *item : items()) {
        if (!item->parentItem() && item != frame_ && item->isVisible())
            shown = shown.united(item->sceneBoundingRect());
    }
    return {0, 0, std::clamp(int(shown.right()), 1, largestSide),
            std::clamp(int(shown.bottom()), 1, largestSide)};
}

QImage PageScene::picture()
{
    const QRect area = shownArea();
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const bool framed = frame_->isVisible();
    frame_->hide();
    QPainter painter(&image);
    render(&painter, QRectF(image.rect()), area);
    painter.end();
    frame_->setVisible(framed);
    return image;
}
