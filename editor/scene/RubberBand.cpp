#include "editor/scene/RubberBand.h"

#include "editor/scene/ElementViews.h"
#include "editor/scene/PageItem.h"
#include "editor/scene/PageScene.h"

#include <QGraphicsRectItem>

namespace {

// Screen pixels the pointer must travel before a press becomes a band.
constexpr qreal startDistance = 4;

} // namespace

void RubberBand::begin(PageScene &scene, QPointF from)
{
    cancel();
    scene_ = &scene;
    from_ = from;
}

bool RubberBand::stretch(QPointF to, qreal screenScale)
{
    if (!scene_)
        return false;
    const QPointF travel = (to - from_) * screenScale;
    if (!drawn_ && std::abs(travel.x()) < startDistance && std::abs(travel.y()) < startDistance)
        return false;
    drawn_ = true;
    QGraphicsRectItem &band = scene_->rubberBand();
    band.setRect(QRectF(from_, to).normalized());
    band.show();
    return true;
}

std::vector<const CatalogueEntry *> RubberBand::finish()
{
    std::vector<const CatalogueEntry *> touched;
    if (scene_ && drawn_ && scene_->page()) {
        const QRectF area = scene_->rubberBand().rect();
        for (const CatalogueEntry &entry : catalogue()) {
            const PageItem *view = views_.view(entry, *scene_->page());
            if (view && view->isVisible() && view->sceneBoundingRect().intersects(area))
                touched.push_back(&entry);
        }
    }
    cancel();
    return touched;
}

void RubberBand::cancel()
{
    if (scene_)
        scene_->rubberBand().hide();
    scene_ = nullptr;
    drawn_ = false;
}
