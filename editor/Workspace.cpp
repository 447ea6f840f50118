#include "editor/Workspace.h"

#include "editor/Commands.h"
#include "skin/SkinDocument.h"

#include <QAction>

void Workspace::markSkinChanged() const
{
    commands.FileSave1->setEnabled(true);
}

void Workspace::markChanged(const CatalogueEntry &entry) const
{
    document.element(entry).changed = true;
    markSkinChanged();
}
