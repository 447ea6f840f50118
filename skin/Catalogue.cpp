#include "skin/Catalogue.h"

#include "ini/TextRules.h"
#include "skin/SkinFormat.h"

namespace {

constexpr std::uint8_t P = 1u << static_cast<unsigned>(Page::Player);
constexpr std::uint8_t S = 1u << static_cast<unsigned>(Page::Schedule);
constexpr std::uint8_t D = 1u << static_cast<unsigned>(Page::Description);

constexpr ElementKind Btn = ElementKind::Button;
constexpr StateSet Three = StateSet::Three;
constexpr StateSet Four = StateSet::Four;
constexpr VersionRule Always = VersionRule::Always;
constexpr ElementTrait Switches = ElementTrait::SwitchesWindows;

constexpr std::array<CatalogueEntry, elementCount> entries{{
    {5, "05", "btn_schedule", P | S | D, Btn, Three, Always, Switches},
    {7, "07", "btn_player", P | S | D, Btn, Three, Always, Switches},
    {8, "08", "btn_description", P | S | D, Btn, Three, Always, Switches},
    {9, "09", "btn_exit", P | S | D, Btn, Three, Always, Switches},
    {10, "10", "btn_minimize", P | S | D, Btn, Three, Always, Switches},
    {11, "11", "btn_skin", P | S | D, Btn, Three, Always, Switches},
    {12, "12", "btn_options", P | S | D, Btn, Three, Always, Switches},
    {13, "13", "btn_dummy3", P | S | D, Btn, Four, Always},
    {131, "131", "btn_wizard", P | S | D, Btn, Three, VersionRule::OnlyFor15},
    {132, "132", "btn_playlistdown", P | S | D, Btn, Three, VersionRule::OnlyFor15},
    {14, "14", "btn_import_desc", P | S | D, Btn, Four, VersionRule::ScheduleViewFor15},
    {15, "15", "btn_del_stream", P, Btn, Three, Always},
    {16, "16", "btn_refresh", P, Btn, Four, VersionRule::NeverShown},
    {17, "17", "btn_export", P | S | D, Btn, Three, Always},
    {18, "18", "btn_upload", P | S | D, Btn, Three, Always},
    {19, "19", "lbl_recording", P | S | D, ElementKind::LabelWithStates, Three, Always},
    {20, "20", "btn_recording", P | S | D, Btn, Three, Always},
    {21, "21", "btn_dummy1", P | S | D, Btn, Three, Always},
    {22, "22", "btn_about", P | S | D, Btn, Three, Always},
    {23, "23", "btn_dummy2", P | S | D, Btn, Three, Always},
    {24, "24", "btn_edit_stream", P | S | D, Btn, Four, Always},
    {25, "25", "c_combo_streams", P | S | D, ElementKind::StreamCombo, StateSet::None, Always},
    {26, "26", "btn_schedule_create", S, Btn, Four, Always},
    {27, "27", "btn_schedule_modify", S, Btn, Four, Always},
    {28, "28", "btn_schedule_delete", S, Btn, Four, Always},
    {29, "29", "btn_play", P | S | D, Btn, Four, VersionRule::ScheduleViewFor15},
    {30, "30", "btn_stop", P | S | D, Btn, Four, VersionRule::ScheduleViewFor15},
    {31, "31", "btn_play1Track", P, Btn, Four, Always},
    {32, "32", "btn_zoom_5min", P, Btn, Four, Always},
    {33, "33", "btn_zoom_1h", P, Btn, Four, Always},
    {34, "34", "btn_zoom_1d", P, Btn, Four, Always},
    {35, "35", "btn_zoom_in", P, Btn, Four, Always},
    {36, "36", "btn_zoom_out", P, Btn, Four, Always},
    {37, "37", "btn_silence_det", P, Btn, Four, Always},
    {38, "38", "btn_desc_start", P, Btn, Four, Always},
    {39, "39", "btn_desc_end", P, Btn, Four, Always},
    {40, "40", "btn_chadesc_start", P, Btn, Four, Always},
    {41, "41", "btn_chadesc_end", P, Btn, Four, Always},
    {42, "42", "btn_silence_start", P, Btn, Four, Always},
    {43, "43", "btn_silence_end", P, Btn, Four, Always},
    {44, "44", "btn_streamdelete_start", P, Btn, Four, Always},
    {45, "45", "btn_streamdelete_end", P, Btn, Four, Always},
    {46, "46", "btn_desc_edit", P | D, Btn, Four, Always},
    {47, "47", "btn_remove_desc", P | D, Btn, Four, Always},
    {48, "48", "btn_reminv_desc", P | D, Btn, Four, Always},
    {49, "49", "btn_goweb_scheduler", S, Btn, Three, Always},
    {50, "50", "btn_goweb_player", P, Btn, Three, Always, ElementTrait::KeepsSize},
    {51, "51", "btn_goweb_description", D, Btn, Three, Always, ElementTrait::KeepsSize},
}};

} // namespace

