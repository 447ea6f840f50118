#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The fixed table of the skin elements the editor shows, moves and resizes. Loading
// and saving visit the elements in the order of this table.

enum class Page : std::uint8_t { Player, Schedule, Description };
inline constexpr std::array<Page, 3> allPages{Page::Player, Page::Schedule, Page::Description};

enum class ElementKind : std::uint8_t { Button, LabelWithStates, StreamCombo };

enum class StateBitmap : std::uint8_t { Up, Do, Mo, Da };
inline constexpr std::array<StateBitmap, 4> allStates{StateBitmap::Up, StateBitmap::Do,
                                                      StateBitmap::Mo, StateBitmap::Da};

// The skin key of one state: "bitmap_up", "bitmap_do", "bitmap_mo", "bitmap_da".
std::string_view stateKey(StateBitmap state);

// How many states an element has: none (the stream combo), three or four.
enum class StateSet : std::uint8_t { None = 0, Three = 3, Four = 4 };

// What the player version changes about an element's views.
enum class VersionRule : std::uint8_t {
    Always,
    OnlyFor15,         // the element exists in 1.5 skins only
    ScheduleViewFor15, // its Schedule view is shown for 1.5 skins only
    NeverShown,        // placed and filled, never shown
};

// What sets a few elements apart in the editor.
enum class ElementTrait : std::uint8_t {
    None,
    SwitchesWindows, // switches the player's pages and windows
    KeepsSize,       // keeps the skin's size whatever bitmap it shows
};

struct CatalogueEntry {
    int number;
    std::string_view numberText; // as in view names: "05", "131"
    std::string_view section;
    std::uint8_t pages; // bit set of Page
    ElementKind kind;
    StateSet states;
    VersionRule rule;
    ElementTrait trait = ElementTrait::None;

    bool hasView(Page page) const { return pages & (1u << static_cast<unsigned>(page)); }
    // The Player view when there is one, else the element's only view.
    Page referencePage() const;
    bool hasState(StateBitmap state) const
    {
        return static_cast<int>(state) < static_cast<int>(states);
    }
};

// The element is part of a skin for that player version at all; the save writes it
// and the load reads it only then.
bool existsIn(const CatalogueEntry &entry, std::string_view targetVersion);
// The element has a view on the page and shows it for a skin of that version.
bool visibleOn(const CatalogueEntry &entry, Page page, std::string_view targetVersion);
// A new bitmap leaves the element's size as the skin gives it.
bool keepsSizeForNewBitmap(const CatalogueEntry &entry);

// Which hint a press on the element gives: how many bitmaps there are to choose from,
// and for the buttons that switch the player's pages and windows a wording of their own.
enum class HintKind : std::uint8_t { None, ChooseOfThreeWindowButton, ChooseOfThree, ChooseOfFour };
HintKind hintKind(const CatalogueEntry &entry);

inline constexpr std::size_t elementCount = 48;

std::span<const CatalogueEntry, elementCount> catalogue();
const CatalogueEntry *findElement(int number);
// Section names match with ASCII letters folded.
const CatalogueEntry *findElementBySection(std::string_view section);
// Position of the entry in the table; loading and saving index their records by it.
std::size_t catalogueIndex(const CatalogueEntry &entry);

// Every section a skin must hold, in the order the skin test checks them.
extern const std::array<std::string_view, 50> requiredSections;
// The two sections whose presence makes a skin one for the 1.5 player.
extern const std::array<std::string_view, 2> version15Sections;
