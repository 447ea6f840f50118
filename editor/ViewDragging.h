#pragma once

#include "editor/Selection.h"
#include "editor/Workspace.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>

class GeometryFields;
class StatePreviews;
class QMouseEvent;
class QWidget;
struct Rect;

// Selecting and dragging with the mouse. A press on any view of an element or on a
// list panel selects it and starts a drag; moving then drags the item, and every view
// of it follows the document. One set of handlers serves every element, told apart by
// the catalogue entry of the view.
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
    // What a watched widget stands for: an element view, or one of the list panels
    // with the selection it makes.
    struct Target {
        Selection item;
        Page page = Page::Player; // which panel, for a list
    };

    void watch(QWidget *widget, const Target &target);
    void press(QWidget &view, const Target &target, QPoint at);
    void selectElement(const CatalogueEntry &entry);
    void pressList(Selection::Kind list);
    void move(QWidget &view, const Target &target, const QMouseEvent &event);
    void release();
    // Where the pressed part stands in the document.
    Rect partGeometry(const Target &target) const;
    void bringToFront(const CatalogueEntry &entry) const;

    Workspace workspace_;
    const GeometryFields &fields_;
    StatePreviews &previews_;
    QHash<const QObject *, Target> targets_;
    QPointer<QWidget> pressed_; // the view being dragged; none between drags
    QPoint grab_;               // where the pointer took hold of it, in its pixels
};
