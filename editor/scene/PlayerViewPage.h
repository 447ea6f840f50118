#pragma once

#include "skin/SkinDocument.h"

#include <QCoreApplication>

#include <array>

class PictureItem;
class QCheckBox;
class QGraphicsScene;
class TextItem;

// The "Player-Sicht" page: the pieces of the player's wave-form view, the stream
// picture and the current-position marker.
struct PlayerViewPage {
    Q_DECLARE_TR_FUNCTIONS(PlayerViewPage)

public:
    // By Graphic, from MenuLeft to Curpos; the other graphics are not on this page.
    std::array<PictureItem *, 14> pictures{};
    QCheckBox *transparentBox = nullptr;  // a real control, standing on the page
    std::array<TextItem *, 6> captions{}; // above the framed pictures

    static PlayerViewPage create(QGraphicsScene &page);
    // Sets every text again in the language now installed.
    void retranslate() const;

    PictureItem *picture(Graphic graphic) const;
    void setVisible(bool visible) const;
};
