#include "editor/GraphicEditing.h"

#include "editor/EditingPanel.h"
#include "editor/NumberField.h"
#include "editor/PictureLabel.h"
#include "editor/Selection.h"
#include "editor/SkinPages.h"
#include "platform/Platform.h"
#include "skin/SkinDocument.h"

#include <QCheckBox>
#include <QLineEdit>

GraphicEditing::GraphicEditing(const Workspace &workspace) : workspace_(workspace)
{
    for (std::size_t i = 0; i < graphicCount; ++i) {
        const auto graphic = static_cast<Graphic>(i);
        PictureLabel *picture = workspace_.pages.picture(graphic);
        QObject::connect(picture, &PictureLabel::clicked, picture,
                         [this, graphic] { click(graphic); });
        QObject::connect(picture, &PictureLabel::doubleClicked, picture,
                         [this, graphic] { choose(graphic); });
    }
    connectMenuMirrors();
    PictureLabel *curpos = workspace_.pages.picture(Graphic::Curpos);
    QObject::connect(workspace_.pages.playerView.Transparent1, &QCheckBox::toggled, curpos,
                     &PictureLabel::setTransparent);
}

// The menu pieces inside the Player list only point to where they are edited.
void GraphicEditing::connectMenuMirrors() const
{
    QLineEdit *edit1 = workspace_.panel.edit1;
    for (Graphic graphic : {Graphic::MenuLeft, Graphic::MenuCenter, Graphic::MenuRight}) {
        QObject::connect(workspace_.pages.mirror(graphic), &PictureLabel::clicked, edit1, [edit1] {
            edit1->setText(QStringLiteral("Änderungen unter Kategorie Player-Sicht"));
        });
    }
}

void GraphicEditing::click(Graphic graphic) const
{
    if (const std::optional<Page> page = backgroundPage(graphic)) {
        selectBackground(*page);
        return;
    }
    const EditingPanel &panel = workspace_.panel;
    workspace_.showFileName(workspace_.document.graphicPath(graphic));
    if (graphic == Graphic::Stream || graphic == Graphic::Curpos) {
        // The fields show zeros; ending the selection first keeps them from
        // collapsing whatever was selected.
        workspace_.selection = {};
        for (NumberField *field : {panel.grossX, panel.grossY, panel.PositionX, panel.PositionY})
            field->assign(0);
    }
}

// The picture is loaded before its path is kept, so a file that is no bitmap
// leaves the graphic as it was.
void GraphicEditing::choose(Graphic graphic) const
{
    const QString path = workspace_.dialogs.openPicture();
    if (path.isEmpty())
        return;
    const std::optional<QImage> image = workspace_.readPicture(path);
    if (!image)
        return;
    workspace_.pages.picture(graphic)->setPicture(*image);
    if (PictureLabel *mirror = workspace_.pages.mirror(graphic))
        mirror->setPicture(*image);
    std::string &graphicPath = workspace_.document.graphicPath(graphic);
    graphicPath = path.toStdString();
    workspace_.document.graphicsChanged = true;
    workspace_.showFileName(graphicPath);
}

void GraphicEditing::selectBackground(Page page) const
{
    workspace_.selection = {Selection::Kind::Background, nullptr, page};
    workspace_.panel.statePreviews[static_cast<std::size_t>(StateBitmap::Da)]->hide();
    const PictureLabel *background = workspace_.pages.background(page);
    workspace_.panel.grossX->assign(background->width());
    workspace_.panel.grossY->assign(background->height());
}
