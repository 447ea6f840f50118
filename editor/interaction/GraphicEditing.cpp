#include "editor/interaction/GraphicEditing.h"

#include "editor/controls/EditingPanel.h"
#include "editor/controls/GeometryFields.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"

#include <QCheckBox>
#include <QLineEdit>

GraphicEditing::GraphicEditing(const Workspace &workspace, const GeometryFields &fields)
    : workspace_(workspace), fields_(fields)
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
    const EditingPanel *panel = &workspace_.panel;
    for (Graphic graphic : {Graphic::MenuLeft, Graphic::MenuCenter, Graphic::MenuRight}) {
        QObject::connect(
            workspace_.scenes.mirror(graphic), &PictureItem::clicked, panel->pictureName, [panel] {
                panel->showHint(
                    QT_TRANSLATE_NOOP("EditingPanel", "Änderungen unter Kategorie Player-Sicht"));
            });
    }
}

void GraphicEditing::click(Graphic graphic) const
{
    if (const std::optional<Page> page = backgroundPage(graphic)) {
        selectBackground(*page);
        return;
    }
    // The fields show zeros; ending the selection first keeps them from collapsing
    // whatever was selected, and leaves the file name standing.
    const bool endsSelection = graphic == Graphic::Stream || graphic == Graphic::Curpos;
    if (endsSelection)
        workspace_.document.select({});
    const SkinDocument &skin = workspace_.document.skin();
    workspace_.showFileName(skin.graphicPaths[static_cast<std::size_t>(graphic)]);
    if (endsSelection)
        fields_.show({});
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
    workspace_.showFileName(path.toStdString());
}

void GraphicEditing::selectBackground(Page page) const
{
    workspace_.document.select(Selection::backgroundOf(page));
}
