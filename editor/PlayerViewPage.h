#pragma once

#include "skin/SkinDocument.h"

#include <array>

class PictureLabel;
class QCheckBox;
class QWidget;

// The "Player-Sicht" page: the pieces of the player's wave-form view, the stream
// picture and the current-position marker.
struct PlayerViewPage {
    // By Graphic, from MenuLeft to Curpos; the other graphics are not on this page.
    std::array<PictureLabel *, 14> pictures{};
    QCheckBox *Transparent1 = nullptr;

    static PlayerViewPage create(QWidget &page);

    PictureLabel *picture(Graphic graphic) const;
    void setVisible(bool visible) const;
};
