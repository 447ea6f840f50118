#include "editor/files/PageLoad.h"

#include "editor/document/EditorDocument.h"
#include "editor/scene/FrameItems.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"
#include "platform/FileContents.h"
#include "platform/Platform.h"
#include "platform/SkinPictures.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLoad.h"

#include <QCheckBox>
#include <QCoreApplication>

std::string readSkinFile(const QString &path)
{
    return fileContents(path).value_or(QByteArray()).toStdString();
}

QString notASkinMessage()
{
    return QCoreApplication::translate(
        "SkinLoader",
        "Diese LKV Skin-Datei ist entweder defekt oder noch nicht in dem Velmor enthalten. "
        "Es wäre gut wenn du dies per E-mail mir mitteilst und schreibst von welchen "
        "Player diese ist. Dann kann ich viel schneller neue Versionen einprogrammieren.");
}

namespace {

// An element shows the top-left part of its up bitmap at its own size, which the fields
// can make as large as they go; a graphic shows whole or stretched.
QSize shownPart(const LoadedSkin &loaded, const NamedPicture &picture)
{
    if (!picture.element)
        return {};
    const Rect &place = loaded.document.element(*picture.element).geometry;
    return {std::max(place.width, EditorDocument::largestFieldSize),
            std::max(place.height, EditorDocument::largestFieldSize)};
}

} // namespace

class PageLoad::PictureSteps {
public:
    PictureSteps(const LoadedSkin &loaded, Dialogs &dialogs)
        : named_(loaded.pictures), decoded_(decodePictures(loaded,
                                                           [&loaded](const NamedPicture &picture) {
                                                               return shownPart(loaded, picture);
                                                           })),
          dialogs_(dialogs)
    {}

    // Whether the pictures fit the budget; the error box says so when they do not.
    bool fit() const
    {
        if (!decoded_.overBudget.isEmpty())
            dialogs_.error(decoded_.overBudget);
        return decoded_.overBudget.isEmpty();
    }

    // The next picture in the load's order, or nothing after reporting why not.
    const QImage *next()
    {
        const LoadedPicture &picture = decoded_.pictures[next_++];
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
    DecodedPictures decoded_;
    Dialogs &dialogs_;
    std::size_t next_ = 0;
};

PageLoad::PageLoad(EditorDocument &document, PageScenes &scenes, Dialogs &dialogs)
    : document_(document), scenes_(scenes), dialogs_(dialogs)
{}

void PageLoad::begin()
{
    scenes_.lists().setVisible(false);
    for (PictureItem *background : scenes_.backgrounds())
        background->hide();
    scenes_.views().hideAll();
    scenes_.playerView().setVisible(false);
    document_.beginLoad();
}

void PageLoad::accept(LoadedSkin &loaded)
{
    document_.acceptSkin(loaded.document);
    // The elements only 1.5 skins have show their Player view first: it marks them as
    // present for the rest of the load.
    const std::string &version = document_.skin().targetVersion;
    for (const CatalogueEntry &entry : catalogue()) {
        if (existsIn(entry, version) && !existsIn(entry, version14))
            scenes_.views().view(entry, Page::Player)->show();
    }
}

LoadOutcome PageLoad::showPictures(const LoadedSkin &loaded)
{
    PictureSteps pictures(loaded, dialogs_);
    if (!pictures.fit())
        return LoadOutcome::OverBudget;
    if (!showBackgrounds(pictures))
        return LoadOutcome::PictureFailed;
    showLists(loaded);
    const bool shown =
        showPlayerView(pictures) && showTrackLists(pictures) && showElements(loaded, pictures);
    return shown ? LoadOutcome::Loaded : LoadOutcome::PictureFailed;
}

bool PageLoad::showBackgrounds(PictureSteps &pictures)
{
    for (Graphic graphic : pageBackgrounds) {
        const QImage *image = pictures.next();
        if (!image)
            return false;
        document_.setGraphic(graphic, pictures.named().name, *image);
        // A page background takes its bitmap's size once, when the skin opens.
        document_.setBackground(*backgroundPage(graphic), {0, 0, image->width(), image->height()});
    }
    for (PictureItem *background : scenes_.backgrounds())
        background->show();
    return true;
}

void PageLoad::showLists(const LoadedSkin &loaded)
{
    document_.setLists(loaded.document.lists);
    scenes_.lists().fitStrip();
    scenes_.lists().setVisible(true);
}

bool PageLoad::showPlayerView(PictureSteps &pictures)
{
    for (std::size_t piece = 0; piece < scenes_.playerView().pictures.size(); ++piece) {
        const QImage *image = pictures.next();
        if (!image)
            return false;
        const Graphic graphic = *pictures.named().graphic;
        document_.setGraphic(graphic, pictures.named().name, *image);
        if (graphic == Graphic::Stream || graphic == Graphic::Curpos)
            scenes_.picture(graphic)->show();
    }
    scenes_.playerView().transparentBox->setEnabled(true);
    scenes_.playerView().setVisible(true);
    return true;
}

bool PageLoad::showTrackLists(PictureSteps &pictures)
{
    for (int piece = 0; piece < 4; ++piece) {
        const QImage *image = pictures.next();
        if (!image)
            return false;
        document_.setGraphic(*pictures.named().graphic, pictures.named().name, *image);
    }
    return true;
}

// Each element is placed before its picture is loaded, so an element whose bitmap
// fails stands at its new place, hidden, with the state paths of before.
bool PageLoad::showElements(const LoadedSkin &loaded, PictureSteps &pictures)
{
    const std::string &version = loaded.document.targetVersion;
    for (const CatalogueEntry &entry : catalogue()) {
        if (!existsIn(entry, version))
            continue;
        const SkinElement &element = loaded.document.element(entry);
        document_.setElementGeometry(entry, element.geometry);
        if (entry.states != StateSet::None) {
            const QImage *image = pictures.next();
            if (!image)
                return false;
            document_.setUpPicture(entry, *image);
            document_.takeStatePaths(entry, element);
        }
        scenes_.views().show(entry, version);
    }
    return true;
}

LoadOutcome loadPages(const QString &path, EditorDocument &document, PageScenes &scenes,
                      Dialogs &dialogs)
{
    PageLoad load(document, scenes, dialogs);
    load.begin();
    LoadedSkin loaded = loadSkin(path.toStdString(), readSkinFile(path));
    if (!loaded.isSkin()) {
        dialogs.message(notASkinMessage());
        return LoadOutcome::NotASkin;
    }
    load.accept(loaded);
    return load.showPictures(loaded);
}
