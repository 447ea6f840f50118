#include "editor/ViewDragging.h"

#include "editor/EditingPanel.h"
#include "editor/EditorDocument.h"
#include "editor/FrameItems.h"
#include "editor/GeometryFields.h"
#include "editor/PageScenes.h"
#include "editor/StatePreviews.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>

#include <cmath>

namespace {

// The hints are the field's own texts, so they follow the language it is shown in.
const char *pressHint(const CatalogueEntry &entry)
{
    switch (hintKind(entry)) {
    case HintKind::ChooseOfThreeWindowButton:
        return QT_TRANSLATE_NOOP("EditingPanel", "Wähl Eines der 3 Bilder aus.");
    case HintKind::ChooseOfThree:
        return QT_TRANSLATE_NOOP("EditingPanel", "Einen von 3 Bilder auswählen.");
    case HintKind::ChooseOfFour:
        return QT_TRANSLATE_NOOP("EditingPanel", "Einen von 4 Bilder auswählen.");
    case HintKind::None:
        break;
    }
    return nullptr;
}

// A distance in scene units as whole skin pixels; far beyond any place a skin holds.
std::int64_t skinPixels(qreal scene)
{
    return static_cast<std::int64_t>(std::clamp(std::floor(scene + 0.5), -1e12, 1e12));
}

} // namespace

ViewDragging::ViewDragging(const Workspace &workspace, const GeometryFields &fields,
                           StatePreviews &previews)
    : workspace_(workspace), fields_(fields), previews_(previews)
{
    PageScenes &scenes = workspace_.scenes;
    for (const CatalogueEntry &entry : catalogue()) {
        for (PageItem *view : scenes.views().views(entry))
            watch(view, {Selection::of(entry)});
    }
    const ListPanels &lists = scenes.lists();
    watch(lists.ListPlayer, {{Selection::Kind::PlayerList}, Page::Player});
    watch(lists.ListSchedule, {{Selection::Kind::TrackLists}, Page::Schedule});
    watch(lists.ListDescription, {{Selection::Kind::TrackLists}, Page::Description});
    for (Page page : allPages)
        scenes.scene(page).installEventFilter(this);
}

void ViewDragging::watch(PageItem *item, const Target &target)
{
    targets_.insert(item, target);
}

// The selection's frame lies over the selected item and around it; what the pointer is
// over is what stands below the frame.
QGraphicsItem *ViewDragging::topmostPageItem(PageScene &scene,
                                             const QGraphicsSceneMouseEvent &event) const
{
    for (QGraphicsItem *item : itemsAt(scene, event)) {
        if (item != &scene.selectionFrame() && item->parentItem() != &scene.selectionFrame())
            return item;
    }
    return nullptr;
}

const ViewDragging::Target *ViewDragging::targetOf(const QGraphicsItem *item) const
{
    const auto found = targets_.constFind(item);
    return found == targets_.constEnd() ? nullptr : &*found;
}

QList<QGraphicsItem *> ViewDragging::itemsAt(PageScene &scene,
                                             const QGraphicsSceneMouseEvent &event) const
{
    QTransform device;
    if (const auto *view = qobject_cast<const QGraphicsView *>(
            event.widget() ? event.widget()->parentWidget() : nullptr))
        device = view->viewportTransform();
    return scene.items(event.scenePos(), Qt::IntersectsItemShape, Qt::DescendingOrder, device);
}

bool ViewDragging::eventFilter(QObject *watched, QEvent *event)
{
    auto &scene = static_cast<PageScene &>(*watched);
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
    case QEvent::GraphicsSceneMouseDoubleClick:
        return press(scene, static_cast<QGraphicsSceneMouseEvent &>(*event));
    case QEvent::GraphicsSceneMouseMove:
        move(scene, static_cast<QGraphicsSceneMouseEvent &>(*event));
        return pressed_ || resizing_;
    case QEvent::GraphicsSceneMouseRelease:
        if (!pressed_ && !resizing_)
            return false;
        release();
        return true;
    default:
        return false;
    }
}

// A press on an element, a list panel or a handle is ours; one on a picture of the
// page goes on to it. A press on the empty page does nothing, the selection stays.
bool ViewDragging::press(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    const QList<QGraphicsItem *> items = itemsAt(scene, event);
    if (items.isEmpty())
        return true;
    QGraphicsItem *top = items.front();
    if (const auto *handle = dynamic_cast<const SelectionHandle *>(top)) {
        const EditorDocument &document = workspace_.document;
        resizing_ = Resize{handle->edges(), document.referenceGeometry(document.selection()),
                           event.scenePos()};
        return true;
    }
    top = topmostPageItem(scene, event);
    if (!top)
        return true;
    if (PageItem *below = event.modifiers() & Qt::AltModifier ? nextBelow(scene, event) : nullptr)
        top = below;
    const Target *target = targetOf(top);
    if (!target)
        return false;
    pressTarget(static_cast<PageItem &>(*top), *target, event);
    return true;
}

