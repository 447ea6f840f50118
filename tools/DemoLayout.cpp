#include "tools/DemoLayout.h"

#include <stdexcept>

namespace {

ButtonLook text(const char *caption)
{
    return {QString::fromUtf8(caption), Glyph::None, Face::Button};
}

ButtonLook glyph(Glyph shape, const char *caption = "")
{
    return {QString::fromUtf8(caption), shape, Face::Button};
}

// Rows of the top band (all pages).
constexpr int row1 = 8;
constexpr int row2 = 44;
// Rows of the Player page below its shorter list.
constexpr int rowA = 282;
constexpr int rowB = 320;
// The bottom row of every page, below the Schedule and Description lists.
constexpr int rowBottom = 414;
constexpr int h = 28;

std::vector<ElementPlace> makePlaces()
{
    return {
        // Top band, first row: page switches, the stream choice, window buttons.
        {5, {12, row1, 104, h}, text("Schedule")},
        {7, {120, row1, 104, h}, text("Player")},
        {8, {228, row1, 104, h}, text("Description")},
        {25, {348, row1 + 2, 260, 24}, {}},
        {24, {612, row1, 28, h}, glyph(Glyph::Pencil)},
        {11, {700, row1, 64, h}, text("Skin")},
        {12, {768, row1, 76, h}, text("Optionen")},
        {22, {848, row1, 56, h}, text("Info")},
        {10, {920, row1, 28, h}, glyph(Glyph::Minimize)},
        {9, {952, row1, 28, h}, glyph(Glyph::Close)},

        // Top band, second row: stream tools, the free slots, recording.
        {14, {12, row2, 80, h}, text("Import")},
        {17, {96, row2, 80, h}, text("Export")},
        {18, {180, row2, 80, h}, text("Upload")},
        {21, {276, row2, 56, h}, text("Frei 1")},
        {23, {336, row2, 56, h}, text("Frei 2")},
        {13, {396, row2, 56, h}, text("Frei 3")},
        {131, {468, row2, 84, h}, text("Assistent")},
        {132, {556, row2, 84, h}, glyph(Glyph::Down, "Playlist")},
        {19, {800, row2 + 2, 72, 24}, {QStringLiteral("REC"), Glyph::None, Face::Indicator}},
        {20, {876, row2, 104, h}, glyph(Glyph::Record, "Aufnahme")},

        // Player page, below the wave-form list: zoom and stream handling.
        {32, {12, rowA, 60, h}, text("5 Min")},
        {33, {76, rowA, 60, h}, text("1 Std")},
        {34, {140, rowA, 60, h}, text("1 Tag")},
        {35, {204, rowA, 32, h}, glyph(Glyph::ZoomIn)},
        {36, {240, rowA, 32, h}, glyph(Glyph::ZoomOut)},
        {37, {292, rowA, 112, h}, text("Stille suchen")},
        {31, {408, rowA, 100, h}, glyph(Glyph::Play, "Ein Titel")},
        {15, {760, rowA, 108, h}, text("Stream löschen")},
        {16, {872, rowA, 108, h}, text("Aktualisieren")},

        // Player page: the start and end marks, in pairs.
        {38, {12, rowB, 76, h}, text("[ Beschr.")},
        {39, {92, rowB, 76, h}, text("Beschr. ]")},
        {40, {180, rowB, 76, h}, text("[ Ändern")},
        {41, {260, rowB, 76, h}, text("Ändern ]")},
        {42, {348, rowB, 76, h}, text("[ Stille")},
        {43, {428, rowB, 76, h}, text("Stille ]")},
        {44, {516, rowB, 76, h}, text("[ Löschen")},
        {45, {596, rowB, 76, h}, text("Löschen ]")},

        // Bottom row: transport on every page, then the page's own buttons. The
        // Schedule and the description buttons share places, being never on one page.
        {29, {12, rowBottom - 6, 48, 40}, glyph(Glyph::Play)},
        {30, {64, rowBottom - 6, 48, 40}, glyph(Glyph::Stop)},
        {26, {132, rowBottom, 100, h}, text("Neu")},
        {27, {236, rowBottom, 100, h}, text("Ändern")},
        {28, {340, rowBottom, 100, h}, text("Löschen")},
        {46, {132, rowBottom, 100, h}, text("Bearbeiten")},
        {47, {236, rowBottom, 100, h}, text("Entfernen")},
        {48, {340, rowBottom, 120, h}, text("Invers entf.")},
        {49, {860, rowBottom, 120, h}, glyph(Glyph::Globe, "Im Web")},
        {50, {860, rowBottom, 120, h}, glyph(Glyph::Globe, "Im Web")},
        {51, {860, rowBottom, 120, h}, glyph(Glyph::Globe, "Im Web")},
    };
}

} // namespace

const std::vector<ElementPlace> &elementPlaces()
{
    static const std::vector<ElementPlace> places = makePlaces();
    return places;
}

const ElementPlace &placeOf(int number)
{
    for (const ElementPlace &place : elementPlaces()) {
        if (place.number == number)
            return place;
    }
    throw std::logic_error("element without a place in the demo layout");
}

Bands pageBands()
{
    Bands bands{};
    bands.topBottom = listRect.top() - 4;
    bands.lowerTop[static_cast<int>(Page::Player)] = listRect.top() + playerListHeight + 8;
    bands.lowerTop[static_cast<int>(Page::Schedule)] = listRect.bottom() + 1 + 8;
    bands.lowerTop[static_cast<int>(Page::Description)] = listRect.bottom() + 1 + 8;
    return bands;
}
