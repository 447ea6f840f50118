#pragma once

#include "skin/Catalogue.h"

#include <bitset>

// What an edit makes due for the next save: the sections of the elements it touched,
// the skin as a whole (Save enabled), or only a replaced graphic, which Save As and
// the close prompt count but which does not enable Save.
struct EditMarks {
    std::bitset<elementCount> elements;
    bool skin = false;
    bool graphics = false;

    static EditMarks ofElement(const CatalogueEntry &entry)
    {
        EditMarks marks;
        marks.elements.set(catalogueIndex(entry));
        marks.skin = true;
        return marks;
    }
    static EditMarks ofSkin()
    {
        EditMarks marks;
        marks.skin = true;
        return marks;
    }
    static EditMarks ofGraphics()
    {
        EditMarks marks;
        marks.graphics = true;
        return marks;
    }

    EditMarks &operator|=(const EditMarks &other)
    {
        elements |= other.elements;
        skin = skin || other.skin;
        graphics = graphics || other.graphics;
        return *this;
    }
    bool operator==(const EditMarks &) const = default;
};
