#pragma once

#include "skin/SkinDocument.h"

#include <QCoreApplication>

#include <array>

class PictureLabel;
class QCheckBox;
class QLabel;
class QWidget;

// The "Player-Sicht" page: the pieces of the player's wave-form view, the stream
// picture and the current-position marker.
struct PlayerViewPage {
    Q_DECLARE_TR_FUNCTIONS(PlayerViewPage)

public:
    // By Graphic, from MenuLeft to Curpos; the other graphics are not on this page.
    std::array<PictureLabel *, 14> pictures{};
    QCheckBox *Transparent1 = nullptr;
    std::array<QLabel *, 6> captions{}; // above the framed pictures

    static PlayerViewPage create(QWidget &page);
    // Sets every text again in the language now installed.
    void retranslate() const;

    PictureLabel *picture(Graphic graphic) const;
    void setVisible(bool visible) const;
};
