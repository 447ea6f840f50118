#include "editor/interaction/ViewDragging.h"

#include "editor/document/EditorDocument.h"
#include "editor/interaction/DragSnapping.h"
#include "editor/scene/FrameItems.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"
#include "editor/scene/RubberBand.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>

#include <cmath>

namespace {

// A distance in scene units as whole skin pixels; far beyond any place a skin holds.
std::int64_t skinPixels(qreal scene)
{
    return static_cast<std::int64_t>(std::clamp(std::floor(scene + 0.5), -1e12, 1e12));
}

// How many skin pixels one screen pixel is in the view that sent the event.
qreal screenScale(const QGraphicsSceneMouseEvent &event)
{
    if (const auto *view = qobject_cast<const QGraphicsView *>(
            event.widget() ? event.widget()->parentWidget() : nullptr))
        return view->transform().m11();
    return 1;
}

// Snapping acts within this many screen pixels, whatever the zoom.
constexpr double snapReach = 6;

} // namespace

ViewDragging::ViewDragging(const Workspace &workspace, const DragSnapping &snapping)
    : workspace_(workspace), snapping_(snapping),
      band_(std::make_unique<RubberBand>(workspace.scenes.views()))
{
    PageScenes &scenes = workspace_.scenes;
    for (const CatalogueEntry &entry : catalogue()) {
        for (PageItem *view : scenes.views().views(entry))
            watch(view, {Selection::of(entry)});
    }
    const ListPanels &lists = scenes.lists();
    watch(lists.playerFrame, {{Selection::Kind::PlayerList}, Page::Player});
    watch(lists.scheduleFrame, {{Selection::Kind::TrackLists}, Page::Schedule});
    watch(lists.descriptionFrame, {{Selection::Kind::TrackLists}, Page::Description});
    for (Page page : allPages)
        scenes.scene(page).installEventFilter(this);
}

ViewDragging::~ViewDragging() = default;

void ViewDragging::watch(PageItem *item, const Target &target)
{
    targets_.insert(item, target);
}

const ViewDragging::Target *ViewDragging::targetOf(const QGraphicsItem *item) const
{
    const auto found = targets_.constFind(item);
    return found == targets_.constEnd() ? nullptr : &*found;
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
        if (band_->isHeld())
            return finishBand(scene, static_cast<QGraphicsSceneMouseEvent &>(*event));
        if (!pressed_ && !resizing_)
            return false;
        release(scene);
        return true;
    default:
        return false;
    }
}

// A press on an element, a list panel or a handle is ours; one on a picture of the
// page goes on to it. A press on the empty page keeps the selection; from either a
// rubber band may be drawn.
bool ViewDragging::press(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    const QList<QGraphicsItem *> items = scene.itemsAt(event.scenePos(), event.widget());
    if (items.isEmpty()) {
        pressBackground(scene, event);
        return true;
    }
    QGraphicsItem *top = items.front();
    if (const auto *handle = dynamic_cast<const SelectionHandle *>(top)) {
        const EditorDocument &document = workspace_.document;
        resizing_ = Resize{handle->edges(), document.referenceGeometry(document.selection()),
                           event.scenePos()};
        return true;
    }
    top = scene.pageItemAt(event.scenePos(), event.widget());
    if (!top) {
        pressBackground(scene, event);
        return true;
    }
    if (PageItem *below = event.modifiers() & Qt::AltModifier ? nextBelow(scene, event) : nullptr)
        top = below;
    const Target *target = targetOf(top);
    if (!target) {
        if (top == static_cast<QGraphicsItem *>(workspace_.scenes.background(scene.page().value())))
            pressBackground(scene, event);
        return false;
    }
    pressTarget(static_cast<PageItem &>(*top), *target, event);
    return true;
}

// The background's own press goes on, so that it is selected as before; a band drawn
// from it replaces that selection when the button is let go.
void ViewDragging::pressBackground(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    if (event.type() == QEvent::GraphicsSceneMousePress && event.button() == Qt::LeftButton)
        band_->begin(scene, event.scenePos());
}

bool ViewDragging::finishBand(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    if (!band_->isDrawn()) {
        band_->cancel();
        return false;
    }
    std::vector<const CatalogueEntry *> touched = band_->finish();
    EditorDocument &document = workspace_.document;
    if (event.modifiers() & Qt::ControlModifier &&
        document.selection().kind == Selection::Kind::Element) {
        std::vector<const CatalogueEntry *> joined;
        for (const Selection &item : document.selectedItems())
            joined.push_back(item.element);
        joined.insert(joined.end(), touched.begin(), touched.end());
        touched = std::move(joined);
    }
    document.selectElements(touched);
    // The picture below took the press; the band has taken its release.
    if (QGraphicsItem *grabber = scene.mouseGrabberItem())
        grabber->ungrabMouse();
    return true;
}

