#include "editor/ViewDragging.h"

#include "editor/EditingPanel.h"
#include "editor/GeometryFields.h"
#include "editor/SkinPages.h"
#include "editor/StatePreviews.h"
#include "editor/ViewGeometry.h"
#include "skin/SkinDocument.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

QString pressHint(const CatalogueEntry &entry)
{
    if (entry.states == StateSet::Four)
        return QStringLiteral("Einen von 4 Bilder auswählen.");
    // The buttons that switch the player's pages and windows have a hint of their own.
    if (entry.number <= 12)
        return QStringLiteral("Wähl Eines der 3 Bilder aus.");
    return QStringLiteral("Einen von 3 Bilder auswählen.");
}

} // namespace

ViewDragging::ViewDragging(const Workspace &workspace, const GeometryFields &fields,
                           const StatePreviews &previews)
    : workspace_(workspace), fields_(fields), previews_(previews)
{
    for (const CatalogueEntry &entry : catalogue()) {
        for (QLabel *view : workspace_.pages.views.views(entry)) {
            // Hovering brings an element to the front, so moves count without a button.
            view->setMouseTracking(true);
            watch(view, {&entry, Selection::Kind::None});
        }
    }
    const ListPanels &lists = workspace_.pages.lists;
    watch(lists.ListPlayer, {nullptr, Selection::Kind::PlayerList});
    watch(lists.ListSchedule, {nullptr, Selection::Kind::TrackLists});
    watch(lists.ListDescription, {nullptr, Selection::Kind::TrackLists});
}

void ViewDragging::watch(QWidget *widget, Target target)
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
        pressed_ = nullptr;
        return true;
    default:
        return false;
    }
}

// The pressed widget holds the mouse until the last button is released, so every
// move of the drag reaches it, wherever the pointer is.
void ViewDragging::press(QWidget &view, const Target &target, QPoint at)
{
    grab_ = at;
    pressed_ = &view;
    if (target.element)
        pressElement(*target.element);
    else
        pressList(target.list);
}

void ViewDragging::pressElement(const CatalogueEntry &entry)
{
    workspace_.selection = {Selection::Kind::Element, &entry};
    // A bitmap that cannot be shown is reported; the drag goes on all the same, and
    // its first move fills the fields.
    if (!previews_.show(entry))
        return;
    fields_.show(geometryOf(*workspace_.pages.views.referenceView(entry)));
    if (entry.states != StateSet::None)
        workspace_.panel.edit1->setText(pressHint(entry));
}

void ViewDragging::pressList(Selection::Kind list)
{
    workspace_.selection = {list};
    const ListPanels &lists = workspace_.pages.lists;
    const bool player = list == Selection::Kind::PlayerList;
    fields_.show(geometryOf(player ? *lists.ListPlayer : *lists.ListSchedule));
    workspace_.panel.edit1->setText(
        player ? QStringLiteral("Player-Ansicht")
               : QStringLiteral("Vorschau oder Liedersammlung-Ansicht-Ansicht"));
}

void ViewDragging::move(QWidget &view, const Target &target, const QMouseEvent &event)
{
    // A release that went to a message box instead of the view ends the drag all the
    // same: without a button held, the pointer only passes over.
    if (event.buttons() == Qt::NoButton)
        pressed_ = nullptr;
    if (pressed_ == &view) {
        dragBy(view, event.position().toPoint());
        if (target.element) {
            const std::vector<QLabel *> views = workspace_.pages.views.views(*target.element);
            fields_.follow({views.begin(), views.end()});
        } else {
            fields_.follow(listViews(target.list));
        }
        // The fields carry the move only where their values change; when they held
        // the new place already, the item is set to it directly.
        fields_.place(geometryOf(view));
        if (target.element)
            workspace_.markChanged(*target.element);
        else
            workspace_.markSkinChanged();
    }
    if (target.element)
        bringToFront(*target.element);
}

// The pointer keeps its place inside the dragged view; there is no grid and no
// bound, so a view may leave its page on any side.
void ViewDragging::dragBy(QWidget &view, QPoint at) const
{
    const QPoint delta = at - grab_;
    Rect moved = geometryOf(view);
    moved.left = saturatedSum(moved.left, delta.x());
    moved.top = saturatedSum(moved.top, delta.y());
    placeView(view, moved);
}

void ViewDragging::bringToFront(const CatalogueEntry &entry) const
{
    for (QLabel *view : workspace_.pages.views.views(entry))
        view->raise();
    workspace_.pages.lists.raise();
}

std::vector<QWidget *> ViewDragging::listViews(Selection::Kind list) const
{
    const ListPanels &lists = workspace_.pages.lists;
    if (list == Selection::Kind::PlayerList)
        return {lists.ListPlayer};
    return {lists.ListSchedule, lists.ListDescription};
}