// The pressed view takes every move of the drag, wherever the pointer is. The page
// takes the keyboard, so that the arrow keys move what was pressed.
void ViewDragging::pressTarget(PageItem &view, const Target &target,
                               const QGraphicsSceneMouseEvent &event)
{
    pressed_ = &view;
    grab_ = event.scenePos() - view.scenePos();
    if (QWidget *viewport = event.widget())
        viewport->parentWidget()->setFocus(Qt::MouseFocusReason);
    if (target.item.kind == Selection::Kind::Element)
        selectElement(*target.item.element);
    else
        pressList(target.item.kind);
}

PageItem *ViewDragging::nextBelow(PageScene &scene, const QGraphicsSceneMouseEvent &event) const
{
    QList<PageItem *> elements;
    for (QGraphicsItem *item : itemsAt(scene, event)) {
        const Target *target = targetOf(item);
        if (target && target->item.kind == Selection::Kind::Element)
            elements << static_cast<PageItem *>(item);
    }
    if (elements.isEmpty())
        return nullptr;
    const Selection &selected = workspace_.document.selection();
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (targetOf(elements[i])->item == selected)
            return elements[(i + 1) % elements.size()];
    }
    return elements.front();
}

void ViewDragging::pressElement(const CatalogueEntry &entry)
{
    selectElement(entry);
    previews_.reportFailures();
}

void ViewDragging::selectElement(const CatalogueEntry &entry)
{
    EditorDocument &document = workspace_.document;
    document.select(Selection::of(entry));
    previews_.show(entry);
    fields_.show(document.referenceGeometry(document.selection()));
    if (const char *hint = pressHint(entry))
        workspace_.panel.showHint(hint);
}

void ViewDragging::pressList(Selection::Kind list)
{
    EditorDocument &document = workspace_.document;
    document.select({list});
    fields_.show(document.referenceGeometry(document.selection()));
    workspace_.panel.showHint(
        list == Selection::Kind::PlayerList
            ? QT_TRANSLATE_NOOP("EditingPanel", "Player-Ansicht")
            : QT_TRANSLATE_NOOP("EditingPanel", "Vorschau oder Liedersammlung-Ansicht-Ansicht"));
}

// Hovering an element brings it to the front, above the others it overlaps.
void ViewDragging::move(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    // A release that went to a message box instead of the page ends the drag all the
    // same: without a button held, the pointer only passes over.
    if (event.buttons() == Qt::NoButton && (pressed_ || resizing_))
        release();
    if (resizing_) {
        resize(event);
        return;
    }
    if (pressed_) {
        drag(event);
        return;
    }
    const Target *target = targetOf(topmostPageItem(scene, event));
    if (target && target->item.kind == Selection::Kind::Element)
        workspace_.scenes.views().bringToFront(*target->item.element);
}

// The pointer keeps its place inside the dragged view; there is no grid and no
// bound, so a view may leave its page on any side.
void ViewDragging::drag(const QGraphicsSceneMouseEvent &event)
{
    const Target &target = *targetOf(pressed_);
    const QPointF delta = event.scenePos() - grab_ - pressed_->scenePos();
    Rect moved = partGeometry(target);
    moved.left = saturatedSum(moved.left, skinPixels(delta.x()));
    moved.top = saturatedSum(moved.top, skinPixels(delta.y()));
    workspace_.document.drag(target.item, moved);
    if (target.item.kind == Selection::Kind::Element)
        workspace_.scenes.views().bringToFront(*target.item.element);
}

// The handle's edges follow the pointer; the opposite edges stay. With Shift a corner
// keeps the side ratio of the start.
void ViewDragging::resize(const QGraphicsSceneMouseEvent &event) const
{
    const Resize &r = *resizing_;
    const QPointF delta = event.scenePos() - r.from;
    int width = EditorDocument::fieldSize(r.start.width + r.edges.x * skinPixels(delta.x()));
    int height = EditorDocument::fieldSize(r.start.height + r.edges.y * skinPixels(delta.y()));
    if (r.edges.isCorner() && event.modifiers() & Qt::ShiftModifier && r.start.width > 0 &&
        r.start.height > 0) {
        const double ratio = double(r.start.width) / r.start.height;
        if (double(width) / r.start.width >= double(height) / r.start.height)
            height = EditorDocument::fieldSize(std::llround(width / ratio));
        else
            width = EditorDocument::fieldSize(std::llround(height * ratio));
    }
    Rect resized = r.start;
    resized.width = width;
    resized.height = height;
    if (r.edges.x < 0)
        resized.left = saturatedSum(r.start.left, std::int64_t{r.start.width} - width);
    if (r.edges.y < 0)
        resized.top = saturatedSum(r.start.top, std::int64_t{r.start.height} - height);
    workspace_.document.resizeTo(resized);
}

// A state bitmap that could not be shown is reported only now: a box opened during
// the press would have taken the mouse from the drag.
void ViewDragging::release()
{
    pressed_ = nullptr;
    resizing_.reset();
    workspace_.document.endRun();
    previews_.reportFailures();
}

Rect ViewDragging::partGeometry(const Target &target) const
{
    const SkinDocument &skin = workspace_.document.skin();
    if (target.item.kind == Selection::Kind::Element)
        return skin.element(*target.item.element).geometry;
    return skin.lists.on(target.page);
}
