#include "editor/controls/GeometryFields.h"

#include "editor/controls/EditingPanel.h"
#include "editor/controls/NumberField.h"
#include "editor/document/EditorDocument.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace {

constexpr std::array<Edge, 4> fieldOrder{Edge::Left, Edge::Top, Edge::Width, Edge::Height};

} // namespace

GeometryFields::GeometryFields(const Workspace &workspace) : workspace_(workspace)
{
    for (Edge edge : fieldOrder) {
        NumberField *numbers = field(edge);
        connect(numbers, &QSpinBox::valueChanged, this,
                [this, edge, numbers](int value) { changed(edge, *numbers, value); });
    }
    EditorDocument &document = workspace_.document;
    connect(&document, &EditorDocument::elementGeometryChanged, this,
            [this](const CatalogueEntry &entry) { follow(Selection::of(entry)); });
    connect(&document, &EditorDocument::listsChanged, this, [this] {
        follow({Selection::Kind::PlayerList});
        follow({Selection::Kind::TrackLists});
    });
    connect(&document, &EditorDocument::backgroundChanged, this,
            [this](Page page) { follow(Selection::backgroundOf(page)); });
    connect(&document, &EditorDocument::selectionChanged, this, [this] { showSelection(); });
    connect(&document, &EditorDocument::pictureClicked, this, [this] {
        if (workspace_.document.pointedPicture().hasNoFieldPlace())
            show({});
    });
}

NumberField *GeometryFields::field(Edge edge) const
{
    const EditingPanel &panel = workspace_.panel;
    switch (edge) {
    case Edge::Left:
        return panel.leftField;
    case Edge::Top:
        return panel.topField;
    case Edge::Width:
        return panel.widthField;
    case Edge::Height:
        break;
    }
    return panel.heightField;
}

void GeometryFields::show(const Rect &geometry) const
{
    for (Edge edge : fieldOrder)
        field(edge)->assign(edgeOf(geometry, edge));
}

void GeometryFields::showSize(const Rect &geometry) const
{
    for (Edge edge : {Edge::Width, Edge::Height})
        field(edge)->assign(edgeOf(geometry, edge));
}

// A field that is being typed into keeps the text as typed, even where the item
// cannot take the value; the fields show the item again at its next change.
void GeometryFields::changed(Edge edge, const NumberField &field, int value) const
{
    if (following_)
        return;
    QScopedValueRollback guard(following_, true);
    if (field.isUserChange())
        workspace_.document.editEdge(edge, value);
    else
        workspace_.document.applyEdge(edge, value);
}

// Without a selection the fields show nothing of the last one, which they could no
// longer change.
void GeometryFields::showSelection() const
{
    const EditorDocument &document = workspace_.document;
    const bool selected = document.selection().kind != Selection::Kind::None;
    for (Edge edge : fieldOrder)
        field(edge)->takeInput(selected);
    if (document.selectedItems().size() > 1)
        showShared();
    else if (selected)
        showItem(document.selection());
    else {
        for (Edge edge : fieldOrder)
            field(edge)->showMixed();
    }
}

void GeometryFields::follow(const Selection &item) const
{
    const EditorDocument &document = workspace_.document;
    if (following_ || !document.isSelected(item))
        return;
    QScopedValueRollback guard(following_, true);
    if (document.selectedItems().size() > 1)
        showShared();
    else
        showItem(item);
}

void GeometryFields::showItem(const Selection &item) const
{
    const Rect geometry = workspace_.document.referenceGeometry(item);
    if (item.kind == Selection::Kind::Background)
        showSize(geometry);
    else
        show(geometry);
}

void GeometryFields::showShared() const
{
    QScopedValueRollback guard(following_, true);
    const EditorDocument &document = workspace_.document;
    const std::vector<Selection> &items = document.selectedItems();
    for (Edge edge : fieldOrder) {
        const int first = edgeOf(document.referenceGeometry(items.front()), edge);
        const bool shared = std::all_of(items.begin(), items.end(), [&](const Selection &item) {
            return edgeOf(document.referenceGeometry(item), edge) == first;
        });
        if (shared)
            field(edge)->assign(first);
        else
            field(edge)->showMixed();
    }
}
