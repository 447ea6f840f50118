#include "editor/GeometryFields.h"

#include "editor/EditingPanel.h"
#include "editor/NumberField.h"
#include "editor/PictureLabel.h"
#include "editor/Selection.h"
#include "editor/SkinPages.h"
#include "editor/ViewGeometry.h"
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
    Rect rect = geometryOf(view);
    setEdge(rect, edge, value);
    placeView(view, rect);
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

void GeometryFields::place(const Rect &geometry) const
{
    apply(Edge::Left, geometry.left);
    apply(Edge::Top, geometry.top);
    apply(Edge::Width, geometry.width);
    apply(Edge::Height, geometry.height);
}

// The model takes what the views really got, so that the save writes what is shown.
void GeometryFields::applyToElement(Edge edge, int value) const
{
    const CatalogueEntry &entry = *workspace_.selection.element;
    const ElementViews &views = workspace_.pages.views;
    for (QLabel *view : views.views(entry))
        setEdge(*view, edge, value);
    workspace_.document.element(entry).geometry = geometryOf(*views.referenceView(entry));
}

// The two kinds of list selection are not symmetrical: the track lists carry the
// Player list along when they move, but not when they are resized.
void GeometryFields::applyToLists(Edge edge, int value) const
{
    const ListPanels &panels = workspace_.pages.lists;
    const bool trackLists = workspace_.selection.kind == Selection::Kind::TrackLists;
    const bool resize = edge == Edge::Width || edge == Edge::Height;
    if (!trackLists || !resize)
        setEdge(*panels.ListPlayer, edge, value);
    if (trackLists) {
        setEdge(*panels.ListSchedule, edge, value);
        setEdge(*panels.ListDescription, edge, value);
    }
    workspace_.document.lists = panels.geometry();
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
