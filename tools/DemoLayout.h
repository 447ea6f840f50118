#pragma once

#include "tools/DemoArtwork.h"

#include <QRect>
#include <QSize>

#include <vector>

// Where the demo skins put their elements. Both skins share one layout, laid out
// like the player itself: page and window buttons in a band at the top, the list
// panel across the middle, the page's own buttons in a band below it.

// The element pages of the editor's notebook, without the tabs.
inline constexpr QSize pageSize(993, 477);

struct ElementPlace {
    int number;
    QRect rect;
    ButtonLook look;
};

// Every element of the catalogue, in no particular order. Views of one element
// share their place on every page, so an element shown on several pages is placed
// clear of everything on all of them.
const std::vector<ElementPlace> &elementPlaces();
const ElementPlace &placeOf(int number);

// The list panels of the Schedule and Description pages; the Player list has the
// same place and width but its own height.
inline constexpr QRect listRect(12, 84, 969, 290);
inline constexpr int playerListHeight = 180;

Bands pageBands();
