#include "editor/SkinLoader.h"

#include "editor/EditingPanel.h"
#include "editor/EditorDocument.h"
#include "editor/PictureLabel.h"
#include "editor/SkinPages.h"
#include "editor/WindowActions.h"
#include "platform/FileContents.h"
#include "platform/Platform.h"
#include "platform/SkinPictures.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLoad.h"

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <QTabWidget>

namespace {

// A file that cannot be read reads as an empty text, which is no skin.
std::string readSkinFile(const QString &path)
{
    return fileContents(path).value_or(QByteArray()).toStdString();
}

} // namespace

class SkinLoader::PictureSteps {
public:
    PictureSteps(const LoadedSkin &loaded, Dialogs &dialogs)
        : named_(loaded.pictures), decoded_(decodePictures(loaded)), dialogs_(dialogs)
    {}

    // The next picture in the load's order, or nothing after reporting why not.
    const QImage *next()
    {
        const LoadedPicture &picture = decoded_[next_++];
        if (!picture.ok()) {
            dialogs_.error(picture.error);
            return nullptr;
        }
        return &picture.image;
    }
    // What the picture last taken stands for.
    const NamedPicture &named() const { return named_[next_ - 1]; }

private:
    const std::vector<NamedPicture> &named_;
    std::vector<LoadedPicture> decoded_;
    Dialogs &dialogs_;
    std::size_t next_ = 0;
};

SkinLoader::SkinLoader(QMainWindow &window, const Workspace &workspace)
    : window_(window), workspace_(workspace)
{}

LoadOutcome SkinLoader::load(const QString &path)
{
    hideAndDisable();
    LoadedSkin loaded = loadSkin(path.toStdString(), readSkinFile(path));
    LoadOutcome outcome = LoadOutcome::Loaded;
    if (!loaded.isSkin()) {
        // The previous skin stays the document, so a later save cannot copy this
        // file's text over it.
        workspace_.dialogs.message(
            tr("Diese LKV Skin-Datei ist entweder defekt oder noch nicht in dem Velmor enthalten. "
               "Es wäre gut wenn du dies per E-mail mir mitteilst und schreibst von welchen "
               "Player diese ist. Dann kann ich viel schneller neue Versionen "
               "einprogrammieren."));
        outcome = LoadOutcome::NotASkin;
    } else {
        accept(loaded);
        PictureSteps pictures(loaded, workspace_.dialogs);
        if (!showSkin(loaded, pictures))
            return LoadOutcome::PictureFailed;
    }
    workspace_.commands.EditName->setEnabled(true);
    return outcome;
}

void SkinLoader::hideAndDisable()
{
    workspace_.pages.lists.setVisible(false);
    for (PictureLabel *background : workspace_.pages.backgrounds)
        background->hide();
    workspace_.pages.views.hideAll();
    workspace_.pages.playerView.setVisible(false);
    workspace_.pages.Notebook->hide();
    // Disabling a field that holds a typed value pulls it into its bounds, which counts
    // as the user's edit; the new history must not start with it.
    workspace_.panel.enableEditing(false);
    workspace_.document.beginLoad();
    for (QAction *command : {workspace_.commands.FileSaveAs1, workspace_.commands.EditName,
                             workspace_.commands.SkinCheck, workspace_.commands.FileExportZip})
        command->setEnabled(false);
}

void SkinLoader::accept(LoadedSkin &loaded)
{
    workspace_.document.acceptSkin(loaded.document);
    // The elements only 1.5 skins have show their Player view first: it marks them as
    // present for the rest of the load.
    const std::string &version = loaded.document.targetVersion;
    for (const CatalogueEntry &entry : catalogue()) {
        if (existsIn(entry, version) && !existsIn(entry, version14))
            workspace_.pages.views.view(entry, Page::Player)->show();
    }
    workspace_.panel.enableEditing(true);
    workspace_.pages.Notebook->show();
}

bool SkinLoader::showSkin(const LoadedSkin &loaded, PictureSteps &pictures)
{
    if (!showBackgrounds(pictures))
        return false;
    showLists(loaded);
    if (!showPlayerView(pictures) || !showTrackLists(pictures) || !showElements(loaded, pictures))
        return false;
    finish();
    return true;
}

bool SkinLoader::showBackgrounds(PictureSteps &pictures)
{
    EditorDocument &document = workspace_.document;
    for (Graphic graphic : pageBackgrounds) {
        const QImage *image = pictures.next();
        if (!image)
            return false;
        document.setGraphic(graphic, pictures.named().name, *image);
        // A page background takes its bitmap's size once, when the skin opens.
        document.setBackground(*backgroundPage(graphic), {0, 0, image->width(), image->height()});
    }
    for (PictureLabel *background : workspace_.pages.backgrounds)
        background->show();
    return true;
}

void SkinLoader::showLists(const LoadedSkin &loaded)
{
    workspace_.document.setLists(loaded.document.lists);
    workspace_.pages.lists.fitStrip();
    workspace_.pages.lists.setVisible(true);
}

bool SkinLoader::showPlayerView(PictureSteps &pictures)
{
    for (std::size_t piece = 0; piece < workspace_.pages.playerView.pictures.size(); ++piece) {
        const QImage *image = pictures.next();
        if (!image)
            return false;
        const Graphic graphic = *pictures.named().graphic;
        workspace_.document.setGraphic(graphic, pictures.named().name, *image);
        if (graphic == Graphic::Stream || graphic == Graphic::Curpos)
            workspace_.pages.picture(graphic)->show();
    }
    workspace_.pages.playerView.Transparent1->setEnabled(true);
    workspace_.pages.playerView.setVisible(true);
    return true;
}

bool SkinLoader::showTrackLists(PictureSteps &pictures)
{
    for (int piece = 0; piece < 4; ++piece) {
        const QImage *image = pictures.next();
        if (!image)
            return false;
        workspace_.document.setGraphic(*pictures.named().graphic, pictures.named().name, *image);
    }
    return true;
}

// Each element is placed before its picture is loaded, so an element whose bitmap
// fails stands at its new place, hidden, with the state paths of before.
bool SkinLoader::showElements(const LoadedSkin &loaded, PictureSteps &pictures)
{
    EditorDocument &document = workspace_.document;
    const std::string &version = loaded.document.targetVersion;
    for (const CatalogueEntry &entry : catalogue()) {
        if (!existsIn(entry, version))
            continue;
        const SkinElement &element = loaded.document.element(entry);
        document.setElementGeometry(entry, element.geometry);
        if (entry.states != StateSet::None) {
            const QImage *image = pictures.next();
            if (!image)
                return false;
            document.setUpPicture(entry, *image);
            document.takeStatePaths(entry, element);
        }
        workspace_.pages.views.show(entry, version);
    }
    workspace_.pages.restack();
    return true;
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
    workspace_.commands.FileSaveAs1->setEnabled(true);
    workspace_.commands.SkinCheck->setEnabled(true);
    workspace_.commands.FileExportZip->setEnabled(true);
}
