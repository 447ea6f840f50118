#include "editor/scene/PageScene.h"

#include "editor/scene/DifferenceMarks.h"
#include "editor/scene/PageStyle.h"
#include "editor/scene/SelectionFrame.h"
#include "editor/scene/SnapGuides.h"

#include <QGraphicsItem>
#include <QGraphicsView>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double overlayLayer = 2e15;

// An item that only holds the marks; it draws nothing itself.
class Overlay : public QGraphicsItem {
public:
    Overlay()
    {
        setFlag(ItemHasNoContents);
        setAcceptedMouseButtons(Qt::NoButton);
        setZValue(overlayLayer);
    }
    QRectF boundingRect() const override { return {}; }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}
};

QGraphicsRectItem *createBand(QGraphicsItem *overlay)
{
    auto *band = new QGraphicsRectItem(overlay);
    QPen pen(QColor(0, 120, 215), 1, Qt::DashLine);
    pen.setCosmetic(true);
    band->setPen(pen);
    band->setBrush(QColor(0, 120, 215, 40));
    band->setAcceptedMouseButtons(Qt::NoButton);
    band->hide();
    return band;
}

} // namespace

PageScene::PageScene(std::optional<Page> page, QObject *parent)
    : QGraphicsScene(parent), page_(page),
      overlay_(new Overlay), frames_{new SelectionFrame(overlay_)},
      guides_(new SnapGuides(overlay_)), band_(createBand(overlay_)),
      differences_(new DifferenceMarks(overlay_))
{
    setFont(pageFont());
    setPalette(pagePalette());
    setBackgroundBrush(pagePalette().window());
    // Items move with every drag; a scene this small is searched faster without an index.
    setItemIndexMethod(NoIndex);
    addItem(overlay_);
    // The views scroll over what the page shows, from its origin: an item dragged off
    // to the left or top never shifts the page in its view.
    setSceneRect(0, 0, 1, 1);
    connect(this, &QGraphicsScene::changed, this, [this] { setSceneRect(shownArea()); });
}

QRect PageScene::shownArea() const
{
    const QRectF reach(0, 0, maxSkinSide, maxSkinSide);
    QRectF shown(0, 0, 1, 1);
    for (const QGraphicsItem *item : items()) {
        if (!item->parentItem() && item != overlay_ && item->isVisible() &&
            item->sceneBoundingRect().intersects(reach))
            shown = shown.united(item->sceneBoundingRect());
    }
    return {0, 0, std::clamp(int(shown.right()), 1, maxSkinSide),
            std::clamp(int(shown.bottom()), 1, maxSkinSide)};
}

QImage PageScene::picture()
{
    const QRect area = shownArea();
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    overlay_->hide();
    QPainter painter(&image);
    render(&painter, QRectF(image.rect()), area);
    painter.end();
    overlay_->show();
    return image;
}

void PageScene::frameItems(const std::vector<PageItem *> &items, const PageItem *key,
                           bool resizable)
{
    while (frames_.size() < items.size())
        frames_.push_back(new SelectionFrame(overlay_));
    const bool several = items.size() > 1;
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        if (i < items.size())
            frames_[i]->follow(items[i], resizable, several && items[i] == key);
        else
            frames_[i]->follow(nullptr, false);
    }
}

std::vector<SelectionFrame *> PageScene::frames() const
{
    std::vector<SelectionFrame *> used;
    for (SelectionFrame *frame : frames_) {
        if (frame->target())
            used.push_back(frame);
    }
    return used;
}

bool PageScene::isOverlay(const QGraphicsItem *item) const
{
    return item && item->topLevelItem() == overlay_;
}

QList<QGraphicsItem *> PageScene::itemsAt(QPointF point, const QWidget *viewport) const
{
    QTransform device;
    if (const auto *view =
            qobject_cast<const QGraphicsView *>(viewport ? viewport->parentWidget() : nullptr))
        device = view->viewportTransform();
    return items(point, Qt::IntersectsItemShape, Qt::DescendingOrder, device);
}

QGraphicsItem *PageScene::pageItemAt(QPointF point, const QWidget *viewport) const
{
    for (QGraphicsItem *item : itemsAt(point, viewport)) {
        if (!isOverlay(item))
            return item;
    }
    return nullptr;
}
