#pragma once

#include "editor/ElementViews.h"
#include "editor/ListPanels.h"
#include "editor/PlayerViewPage.h"

class QTabWidget;

// The notebook with the mock-up of the player: three element pages, each with its
// background, element views and list panel, and the "Player-Sicht" page.
struct SkinPages {
    QTabWidget *Notebook = nullptr;
    std::array<QWidget *, 3> pages{};            // by Page
    std::array<PictureLabel *, 3> backgrounds{}; // ImageP, ImageS, ImageD, by Page
    ElementViews views;
    ListPanels lists;
    PlayerViewPage playerView;

    static SkinPages create(QWidget &client);

    PictureLabel *background(Page page) const { return backgrounds[static_cast<int>(page)]; }
    // The picture that shows the graphic; the menu pieces also have a mirror on the
    // Player page, given by mirror().
    PictureLabel *picture(Graphic graphic) const;
    PictureLabel *mirror(Graphic graphic) const;
    // Keeps the list panel of each page above every element view of it.
    void restack() const;
    // Sets every text of the notebook again in the language now installed.
    void retranslate() const;
};
