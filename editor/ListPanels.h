#pragma once

#include "skin/SkinDocument.h"

#include <QCoreApplication>

class PictureLabel;
class QFrame;
class QWidget;

// The panels that stand for the player's track lists. The Player list shows the
// menu view strip; the Schedule and Description lists show their header and tile.
struct ListPanels {
    Q_DECLARE_TR_FUNCTIONS(ListPanels)

public:
    QFrame *ListPlayer = nullptr;
    QFrame *ListPlayer1 = nullptr; // the strip inside the Player list
    PictureLabel *Image1 = nullptr;
    PictureLabel *Image2 = nullptr;
    PictureLabel *Image3 = nullptr;
    QFrame *ListSchedule = nullptr;
    PictureLabel *Listheader2 = nullptr;
    PictureLabel *List2 = nullptr;
    QFrame *ListDescription = nullptr;
    PictureLabel *Listheader3h = nullptr;
    PictureLabel *List3h = nullptr;

    static ListPanels create(QWidget &playerPage, QWidget &schedulePage, QWidget &descriptionPage);
    // Sets the group titles again in the language now installed.
    void retranslate() const;

    void place(const ListGeometry &geometry) const;
    // The strip inside the Player list takes the list's height when a skin opens,
    // and keeps it when the list is resized later.
    void fitStrip() const;
    void setVisible(bool visible) const;
    void raise() const;
};
