#include "editor/scene/ComparisonMarks.h"

#include "editor/scene/DifferenceMarks.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"

#include <map>

namespace {

using MarksByItem = std::map<const QGraphicsItem *, DifferenceMarks::Mark>;

// An element moved or resized is outlined where the other skin has it.
std::optional<QRectF> otherPlace(const SkinDifference &difference)
{
    if (difference.kind != DifferenceKind::Moved && difference.kind != DifferenceKind::Resized)
        return std::nullopt;
    const Rect old = viewGeometry(difference.oldPlace);
    return QRectF(old.left, old.top, old.width, old.height);
}

// What shows the part that differs; a section only the other skin has shows nowhere.
std::vector<QGraphicsItem *> itemsOf(const PageScenes &scenes, const SkinDifference &difference)
{
    std::vector<QGraphicsItem *> items;
    if (const CatalogueEntry *entry = elementInB(difference)) {
        for (PageItem *view : scenes.views().views(*entry))
            items.push_back(view);
    } else if (difference.graphic) {
        items = {scenes.picture(*difference.graphic), scenes.mirror(*difference.graphic)};
    }
    return items;
}

void collect(const PageScenes &scenes, const SkinDifference &difference,
             std::map<const PageScene *, MarksByItem> &marks)
{
    for (QGraphicsItem *item : itemsOf(scenes, difference)) {
        if (!item || !item->isVisible())
            continue;
        const auto *scene = static_cast<const PageScene *>(item->scene());
        DifferenceMarks::Mark &mark = marks[scene][item];
        mark.now = item->sceneBoundingRect();
        if (const std::optional<QRectF> other = otherPlace(difference))
            mark.before = other;
    }
}

} // namespace

void markDifferences(const PageScenes &scenes, const std::vector<SkinDifference> &differences)
{
    std::map<const PageScene *, MarksByItem> marks;
    for (const SkinDifference &difference : differences)
        collect(scenes, difference, marks);
    for (std::size_t i = 0; i <= PageScenes::playerViewIndex; ++i) {
        const PageScene &scene = scenes.scene(i);
        std::vector<DifferenceMarks::Mark> shown;
        for (const auto &[item, mark] : marks[&scene])
            shown.push_back(mark);
        scene.differenceMarks().show(std::move(shown));
    }
}
