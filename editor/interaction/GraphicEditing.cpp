#include "editor/interaction/GraphicEditing.h"

#include "editor/document/EditorDocument.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"

#include <QCheckBox>

GraphicEditing::GraphicEditing(const Workspace &workspace) : workspace_(workspace)
{
    for (std::size_t i = 0; i < graphicCount; ++i) {
        const auto graphic = static_cast<Graphic>(i);
        PictureItem *picture = workspace_.scenes.picture(graphic);
        QObject::connect(picture, &PictureItem::clicked, picture,
                         [this, graphic] { click(graphic); });
        QObject::connect(picture, &PictureItem::doubleClicked, picture,
                         [this, graphic] { choose(graphic); });
    }
    connectMenuMirrors();
    PictureItem *curpos = workspace_.scenes.picture(Graphic::Curpos);
    QObject::connect(workspace_.scenes.playerView().transparentBox, &QCheckBox::toggled, curpos,
                     &PictureItem::setTransparent);
}

// The menu pieces inside the Player list only point to where they are edited.
void GraphicEditing::connectMenuMirrors() const
{
    EditorDocument *document = &workspace_.document;
    for (Graphic graphic : {Graphic::MenuLeft, Graphic::MenuCenter, Graphic::MenuRight}) {
        PictureItem *mirror = workspace_.scenes.mirror(graphic);
        QObject::connect(mirror, &PictureItem::clicked, mirror, [document, graphic] {
            document->clickPicture(PointedPicture::copyOf(graphic));
        });
    }
}

void GraphicEditing::click(Graphic graphic) const
{
    if (const std::optional<Page> page = backgroundPage(graphic))
        selectBackground(*page);
    else
        workspace_.document.clickPicture(PointedPicture::of(graphic));
}

// The picture is loaded before its path is kept, so a file that is no bitmap
// leaves the graphic as it was.
void GraphicEditing::choose(Graphic graphic) const
{
    const QString path = workspace_.choosePicture();
    if (!path.isEmpty())
        chooseFile(graphic, path);
}

void GraphicEditing::chooseFile(Graphic graphic, const QString &path) const
{
    const std::optional<QImage> image = workspace_.readPicture(path);
    if (!image)
        return;
    workspace_.document.chooseGraphic(graphic, path.toStdString(), *image);
    workspace_.document.namePicture(PointedPicture::of(graphic));
}

void GraphicEditing::selectBackground(Page page) const
{
    workspace_.document.select(Selection::backgroundOf(page));
}
