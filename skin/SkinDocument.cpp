#include "skin/SkinDocument.h"

#include "ini/FileBytes.h"
#include "ini/Windows1252.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr std::array<SkinKey, graphicCount> graphicKeys{{
    {"dlg_main", "bitmap0"},
    {"dlg_main", "bitmap1"},
    {"dlg_main", "bitmap2"},
    {"player_view", "bitmap_left"},
    {"player_view", "bitmap_center"},
    {"player_view", "bitmap_right"},
    {"player_view", "bitmap_stream"},
    {"player_view", "bitmap_valid_start"},
    {"player_view", "bitmap_valid_middle"},
    {"player_view", "bitmap_valid_end"},
    {"player_view", "bitmap_partvalid_start"},
    {"player_view", "bitmap_partvalid_middle"},
    {"player_view", "bitmap_partvalid_end"},
    {"player_view", "bitmap_invalid_start"},
    {"player_view", "bitmap_invalid_middle"},
    {"player_view", "bitmap_invalid_end"},
    {"player_view", "bitmap_curpos"},
    {"schedule_list", "bitmap_hd"},
    {"schedule_list", "bitmap_bg"},
    {"description_list", "bitmap_hd"},
    {"description_list", "bitmap_bg"},
}};

} // namespace

SkinKey graphicKey(Graphic graphic)
{
    return graphicKeys[static_cast<std::size_t>(graphic)];
}

SkinDocument::SkinDocument()
{
    for (const CatalogueEntry &entry : catalogue())
        element(entry).entry = &entry;
}

std::optional<Page> backgroundPage(Graphic graphic)
{
    switch (graphic) {
    case Graphic::PlayerBackground:
        return Page::Player;
    case Graphic::ScheduleBackground:
        return Page::Schedule;
    case Graphic::DescriptionBackground:
        return Page::Description;
    default:
        return std::nullopt;
    }
}

std::int32_t saturatedSum(std::int32_t a, std::int64_t b)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{a} + b, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

Rect viewGeometry(const Rect &wanted)
{
    const auto span = [](std::int32_t start, std::int32_t length) {
        const std::int32_t size = std::clamp(length, 0, maxViewSize);
        return std::pair{std::min(start, std::numeric_limits<std::int32_t>::max() - size), size};
    };
    const auto [left, width] = span(wanted.left, wanted.width);
    const auto [top, height] = span(wanted.top, wanted.height);
    return {left, top, width, height};
}

std::string folderOf(std::string_view path)
{
    const std::size_t cut = path.find_last_of("\\/:");
    return std::string(cut == std::string_view::npos ? std::string_view{}
                                                     : path.substr(0, cut + 1));
}

std::string readableText(const SkinDocument &document)
{
    return decodeWindows1252(joinLines(document.openedText));
}

const Rect &ListGeometry::on(Page page) const
{
    switch (page) {
    case Page::Player:
        return player;
    case Page::Schedule:
        return schedule;
    case Page::Description:
        break;
    }
    return description;
}
