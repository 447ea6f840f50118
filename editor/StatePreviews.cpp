#include "editor/StatePreviews.h"

#include "editor/EditingPanel.h"
#include "editor/PictureLabel.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "skin/SkinDocument.h"

bool StatePreviews::show(const CatalogueEntry &entry) const
{
    const SkinElement &element = workspace_.document.element(entry);
    PictureLabel *disabled = workspace_.panel.statePreviews[static_cast<int>(StateBitmap::Da)];
    for (StateBitmap state : allStates) {
        if (!entry.hasState(state))
            continue;
        // State paths are complete already: the skin folder is part of them.
        const LoadedPicture loaded =
            loadPicture(QString::fromStdString(element.statePath(state)), QString());
        if (!loaded.ok()) {
            workspace_.dialogs.error(loaded.error);
            return false;
        }
        workspace_.panel.statePreviews[static_cast<int>(state)]->setPicture(loaded.image);
    }
    disabled->setVisible(entry.hasState(StateBitmap::Da));
    return true;
}
