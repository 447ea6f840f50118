#include "editor/document/OutsideChanges.h"

#include "editor/document/EditorDocument.h"

void OutsideChanges::graphicRewritten(Graphic graphic, const QImage &picture) const
{
    const std::string path = document_.skin().graphicPaths[static_cast<std::size_t>(graphic)];
    document_.setGraphic(graphic, path, picture);
}

void OutsideChanges::stateBitmapRewritten(const CatalogueEntry &entry, StateBitmap state,
                                          const QImage &picture) const
{
    if (state == StateBitmap::Up)
        document_.setUpPicture(entry, picture);
    // The same path again: whatever shows the state reads it anew.
    const std::string path = document_.skin().element(entry).statePath(state);
    document_.setStatePath(entry, state, path);
}

void OutsideChanges::graphicGathered(Graphic graphic, const std::string &copy) const
{
    document_.skin_.graphicPaths[static_cast<std::size_t>(graphic)] = copy;
    emit document_.graphicChanged(graphic);
}

void OutsideChanges::stateBitmapGathered(const CatalogueEntry &entry, StateBitmap state,
                                         const std::string &copy, bool renamed) const
{
    document_.setStatePath(entry, state, copy);
    if (renamed)
        document_.rewriteAtNextSave(entry);
}
