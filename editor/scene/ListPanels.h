#pragma once

#include "skin/SkinDocument.h"

#include <QCoreApplication>

class FrameItem;
class GroupItem;
class PageItem;
class PictureItem;
class QGraphicsScene;

// The panels that stand for the player's track lists. The Player list shows the
// menu view strip; the Schedule and Description lists show their header and tile.
// The panels stand above every element view of their page.
struct ListPanels {
    Q_DECLARE_TR_FUNCTIONS(ListPanels)

public:
    FrameItem *playerFrame = nullptr;
    FrameItem *playerStrip = nullptr; // the strip inside the Player list
    PictureItem *stripLeft = nullptr;
    PictureItem *stripCentre = nullptr;
    PictureItem *stripRight = nullptr;
    FrameItem *scheduleFrame = nullptr;
    PictureItem *scheduleHeader = nullptr;
    PictureItem *scheduleList = nullptr;
    FrameItem *descriptionFrame = nullptr;
    PictureItem *descriptionHeader = nullptr;
    PictureItem *descriptionList = nullptr;

    static ListPanels create(QGraphicsScene &playerPage, QGraphicsScene &schedulePage,
                             QGraphicsScene &descriptionPage);
    // Sets the group titles again in the language now installed.
    void retranslate() const;

    void place(const ListGeometry &geometry) const;
    // The strip inside the Player list takes the list's height when a skin opens,
    // and keeps it when the list is resized later.
    void fitStrip() const;
    void setVisible(bool visible) const;
    // The panel on the page, by Page.
    FrameItem *panel(Page page) const;
};
