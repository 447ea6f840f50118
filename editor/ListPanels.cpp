#include "editor/ListPanels.h"

#include "editor/PictureLabel.h"
#include "editor/ViewGeometry.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>

namespace {

constexpr int stripWidth = 353;

QFrame *createPanel(const char *name, QFrame::Shadow shadow, int bevel, QWidget &page)
{
    auto *panel = new QFrame(&page);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(bevel);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

PictureLabel *createStretched(const char *name, QWidget *strip, int width, QHBoxLayout *row)
{
    auto *piece =
        new PictureLabel(QString::fromLatin1(name), PictureLabel::Drawing::Stretched, strip);
    if (width > 0)
        piece->setFixedWidth(width);
    piece->setMinimumWidth(0);
    piece->setSizePolicy(width > 0 ? QSizePolicy::Fixed : QSizePolicy::Ignored,
                         QSizePolicy::Ignored);
    row->addWidget(piece);
    return piece;
}

PictureLabel *createTileGroup(const char *pictureName, int top, QWidget *panel)
{
    auto *group = new QGroupBox(panel);
    group->setGeometry(8, top, 177, 89);
    // Only the panel's own surface takes hold of the list.
    group->setAttribute(Qt::WA_NoMousePropagation);
    auto *picture = new PictureLabel(QString::fromLatin1(pictureName),
                                     PictureLabel::Drawing::FollowsBitmap, group);
    picture->move(8, 16);
    return picture;
}

// A track list: its header strip above its tiled background, each in a group.
QFrame *createTilePanel(const char *name, QWidget &page, const char *headerName,
                        const char *tileName, PictureLabel *&header, PictureLabel *&tile)
{
    QFrame *panel = createPanel(name, QFrame::Sunken, 2, page);
    header = createTileGroup(headerName, 8, panel);
    tile = createTileGroup(tileName, 104, panel);
    return panel;
}

QGroupBox *groupOf(const PictureLabel *picture)
{
    return static_cast<QGroupBox *>(picture->parentWidget());
}

} // namespace

ListPanels ListPanels::create(QWidget &playerPage, QWidget &schedulePage, QWidget &descriptionPage)
{
    ListPanels lists;
    lists.ListPlayer = createPanel("ListPlayer", QFrame::Raised, 1, playerPage);
    lists.ListPlayer1 = new QFrame(lists.ListPlayer);
    lists.ListPlayer1->setObjectName(QStringLiteral("ListPlayer1"));
    lists.ListPlayer1->setGeometry(1, 1, stripWidth, 0);
    lists.ListPlayer1->setAttribute(Qt::WA_NoMousePropagation);
    auto *row = new QHBoxLayout(lists.ListPlayer1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    lists.Image1 = createStretched("Image1", lists.ListPlayer1, 49, row);
    lists.Image2 = createStretched("Image2", lists.ListPlayer1, 0, row);
    lists.Image3 = createStretched("Image3", lists.ListPlayer1, 65, row);

    lists.ListSchedule = createTilePanel("ListSchedule", schedulePage, "Listheader2", "List2",
                                         lists.Listheader2, lists.List2);
    lists.ListDescription = createTilePanel("ListDescription", descriptionPage, "Listheader3h",
                                            "List3h", lists.Listheader3h, lists.List3h);
    lists.retranslate();
    return lists;
}

void ListPanels::retranslate() const
{
    for (const PictureLabel *header : {Listheader2, Listheader3h})
        groupOf(header)->setTitle(tr("Obere Leiste"));
    for (const PictureLabel *tile : {List2, List3h})
        groupOf(tile)->setTitle(tr("Gekachelter Hintergrund"));
}

void ListPanels::place(const ListGeometry &geometry) const
{
    placeView(*ListPlayer, geometry.player);
    placeView(*ListSchedule, geometry.schedule);
    placeView(*ListDescription, geometry.description);
}

void ListPanels::fitStrip() const
{
    ListPlayer1->resize(stripWidth, ListPlayer->height());
}

void ListPanels::setVisible(bool visible) const
{
    for (QFrame *panel : {ListPlayer, ListSchedule, ListDescription})
        panel->setVisible(visible);
}

void ListPanels::raise() const
{
    for (QFrame *panel : {ListPlayer, ListSchedule, ListDescription})
        panel->raise();
}
