#include "editor/ViewDragging.h"

#include "editor/EditingPanel.h"
#include "editor/GeometryFields.h"
#include "editor/SkinPages.h"
#include "editor/StatePreviews.h"
#include "skin/SkinDocument.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <limits>

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

Rect geometryOf(const QWidget &view)
{
    return {view.x(), view.y(), view.width(), view.height()};
}

int offsetBy(int coordinate, int delta)
{
    const qint64 moved = static_cast<qint64>(coordinate) + delta;
    return static_cast<int>(std::clamp<qint64>(moved, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
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
        press(*found, static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseMove:
        move(view, *found, static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        release(*found, *static_cast<QMouseEvent *>(event));
        return true;
    default:
        return false;
    }
}

// The pressed widget holds the mouse until the last button is released, so every
// move of the drag reaches it, wherever the pointer is.
void ViewDragging::press(const Target &target, QPoint at)
{
    grab_ = at;
    dragging_ = true;
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

void ViewDragging::move(QWidget &view, const Target &target, QPoint at)
{
    if (target.element) {
        const CatalogueEntry &entry = *target.element;
        if (dragging_) {
            dragBy(view, at);
            const std::vector<QLabel *> views = workspace_.pages.views.views(entry);
            fields_.follow({views.begin(), views.end()});
            workspace_.markChanged(entry);
        }
        bringToFront(entry);
    } else if (dragging_) {
        dragBy(view, at);
        fields_.follow(listViews(target.list));
        workspace_.markSkinChanged();
    }
}

void ViewDragging::release(const Target &target, const QMouseEvent &event)
{
    dragging_ = false;
    // The stream label also answers a click, which selects it once more.
    const CatalogueEntry *entry = target.element;
    if (entry && entry->kind == ElementKind::StreamCombo && event.button() == Qt::LeftButton)
        workspace_.selection = {Selection::Kind::Element, entry};
}

// The pointer keeps its place inside the dragged view; there is no grid and no
// bound, so a view may leave its page on any side.
void ViewDragging::dragBy(QWidget &view, QPoint at) const
{
    const QPoint delta = at - grab_;
    view.move(offsetBy(view.x(), delta.x()), offsetBy(view.y(), delta.y()));
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
