#pragma once

#include "editor/controls/Workspace.h"
#include "editor/document/Selection.h"
#include "editor/scene/PageItem.h"
#include "editor/scene/SelectionFrame.h"
#include "skin/Snapping.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <memory>
#include <optional>

class DragSnapping;
class PageScene;
class RubberBand;
class QGraphicsItem;
class QGraphicsSceneMouseEvent;
class QGraphicsView;

// Selecting, dragging and resizing with the mouse on the element pages. A press on
// any view of an element or on a list panel selects it and starts a drag; moving then
// drags the item by skin pixels at any zoom, the other selected elements with it, and
// every view of them follows the document. Ctrl+click adds or takes out an element;
// a drag from the page's background draws a rubber band. A press on a handle of the
// selection's frame resizes it instead; Alt+click selects the next element below the
// pointer, and Alt held while dragging leaves snapping off. One set of handlers serves
// every element, told apart by the catalogue entry of the view.
class ViewDragging : public QObject {
    Q_OBJECT

public:
    ViewDragging(const Workspace &workspace, const DragSnapping &snapping);
    ~ViewDragging() override;

    // Selects the element as a press on one of its views does, without a drag: the
    // gesture ends at once, so a state bitmap that cannot be shown is reported now.
    void pressElement(const CatalogueEntry &entry);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a view stands for: an element view, or one of the list panels with the
    // selection it makes.
    struct Target {
        Selection item;
        Page page = Page::Player; // which panel, for a list
    };
    // A resize by a handle: the edges it moves and where it began.
    struct Resize {
        HandleEdges edges;
        Rect start;
        QPointF from;
    };

    void watch(PageItem *item, const Target &target);
    bool press(PageScene &scene, const QGraphicsSceneMouseEvent &event);
    void pressTarget(PageItem &view, const Target &target, const QGraphicsSceneMouseEvent &event);
    // A press where no element or list is: on a page's picture, or beside it.
    void pressBackground(PageScene &scene, const QGraphicsSceneMouseEvent &event);
    void selectElement(const CatalogueEntry &entry);
    // With Alt: the element below the selected one at the pointer, round again.
    PageItem *nextBelow(PageScene &scene, const QGraphicsSceneMouseEvent &event) const;
    void move(PageScene &scene, const QGraphicsSceneMouseEvent &event);
    void drag(PageScene &scene, const QGraphicsSceneMouseEvent &event);
    // The place the drag snaps to: the dragged rectangle's shift.
    Snap snapDrag(PageScene &scene, const Rect &moved, const QGraphicsSceneMouseEvent &event);
    bool finishBand(PageScene &scene, const QGraphicsSceneMouseEvent &event);
    void resize(const QGraphicsSceneMouseEvent &event) const;
    void release(PageScene &scene);
    // Where the pressed part stands in the document.
    Rect partGeometry(const Target &target) const;
    const Target *targetOf(const QGraphicsItem *item) const;

    Workspace workspace_;
    const DragSnapping &snapping_;
    std::unique_ptr<RubberBand> band_;
    QHash<const QGraphicsItem *, Target> targets_;
    QPointer<PageItem> pressed_; // the view being dragged; none between drags
    QPointF grab_;               // where the pointer took hold of it, inside it
    std::optional<Resize> resizing_;
    bool dragged_ = false;                     // the pressed view has moved
    const CatalogueEntry *narrowTo_ = nullptr; // selected alone when the press drags not
};
