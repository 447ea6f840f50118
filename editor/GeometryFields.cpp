#include "editor/GeometryFields.h"

#include "editor/EditingPanel.h"
#include "editor/NumberField.h"
#include "editor/PictureLabel.h"
#include "editor/Selection.h"
#include "editor/SkinPages.h"
#include "skin/SkinDocument.h"

#include <QFrame>

namespace {

using Edge = GeometryFields::Edge;

void setEdge(Rect &rect, Edge edge, int value)
{
    switch (edge) {
    case Edge::Left:
        rect.left = value;
        break;
    case Edge::Top:
        rect.top = value;
        break;
    case Edge::Width:
        rect.width = value;
        break;
    case Edge::Height:
        rect.height = value;
        break;
    }
}

// Only the one edge changes: a view that is being dragged keeps the other
// coordinate of its new place until its own field write carries it over.
void setEdge(QWidget &view, Edge edge, int value)
{
    const QRect now = view.geometry();
    Rect rect{now.x(), now.y(), now.width(), now.height()};
    setEdge(rect, edge, value);
    view.setGeometry(rect.left, rect.top, rect.width, rect.height);
}

} // namespace

GeometryFields::GeometryFields(const Workspace &workspace) : workspace_(workspace)
{
    const EditingPanel &panel = workspace_.panel;
    const std::array<std::pair<NumberField *, Edge>, 4> fields{{{panel.PositionX, Edge::Left},
                                                                {panel.PositionY, Edge::Top},
                                                                {panel.grossX, Edge::Width},
                                                                {panel.grossY, Edge::Height}}};
    for (const auto &[field, edge] : fields) {
        connect(field, &QSpinBox::valueChanged, this,
                [this, edge = edge](int value) { apply(edge, value); });
        connect(field, &NumberField::edited, this, &GeometryFields::markEdited);
    }
}

void GeometryFields::show(const Rect &geometry) const
{
    const EditingPanel &panel = workspace_.panel;
    panel.PositionX->assign(geometry.left);
    panel.PositionY->assign(geometry.top);
    panel.grossX->assign(geometry.width);
    panel.grossY->assign(geometry.height);
}

void GeometryFields::follow(const std::vector<QWidget *> &views) const
{
    const EditingPanel &panel = workspace_.panel;
    for (QWidget *view : views) {
        panel.PositionX->assign(view->x());
        panel.PositionY->assign(view->y());
    }
    for (QWidget *view : views) {
        panel.grossX->assign(view->width());
        panel.grossY->assign(view->height());
    }
}

void GeometryFields::apply(Edge edge, int value) const
{
    const Selection &selection = workspace_.selection;
    switch (selection.kind) {
    case Selection::Kind::Element:
        applyToElement(edge, value);
        break;
    case Selection::Kind::Background:
        // A page background is sized by the fields but never placed by them.
        if (edge == Edge::Width || edge == Edge::Height)
            setEdge(*workspace_.pages.background(selection.background), edge, value);
        break;
    case Selection::Kind::PlayerList:
    case Selection::Kind::TrackLists:
        applyToLists(edge, value);
        break;
    case Selection::Kind::None:
        break;
    }
}

void GeometryFields::applyToElement(Edge edge, int value) const
{
    const CatalogueEntry &entry = *workspace_.selection.element;
    setEdge(workspace_.document.element(entry).geometry, edge, value);
    for (QLabel *view : workspace_.pages.views.views(entry))
        setEdge(*view, edge, value);
}

// The two kinds of list selection are not symmetrical: the track lists carry the
// Player list along when they move, but not when they are resized.
void GeometryFields::applyToLists(Edge edge, int value) const
{
    ListGeometry &model = workspace_.document.lists;
    const ListPanels &panels = workspace_.pages.lists;
    std::vector<std::pair<Rect *, QFrame *>> targets{{&model.player, panels.ListPlayer}};
    if (workspace_.selection.kind == Selection::Kind::TrackLists) {
        if (edge == Edge::Width || edge == Edge::Height)
            targets.clear();
        targets.emplace_back(&model.schedule, panels.ListSchedule);
        targets.emplace_back(&model.description, panels.ListDescription);
    }
    for (const auto &[rect, panel] : targets) {
        setEdge(*rect, edge, value);
        setEdge(*panel, edge, value);
    }
}

// Only the user's own changes count as edits; values the program shows never do.
void GeometryFields::markEdited() const
{
    const Selection &selection = workspace_.selection;
    switch (selection.kind) {
    case Selection::Kind::Element:
        workspace_.markChanged(*selection.element);
        break;
    case Selection::Kind::PlayerList:
    case Selection::Kind::TrackLists:
        // List geometry is written by every save.
        workspace_.markSkinChanged();
        break;
    case Selection::Kind::Background:
    case Selection::Kind::None:
        break;
    }
}
