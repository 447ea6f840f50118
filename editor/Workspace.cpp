#include "editor/Workspace.h"

#include "editor/EditingPanel.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "skin/SkinFormat.h"

std::optional<QImage> Workspace::readPicture(const QString &name, const QString &folder) const
{
    LoadedPicture loaded = loadPicture(name, folder);
    if (!loaded.ok()) {
        dialogs.error(loaded.error);
        return std::nullopt;
    }
    return std::move(loaded.image);
}

void Workspace::showFileName(const std::string &path) const
{
    panel.showFileName(QString::fromStdString(bareFileName(path)));
}
