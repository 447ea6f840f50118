#include "editor/ViewDragging.h"

#include "editor/EditingPanel.h"
#include "editor/EditorDocument.h"
#include "editor/GeometryFields.h"
#include "editor/SkinPages.h"
#include "editor/StatePreviews.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

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

} // namespace

ViewDragging::ViewDragging(const Workspace &workspace, const GeometryFields &fields,
                           StatePreviews &previews)
    : workspace_(workspace), fields_(fields), previews_(previews)
{
    for (const CatalogueEntry &entry : catalogue()) {
        for (QLabel *view : workspace_.pages.views.views(entry)) {
            // Hovering brings an element to the front, so moves count without a button.
            view->setMouseTracking(true);
            watch(view, {Selection::of(entry)});
        }
    }
    const ListPanels &lists = workspace_.pages.lists;
    watch(lists.ListPlayer, {{Selection::Kind::PlayerList}, Page::Player});
    watch(lists.ListSchedule, {{Selection::Kind::TrackLists}, Page::Schedule});
    watch(lists.ListDescription, {{Selection::Kind::TrackLists}, Page::Description});
}

void ViewDragging::watch(QWidget *widget, const Target &target)
{
    targets_.insert(widget, target);
    widget->installEventFilter(this);
}

bool ViewDragging::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = targets_.constFind(watched);
    if (found == targets_.constEnd())
        return false;
    auto &view = static_cast<QWidget &>(*watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press(view, *found, static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseMove:
        move(view, *found, *static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        release();
        return true;
    default:
        return false;
    }
}

// The pressed widget holds the mouse until the last button is released, so every
// move of the drag reaches it, wherever the pointer is. The page takes the keyboard,
// so that the arrow keys move what was pressed.
void ViewDragging::press(QWidget &view, const Target &target, QPoint at)
{
    grab_ = at;
    pressed_ = &view;
    view.parentWidget()->setFocus(Qt::MouseFocusReason);
    if (target.item.kind == Selection::Kind::Element)
        selectElement(*target.item.element);
    else
        pressList(target.item.kind);
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

// The pointer keeps its place inside the dragged view; there is no grid and no
// bound, so a view may leave its page on any side.
void ViewDragging::move(QWidget &view, const Target &target, const QMouseEvent &event)
{
    // A release that went to a message box instead of the view ends the drag all the
    // same: without a button held, the pointer only passes over.
    if (event.buttons() == Qt::NoButton && pressed_)
        release();
    if (pressed_ == &view) {
        const QPoint delta = event.position().toPoint() - grab_;
        Rect moved = partGeometry(target);
        moved.left = saturatedSum(moved.left, delta.x());
        moved.top = saturatedSum(moved.top, delta.y());
        workspace_.document.drag(target.item, moved);
    }
    if (target.item.kind == Selection::Kind::Element)
        bringToFront(*target.item.element);
}

// A state bitmap that could not be shown is reported only now: a box opened during
// the press would have taken the mouse from the drag.
void ViewDragging::release()
{
    pressed_ = nullptr;
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

void ViewDragging::bringToFront(const CatalogueEntry &entry) const
{
    for (QLabel *view : workspace_.pages.views.views(entry))
        view->raise();
    workspace_.pages.lists.raise();
}
