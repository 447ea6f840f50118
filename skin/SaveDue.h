#pragma once

#include "skin/Catalogue.h"

#include <bitset>

// The element sections a save writes. The rest of what the editor owns (the main
// dialog, the player view, the track lists and the skin name) goes out with every
// save, so it needs no entry here. Whoever saves reckons this set; the save only
// reads it.
struct SaveDue {
    std::bitset<elementCount> elements;

    SaveDue &add(const CatalogueEntry &entry)
    {
        elements.set(catalogueIndex(entry));
        return *this;
    }
    bool has(const CatalogueEntry &entry) const { return elements.test(catalogueIndex(entry)); }
    bool operator==(const SaveDue &) const = default;
};
