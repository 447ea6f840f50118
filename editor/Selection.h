#pragma once

#include "skin/Catalogue.h"

// The one selected item of the workspace: selecting an item ends every other
// selection, so a single value holds all the marks.
struct Selection {
    enum class Kind { None, Element, Background, PlayerList, TrackLists };

    Kind kind = Kind::None;
    const CatalogueEntry *element = nullptr; // with Kind::Element
    Page background = Page::Player;          // with Kind::Background

    bool isElement(const CatalogueEntry &entry) const
    {
        return kind == Kind::Element && element == &entry;
    }
};
