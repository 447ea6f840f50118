#include "editor/StatePreviews.h"

#include "editor/EditingPanel.h"
#include "editor/GeometryFields.h"
#include "editor/PictureLabel.h"
#include "editor/Selection.h"
#include "editor/SkinPages.h"
#include "editor/ViewGeometry.h"
#include "platform/Platform.h"
#include "skin/SkinDocument.h"

namespace {

// The web buttons keep the size the skin gives them whatever bitmap they show.
bool keepsItsSize(const CatalogueEntry &entry)
{
    return entry.number == 50 || entry.number == 51;
}

} // namespace

StatePreviews::StatePreviews(const Workspace &workspace, const GeometryFields &fields)
    : workspace_(workspace), fields_(fields)
{
    for (StateBitmap state : allStates) {
        PictureLabel *picture = preview(state);
        QObject::connect(picture, &PictureLabel::clicked, picture,
                         [this, state] { showFileName(state); });
        QObject::connect(picture, &PictureLabel::doubleClicked, picture,
                         [this, state] { choose(state); });
    }
}

bool StatePreviews::show(const CatalogueEntry &entry) const
{
    const SkinElement &element = workspace_.document.element(entry);
    for (StateBitmap state : allStates) {
        if (!entry.hasState(state))
            continue;
        // State paths are complete already: the skin folder is part of them.
        const std::optional<QImage> image =
            workspace_.readPicture(QString::fromStdString(element.statePath(state)));
        if (!image)
            return false;
        preview(state)->setPicture(*image);
    }
    preview(StateBitmap::Da)->setVisible(entry.hasState(StateBitmap::Da));
    return true;
}

PictureLabel *StatePreviews::preview(StateBitmap state) const
{
    return workspace_.panel.statePreviews[static_cast<std::size_t>(state)];
}

const CatalogueEntry *StatePreviews::owner(StateBitmap state) const
{
    const Selection &selection = workspace_.selection;
    if (selection.kind != Selection::Kind::Element || !selection.element->hasState(state))
        return nullptr;
    return selection.element;
}

void StatePreviews::showFileName(StateBitmap state) const
{
    if (const CatalogueEntry *entry = owner(state))
        workspace_.showFileName(workspace_.document.element(*entry).statePath(state));
}

void StatePreviews::choose(StateBitmap state) const
{
    const CatalogueEntry *entry = owner(state);
    if (!entry)
        return;
    const QString path = workspace_.dialogs.openPicture();
    if (path.isEmpty())
        return;
    // The element keeps the chosen name even when the file turns out to be no bitmap.
    std::string &statePath = workspace_.document.element(*entry).statePath(state);
    statePath = path.toStdString();
    const std::optional<QImage> image = workspace_.readPicture(path);
    if (!image)
        return;
    preview(state)->setPicture(*image);
    if (state == StateBitmap::Up)
        takeUpBitmap(*entry, *image);
    workspace_.showFileName(statePath);
    if (state == StateBitmap::Up) {
        fields_.show(geometryOf(*workspace_.pages.views.referenceView(*entry)));
    }
    workspace_.markChanged(*entry);
}

// Every view shows the up bitmap, hidden views included, and takes its size.
void StatePreviews::takeUpBitmap(const CatalogueEntry &entry, const QImage &image) const
{
    const ElementViews &views = workspace_.pages.views;
    views.setPicture(entry, image);
    if (keepsItsSize(entry))
        return;
    for (QLabel *view : views.views(entry))
        placeView(*view, {view->x(), view->y(), image.width(), image.height()});
    workspace_.document.element(entry).geometry = geometryOf(*views.referenceView(entry));
}
