#include "editor/windows/SkinLoader.h"

#include "editor/controls/EditingPanel.h"
#include "editor/controls/PictureLabel.h"
#include "editor/controls/SkinPages.h"
#include "editor/controls/WindowActions.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/PageScenes.h"
#include "platform/Platform.h"
#include "skin/SkinLoad.h"

#include <QAction>
#include <QMainWindow>
#include <QTabWidget>

#include <array>

namespace {

// What needs an open skin; "Skinname" follows rules of its own.
std::array<QAction *, 6> enabledByASkin(const WindowActions &commands)
{
    return {commands.saveAs,        commands.checkSkin, commands.compare,
            commands.exportPackage, commands.selectAll, commands.statePreview};
}

} // namespace

SkinLoader::SkinLoader(QMainWindow &window, const Workspace &workspace)
    : window_(window), workspace_(workspace)
{}

LoadOutcome SkinLoader::load(const QString &path)
{
    PageLoad pages(workspace_.document, workspace_.scenes, workspace_.dialogs);
    hideAndDisable(pages);
    LoadedSkin loaded = loadSkin(path.toStdString(), readSkinFile(path));
    LoadOutcome outcome = LoadOutcome::Loaded;
    if (!loaded.isSkin()) {
        // The previous skin stays the document, so a later save cannot copy this
        // file's text over it.
        workspace_.dialogs.message(notASkinMessage());
        outcome = LoadOutcome::NotASkin;
    } else {
        pages.accept(loaded);
        workspace_.panel.enableEditing(true);
        outcome = pages.showPictures(loaded);
        showPages();
        if (outcome != LoadOutcome::Loaded)
            return outcome;
        finish();
    }
    workspace_.commands.skinName->setEnabled(true);
    return outcome;
}

void SkinLoader::hideAndDisable(PageLoad &load)
{
    workspace_.pages.notebook->hide();
    // Disabling a field that holds a typed value pulls it into its bounds, which counts
    // as the user's edit; the new history must not start with it.
    workspace_.panel.enableEditing(false);
    load.begin();
    // The preview ends first, so that the new skin's pictures are the ones it shows.
    workspace_.commands.statePreview->setChecked(false);
    workspace_.commands.skinName->setEnabled(false);
    for (QAction *command : enabledByASkin(workspace_.commands))
        command->setEnabled(false);
}

// The scenes take in what the load changed while their views are hidden, so that the
// pages are painted once, whole, when the notebook shows them.
void SkinLoader::showPages() const
{
    for (std::size_t i = 0; i <= PageScenes::playerViewIndex; ++i)
        QCoreApplication::sendPostedEvents(&workspace_.scenes.scene(i), QEvent::MetaCall);
    workspace_.pages.notebook->show();
}

void SkinLoader::showTitle() const
{
    window_.setWindowTitle(
        titleVersion_.empty()
            ? QStringLiteral("Velmor")
            : tr("Velmor (%1 - Skin)").arg(QString::fromStdString(titleVersion_)));
}

void SkinLoader::finish()
{
    titleVersion_ = workspace_.document.skin().targetVersion;
    showTitle();
    for (PictureLabel *preview : workspace_.panel.statePreviews)
        preview->show();
    for (QAction *command : enabledByASkin(workspace_.commands))
        command->setEnabled(true);
}
