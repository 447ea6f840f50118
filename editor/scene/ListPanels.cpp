#include "editor/scene/ListPanels.h"

#include "editor/scene/FrameItems.h"
#include "editor/scene/PictureItem.h"

#include <QGraphicsScene>

namespace {

constexpr int stripWidth = 353;
constexpr int menuLeftWidth = 49;
constexpr int menuRightWidth = 65;
// Above any element view, however often one was brought to the front.
constexpr double listLayer = 1e15;

FrameItem *createPanel(const char *name, bool sunken, int bevel, QGraphicsScene &page)
{
    auto *panel =
        new FrameItem(QString::fromLatin1(name), FrameItem::Shape::Panel, sunken, bevel, true);
    panel->setZValue(listLayer);
    panel->hide();
    page.addItem(panel);
    return panel;
}

PictureItem *createStretched(const char *name, QGraphicsItem *strip)
{
    return new PictureItem(QString::fromLatin1(name), PictureItem::Drawing::Stretched, strip);
}

PictureItem *createTileGroup(const char *pictureName, int top, QGraphicsItem *panel)
{
    auto *group = new GroupItem(panel);
    group->setGeometry({8, top, 177, 89});
    auto *picture = new PictureItem(QString::fromLatin1(pictureName),
                                    PictureItem::Drawing::FollowsBitmap, group);
    picture->setPos(8, 16);
    return picture;
}

// A track list: its header strip above its tiled background, each in a group.
FrameItem *createTilePanel(const char *name, QGraphicsScene &page, const char *headerName,
                           const char *tileName, PictureItem *&header, PictureItem *&tile)
{
    FrameItem *panel = createPanel(name, true, 2, page);
    header = createTileGroup(headerName, 8, panel);
    tile = createTileGroup(tileName, 104, panel);
    return panel;
}

GroupItem *groupOf(const PictureItem *picture)
{
    return static_cast<GroupItem *>(picture->parentObject());
}

} // namespace

ListPanels ListPanels::create(QGraphicsScene &playerPage, QGraphicsScene &schedulePage,
                              QGraphicsScene &descriptionPage)
{
    ListPanels lists;
    lists.playerFrame = createPanel("ListPlayer", false, 1, playerPage);
    lists.playerStrip = new FrameItem(QStringLiteral("ListPlayer1"), FrameItem::Shape::None, false,
                                      0, false, lists.playerFrame);
    lists.playerStrip->setGeometry({1, 1, stripWidth, 0});
    lists.stripLeft = createStretched("Image1", lists.playerStrip);
    lists.stripCentre = createStretched("Image2", lists.playerStrip);
    lists.stripRight = createStretched("Image3", lists.playerStrip);
    lists.fitStrip();

    lists.scheduleFrame = createTilePanel("ListSchedule", schedulePage, "Listheader2", "List2",
                                          lists.scheduleHeader, lists.scheduleList);
    lists.descriptionFrame =
        createTilePanel("ListDescription", descriptionPage, "Listheader3h", "List3h",
                        lists.descriptionHeader, lists.descriptionList);
    lists.retranslate();
    return lists;
}

void ListPanels::retranslate() const
{
    for (const PictureItem *header : {scheduleHeader, descriptionHeader})
        groupOf(header)->setTitle(tr("Obere Leiste"));
    for (const PictureItem *tile : {scheduleList, descriptionList})
        groupOf(tile)->setTitle(tr("Gekachelter Hintergrund"));
}

void ListPanels::place(const ListGeometry &geometry) const
{
    playerFrame->place(geometry.player);
    scheduleFrame->place(geometry.schedule);
    descriptionFrame->place(geometry.description);
}

// The left and right menu pieces keep their widths; the centre takes the rest.
void ListPanels::fitStrip() const
{
    const int height = playerFrame->height();
    playerStrip->resize({stripWidth, height});
    const int centre = stripWidth - menuLeftWidth - menuRightWidth;
    stripLeft->setGeometry({0, 0, menuLeftWidth, height});
    stripCentre->setGeometry({menuLeftWidth, 0, centre, height});
    stripRight->setGeometry({menuLeftWidth + centre, 0, menuRightWidth, height});
}

void ListPanels::setVisible(bool visible) const
{
    for (FrameItem *panel : {playerFrame, scheduleFrame, descriptionFrame})
        panel->setVisible(visible);
}

FrameItem *ListPanels::panel(Page page) const
{
    switch (page) {
    case Page::Player:
        return playerFrame;
    case Page::Schedule:
        return scheduleFrame;
    case Page::Description:
        break;
    }
    return descriptionFrame;
}