const std::array<std::string_view, 50> requiredSections{
    "dlg_main",
    "player_view",
    "schedule_list",
    "description_list",
    "btn_schedule",
    "btn_player",
    "btn_description",
    "btn_exit",
    "btn_minimize",
    "btn_skin",
    "btn_options",
    "btn_dummy3",
    "btn_import_desc",
    "btn_del_stream",
    "btn_refresh",
    "btn_export",
    "btn_upload",
    "lbl_recording",
    "btn_recording",
    "btn_dummy1",
    "btn_about",
    "btn_dummy2",
    "btn_edit_stream",
    "c_combo_streams",
    "btn_schedule_create",
    "btn_schedule_modify",
    "btn_schedule_delete",
    "btn_play",
    "btn_stop",
    "btn_play1Track",
    "btn_zoom_5min",
    "btn_zoom_1h",
    "btn_zoom_1d",
    "btn_zoom_in",
    "btn_zoom_out",
    "btn_silence_det",
    "btn_desc_start",
    "btn_desc_end",
    "btn_chadesc_start",
    "btn_chadesc_end",
    "btn_silence_start",
    "btn_silence_end",
    "btn_streamdelete_start",
    "btn_streamdelete_end",
    "btn_desc_edit",
    "btn_remove_desc",
    "btn_reminv_desc",
    "btn_goweb_scheduler",
    "btn_goweb_player",
    "btn_goweb_description",
};

const std::array<std::string_view, 2> version15Sections{"btn_wizard", "btn_playlistdown"};

std::string_view stateKey(StateBitmap state)
{
    static constexpr std::array<std::string_view, 4> keys{"bitmap_up", "bitmap_do", "bitmap_mo",
                                                          "bitmap_da"};
    return keys[static_cast<std::size_t>(state)];
}

Page CatalogueEntry::referencePage() const
{
    for (Page page : allPages) {
        if (hasView(page))
            return page;
    }
    return Page::Player;
}

std::span<const CatalogueEntry, elementCount> catalogue()
{
    return entries;
}

const CatalogueEntry *findElement(int number)
{
    for (const CatalogueEntry &entry : entries) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}

const CatalogueEntry *findElementBySection(std::string_view section)
{
    for (const CatalogueEntry &entry : entries) {
        if (namesMatch(entry.section, section))
            return &entry;
    }
    return nullptr;
}

std::size_t catalogueIndex(const CatalogueEntry &entry)
{
    return static_cast<std::size_t>(&entry - entries.data());
}

bool existsIn(const CatalogueEntry &entry, std::string_view targetVersion)
{
    return entry.rule != VersionRule::OnlyFor15 || targetVersion == version15;
}

bool visibleOn(const CatalogueEntry &entry, Page page, std::string_view targetVersion)
{
    if (!entry.hasView(page))
        return false;
    switch (entry.rule) {
    case VersionRule::NeverShown:
        return false;
    case VersionRule::OnlyFor15:
        return existsIn(entry, targetVersion);
    case VersionRule::ScheduleViewFor15:
        return page != Page::Schedule || targetVersion == version15;
    case VersionRule::Always:
        break;
    }
    return true;
}

bool keepsSizeForNewBitmap(const CatalogueEntry &entry)
{
    return entry.trait == ElementTrait::KeepsSize;
}

HintKind hintKind(const CatalogueEntry &entry)
{
    switch (entry.states) {
    case StateSet::None:
        return HintKind::None;
    case StateSet::Four:
        return HintKind::ChooseOfFour;
    case StateSet::Three:
        break;
    }
    return entry.trait == ElementTrait::SwitchesWindows ? HintKind::ChooseOfThreeWindowButton
                                                        : HintKind::ChooseOfThree;
}
