#pragma once

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

// The one selected item of the workspace: selecting an item ends every other
// selection, so a single value holds all the marks.
struct Selection {
    enum class Kind { None, Element, Background, PlayerList, TrackLists };

    Kind kind = Kind::None;
    const CatalogueEntry *element = nullptr; // with Kind::Element
    Page background = Page::Player;          // with Kind::Background

    static Selection of(const CatalogueEntry &entry) { return {Kind::Element, &entry}; }
    static Selection backgroundOf(Page page) { return {Kind::Background, nullptr, page}; }

    bool isElement(const CatalogueEntry &entry) const
    {
        return kind == Kind::Element && element == &entry;
    }
    bool isList() const { return kind == Kind::PlayerList || kind == Kind::TrackLists; }
    bool operator==(const Selection &other) const
    {
        return kind == other.kind && (kind != Kind::Element || element == other.element) &&
               (kind != Kind::Background || background == other.background);
    }
};

// The four numbers the size and position fields edit.
enum class Edge { Left, Top, Width, Height };

inline std::int32_t &edgeOf(Rect &rect, Edge edge)
{
    switch (edge) {
    case Edge::Left:
        return rect.left;
    case Edge::Top:
        return rect.top;
    case Edge::Width:
        return rect.width;
    case Edge::Height:
        break;
    }
    return rect.height;
}

inline std::int32_t edgeOf(const Rect &rect, Edge edge)
{
    Rect copy = rect;
    return edgeOf(copy, edge);
}
