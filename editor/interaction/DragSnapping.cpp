#include "editor/interaction/DragSnapping.h"

#include "editor/document/EditorDocument.h"
#include "editor/scene/FrameItems.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/SnapGuides.h"

#include <QAction>

DragSnapping::DragSnapping(const EditorDocument &document, const PageScenes &scenes,
                           const QAction &toElements, const QAction &toGrid)
    : document_(document), scenes_(scenes), toElements_(toElements), toGrid_(toGrid)
{}

// What stands still: the shown elements that are not dragged, the list panel when
// it is not, and the page's own edges.
SnapLines DragSnapping::linesOn(PageScene &scene) const
{
    SnapLines lines;
    const Page page = *scene.page();
    for (const CatalogueEntry &entry : catalogue()) {
        const PageItem *view = scenes_.views().view(entry, page);
        if (view && view->isVisible() && !document_.isSelected(Selection::of(entry)))
            lines.addEdgesOf(document_.skin().element(entry).geometry);
    }
    const PageItem *panel = scenes_.lists().panel(page);
    if (panel->isVisible() && !panel->isSelected())
        lines.addEdgesOf(document_.skin().lists.on(page));
    lines.addEdgesOf(document_.background(page));
    return lines;
}

Snap DragSnapping::snap(PageScene &scene, const Rect &moving, double reach) const
{
    if (!scene.page() || (!toElements_.isChecked() && !toGrid_.isChecked())) {
        hideGuides(scene);
        return {};
    }
    const SnapLines lines = toElements_.isChecked() ? linesOn(scene) : SnapLines{};
    const int grid = toGrid_.isChecked() ? toGrid_.data().toInt() : 0;
    const Snap snap = snapped(moving, lines, {reach, grid});
    scene.guides().show(snap.guideX, snap.guideY, scene.sceneRect());
    return snap;
}

void DragSnapping::hideGuides(PageScene &scene) const
{
    scene.guides().clear();
}
