#include "editor/controls/Workspace.h"

#include "editor/document/EditorDocument.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"

#include <QCoreApplication>

std::optional<QImage> Workspace::readPicture(const QString &name, const QString &folder) const
{
    LoadedPicture loaded = loadPicture(name, folder);
    if (!loaded.ok()) {
        dialogs.error(loaded.error);
        return std::nullopt;
    }
    return std::move(loaded.image);
}

// A new bitmap usually lies beside the skin, so the dialog starts there.
QString Workspace::choosePicture() const
{
    return dialogs.askForFile({Dialogs::FileKind::OpenPicture,
                               QCoreApplication::translate("Workspace", "Bitmap wählen"),
                               QString::fromStdString(document.skin().skinFolder)});
}