// The pressed view takes every move of the drag, wherever the pointer is. The page
// takes the keyboard, so that the arrow keys move what was pressed.
// Ctrl+click only adds or takes out; a press on one of several selected elements
// keeps them all, to drag them together.
void ViewDragging::pressTarget(PageItem &view, const Target &target,
                               const QGraphicsSceneMouseEvent &event)
{
    if (QWidget *viewport = event.widget())
        viewport->parentWidget()->setFocus(Qt::MouseFocusReason);
    EditorDocument &document = workspace_.document;
    const bool isElement = target.item.kind == Selection::Kind::Element;
    if (isElement && event.modifiers() & Qt::ControlModifier) {
        if (event.type() == QEvent::GraphicsSceneMousePress)
            document.toggleElement(*target.item.element);
        return;
    }
    pressed_ = &view;
    grab_ = event.scenePos() - view.scenePos();
    dragged_ = false;
    narrowTo_ = nullptr;
    if (document.selectedItems().size() > 1 && document.isSelected(target.item)) {
        document.endRun();
        if (event.button() == Qt::LeftButton)
            narrowTo_ = target.item.element;
    } else if (isElement)
        selectElement(*target.item.element);
    else
        document.select(target.item);
}

PageItem *ViewDragging::nextBelow(PageScene &scene, const QGraphicsSceneMouseEvent &event) const
{
    QList<PageItem *> elements;
    for (QGraphicsItem *item : scene.itemsAt(event.scenePos(), event.widget())) {
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
    workspace_.document.endGesture();
}

void ViewDragging::selectElement(const CatalogueEntry &entry)
{
    workspace_.document.select(Selection::of(entry));
}

// Hovering an element brings it to the front, above the others it overlaps.
void ViewDragging::move(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    // A release that went to a message box instead of the page ends the drag all the
    // same: without a button held, the pointer only passes over.
    if (event.buttons() == Qt::NoButton && (pressed_ || resizing_ || band_->isHeld())) {
        band_->cancel();
        release(scene);
    }
    if (resizing_) {
        resize(event);
        return;
    }
    if (pressed_) {
        drag(scene, event);
        return;
    }
    if (band_->stretch(event.scenePos(), screenScale(event)))
        return;
    const Target *target = targetOf(scene.pageItemAt(event.scenePos(), event.widget()));
    if (target && target->item.kind == Selection::Kind::Element)
        workspace_.scenes.views().bringToFront(*target->item.element);
}

// The pointer keeps its place inside the dragged view, unless snapping pulls it a
// little; there is no bound, so a view may leave its page on any side.
void ViewDragging::drag(PageScene &scene, const QGraphicsSceneMouseEvent &event)
{
    const Target &target = *targetOf(pressed_);
    const QPointF delta = event.scenePos() - grab_ - pressed_->scenePos();
    const Rect from = partGeometry(target);
    Rect moved = from;
    moved.left = saturatedSum(moved.left, skinPixels(delta.x()));
    moved.top = saturatedSum(moved.top, skinPixels(delta.y()));
    dragged_ = true;
    const Snap snap = snapDrag(scene, moved, event);
    moved.left = saturatedSum(moved.left, snap.dx);
    moved.top = saturatedSum(moved.top, snap.dy);
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

// What snaps is the dragged item, or the bounds of all the selected elements.
Snap ViewDragging::snapDrag(PageScene &scene, const Rect &moved,
                            const QGraphicsSceneMouseEvent &event)
{
    if (event.modifiers() & Qt::AltModifier) {
        snapping_.hideGuides(scene);
        return {};
    }
    const EditorDocument &document = workspace_.document;
    const Target &target = *targetOf(pressed_);
    Rect moving = moved;
    if (document.selectedItems().size() > 1 && document.isSelected(target.item)) {
        const Rect from = partGeometry(target);
        std::vector<Rect> places;
        for (const Selection &item : document.selectedItems())
            places.push_back(document.itemGeometry(item).rect);
        moving = boundsOf(places);
        moving.left = saturatedSum(moving.left, std::int64_t{moved.left} - from.left);
        moving.top = saturatedSum(moving.top, std::int64_t{moved.top} - from.top);
    }
    return snapping_.snap(scene, moving, snapReach / screenScale(event));
}

// The gesture ends only now: a box about a state bitmap that could not be shown,
// opened during the press, would have taken the mouse from the drag.
// A click on one of several selected elements that did not drag selects it alone.
void ViewDragging::release(PageScene &scene)
{
    snapping_.hideGuides(scene);
    if (pressed_ && !dragged_ && narrowTo_)
        selectElement(*narrowTo_);
    narrowTo_ = nullptr;
    pressed_ = nullptr;
    resizing_.reset();
    workspace_.document.endGesture();
}

Rect ViewDragging::partGeometry(const Target &target) const
{
    const SkinDocument &skin = workspace_.document.skin();
    if (target.item.kind == Selection::Kind::Element)
        return skin.element(*target.item.element).geometry;
    return skin.lists.on(target.page);
}
