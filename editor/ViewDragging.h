#pragma once

#include "editor/PageItem.h"
#include "editor/Selection.h"
#include "editor/SelectionFrame.h"
#include "editor/Workspace.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <optional>

class GeometryFields;
class PageScene;
class StatePreviews;
class QGraphicsItem;
class QGraphicsSceneMouseEvent;
class QGraphicsView;

// Selecting, dragging and resizing with the mouse on the element pages. A press on
// any view of an element or on a list panel selects it and starts a drag; moving then
// drags the item by skin pixels at any zoom, and every view of it follows the
// document. A press on a handle of the selection's frame resizes it instead; Alt+click
// selects the next element below the pointer. One set of handlers serves every
// element, told apart by the catalogue entry of the view.
class ViewDragging : public QObject {
    Q_OBJECT

public:
    ViewDragging(const Workspace &workspace, const GeometryFields &fields, StatePreviews &previews);

    // Selects the element as a press on one of its views does, without a drag, and
    // reports a state bitmap that cannot be shown at once.
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
    void selectElement(const CatalogueEntry &entry);
    void pressList(Selection::Kind list);
    // With Alt: the element below the selected one at the pointer, round again.
    PageItem *nextBelow(PageScene &scene, const QGraphicsSceneMouseEvent &event) const;
    void move(PageScene &scene, const QGraphicsSceneMouseEvent &event);
    void drag(const QGraphicsSceneMouseEvent &event);
    void resize(const QGraphicsSceneMouseEvent &event) const;
    void release();
    // Where the pressed part stands in the document.
    Rect partGeometry(const Target &target) const;
    // The items at the point, the topmost first, as the view that sent the event
    // sees them (the handles keep their screen size).
    QList<QGraphicsItem *> itemsAt(PageScene &scene, const QGraphicsSceneMouseEvent &event) const;
    QGraphicsItem *topmostPageItem(PageScene &scene, const QGraphicsSceneMouseEvent &event) const;
    const Target *targetOf(const QGraphicsItem *item) const;

    Workspace workspace_;
    const GeometryFields &fields_;
    StatePreviews &previews_;
    QHash<const QGraphicsItem *, Target> targets_;
    QPointer<PageItem> pressed_; // the view being dragged; none between drags
    QPointF grab_;               // where the pointer took hold of it, inside it
    std::optional<Resize> resizing_;
};
