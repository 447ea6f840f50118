#include "skin/SkinSave.h"

#include "ini/ProfileReader.h"
#include "ini/SkinWriter.h"
#include "ini/TextRules.h"
#include "ini/Windows1252.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"

#include <array>
#include <optional>
#include <utility>

namespace {

constexpr std::string_view dlgMain = "dlg_main";
constexpr std::string_view playerView = "player_view";

constexpr std::string_view headerPrefix = "PP_LKV";

// The player reads these keys; the editor only carries their values over.
constexpr std::array<std::string_view, 3> offsetKeys{"bmp_offset0", "bmp_offset1", "bmp_offset2"};
constexpr std::array<std::string_view, 3> regionKeys{"region0", "region1", "region2"};
constexpr std::array<std::string_view, 17> playerViewCopiedKeys{
    "color_transparent", "color_axis",      "y_pos_axis_line",     "font_axis",
    "color_font_axis",   "y_pos_axis_text", "font_position",       "color_font_position",
    "y_pos_current",     "color_waveform",  "color_mark_rect",     "y_pos_marks",
    "y_size_marks",      "font_track_info", "axis_timemark_small", "axis_timemark_middle",
    "axis_timemark_big"};
constexpr std::array<std::string_view, 3> trackListCopiedKeys{"color_fg", "font", "imagelist"};
constexpr std::array<std::string_view, 4> elementCopiedKeys{"font_color_up", "font_color_do",
                                                            "font", "mouseover"};

// The write order is where missing keys end up; right goes before centre here.
constexpr std::array<Graphic, 14> playerViewOrder{
    Graphic::MenuLeft,        Graphic::MenuRight,    Graphic::MenuCenter,   Graphic::Stream,
    Graphic::ValidStart,      Graphic::ValidMiddle,  Graphic::ValidEnd,     Graphic::PartvalidStart,
    Graphic::PartvalidMiddle, Graphic::PartvalidEnd, Graphic::InvalidStart, Graphic::InvalidMiddle,
    Graphic::InvalidEnd,      Graphic::Curpos};

// The keys of one save, in their order. The carried-over values are looked up in the
// text as it stood before the save, so all writes are known before the first is made;
// the text can then be changed in place, without a copy.
class KeyWriter {
public:
    explicit KeyWriter(const ProfileReader &source) : source_(source) {}

    void copied(std::string_view section, std::string_view key, std::string_view fallback)
    {
        add(Write::Value, section, key, readCopiedText(source_, section, key, fallback));
    }
    template <std::size_t N>
    void copied(std::string_view section, const std::array<std::string_view, N> &keys,
                std::string_view fallback)
    {
        for (std::string_view key : keys)
            copied(section, key, fallback);
    }

    // The skin names its pictures by bare file name, in the skin file's own code page.
    void fileName(std::string_view section, std::string_view key, const std::string &path)
    {
        add(Write::Value, section, key, encodeWindows1252(singleLine(bareFileName(path))));
    }

    void integer(std::string_view section, std::string_view key, std::int32_t n)
    {
        add(Write::Value, section, key, std::to_string(n));
    }
    void pair(std::string_view section, std::string_view key, std::int32_t x, std::int32_t y)
    {
        add(Write::Pair, section, key, std::to_string(x), std::to_string(y));
    }
    void position(std::string_view section, std::string_view key, std::int32_t x, std::int32_t y)
    {
        add(Write::PairZeros, section, key, std::to_string(x), std::to_string(y));
    }
    void textPair(std::string_view section, std::string_view key, std::string_view a,
                  std::string_view b)
    {
        add(Write::Pair, section, key, std::string(a), std::string(b));
    }

    void apply(SkinWriter &target) const
    {
        for (const Write &write : writes_) {
            switch (write.kind) {
            case Write::Value:
                target.PutValue(write.section, write.key, write.a);
                break;
            case Write::Pair:
                target.PutPair(write.section, write.key, write.a, write.b);
                break;
            case Write::PairZeros:
                target.PutPairZeros(write.section, write.key, write.a, write.b);
                break;
            }
        }
    }

private:
    // Section and key names are the program's constants or the catalogue's.
    struct Write {
        enum Kind { Value, Pair, PairZeros } kind;
        std::string_view section;
        std::string_view key;
        std::string a;
        std::string b;
    };

    void add(Write::Kind kind, std::string_view section, std::string_view key, std::string a,
             std::string b = {})
    {
        writes_.push_back({kind, section, key, std::move(a), std::move(b)});
    }

    const ProfileReader &source_;
    std::vector<Write> writes_;
};

bool isSkinHeader(std::string_view line)
{
    const std::string_view trimmed = trimControl(line);
    return trimmed.size() >= headerPrefix.size() &&
           namesMatch(trimmed.substr(0, headerPrefix.size()), headerPrefix);
}

} // namespace

std::string skinNameOf(const SkinDocument &document)
{
    if (!document.skinName.empty() || document.openedText.empty() ||
        !isSkinHeader(document.openedText.front()))
        return document.skinName;
    const std::string_view header = document.openedText.front();
    const std::size_t equals = header.find('=');
    if (equals == std::string_view::npos)
        return {};
    return decodeWindows1252(trimControl(header.substr(equals + 1)));
}

namespace {

// A first line that is no skin header may be a section header or a key; the name
// then goes above it instead of over it, so that nothing of the skin is lost. The
// line it replaced, if any, is the result, for a save that has to take it back.
std::optional<std::string> writeSkinName(std::vector<std::string> &lines, const std::string &name)
{
    std::string header = std::string(headerPrefix) + " = " + encodeWindows1252(singleLine(name));
    if (!lines.empty() && isSkinHeader(lines.front()))
        return std::exchange(lines.front(), std::move(header));
    lines.insert(lines.begin(), std::move(header));
    return std::nullopt;
}

void takeBackSkinName(std::vector<std::string> &lines, std::optional<std::string> replaced)
{
    if (replaced)
        lines.front() = std::move(*replaced);
    else
        lines.erase(lines.begin());
}

// One place and one size in "dlg_main" stand for all three list panels: the place
// is that of the Player panel, the size that of the Schedule panel.
void writeListGeometry(KeyWriter &out, const SkinDocument &document)
{
    const Rect &player = document.lists.player;
    const Rect &schedule = document.lists.schedule;
    const std::int32_t top = saturatedSum(player.top, 50);
    if (document.targetVersion == version14) {
        out.pair(dlgMain, "position_m", saturatedSum(player.left, 100), top);
        out.pair(dlgMain, "position_g", 100, 50);
        out.pair(dlgMain, "size_m", schedule.width, schedule.height);
        out.pair(dlgMain, "size_g", saturatedSum(schedule.width, 1),
                 saturatedSum(schedule.height, 36));
    } else if (document.targetVersion == version15) {
        // 1.5 skins carry these comments on the two lines; the blanks are part of them.
        out.textPair(dlgMain, "position_m", std::to_string(saturatedSum(player.left, 140)),
                     std::to_string(top) + " // anfangsposition von body unten");
        out.textPair(dlgMain, "position_g", "140", "50  // anfangspos von body oben");
        // Loading takes the panels' height from the second number, so it goes there.
        out.pair(dlgMain, "size_m", 310, schedule.height);
        out.pair(dlgMain, "size_g", schedule.width, 240);
    }
}

void writeGraphic(KeyWriter &out, const SkinDocument &document, Graphic graphic)
{
    const SkinKey where = graphicKey(graphic);
    out.fileName(where.section, where.key,
                 document.graphicPaths[static_cast<std::size_t>(graphic)]);
}

void writeMainDialog(KeyWriter &out, const SkinDocument &document)
{
    out.copied(dlgMain, offsetKeys, "0");
    for (Graphic graphic : pageBackgrounds)
        writeGraphic(out, document, graphic);
    out.copied(dlgMain, regionKeys, "");
}

void writePlayerView(KeyWriter &out, const SkinDocument &document)
{
    out.integer(playerView, "height", document.lists.player.height);
    for (Graphic graphic : playerViewOrder)
        writeGraphic(out, document, graphic);
    out.copied(playerView, playerViewCopiedKeys, "");
}

void writeTrackList(KeyWriter &out, const SkinDocument &document, std::string_view section,
                    Graphic header, Graphic tile)
{
    out.copied(section, trackListCopiedKeys, "0");
    writeGraphic(out, document, header);
    writeGraphic(out, document, tile);
}

void writeElement(KeyWriter &out, const CatalogueEntry &entry, const SkinElement &element)
{
    const Rect &geometry = element.geometry;
    out.position(entry.section, "position", geometry.left, geometry.top);
    out.pair(entry.section, "size", geometry.width, geometry.height);
    // The stream combo is a plain control of the player: it has no pictures or fonts.
    if (entry.kind == ElementKind::StreamCombo)
        return;
    for (StateBitmap state : allStates) {
        if (entry.hasState(state))
            out.fileName(entry.section, stateKey(state), element.statePath(state));
    }
    out.copied(entry.section, elementCopiedKeys, "0");
}

void writeElements(KeyWriter &out, const SkinDocument &document, const SaveDue &due)
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (due.has(entry) && existsIn(entry, document.targetVersion))
            writeElement(out, entry, document.element(entry));
    }
}

// The sections whose carried-over keys the save looks up; no other is read.
std::vector<std::string_view> sectionsRead(const SaveDue &due)
{
    std::vector<std::string_view> sections{dlgMain, playerView, "schedule_list",
                                           "description_list"};
    for (const CatalogueEntry &entry : catalogue()) {
        if (due.has(entry))
            sections.push_back(entry.section);
    }
    return sections;
}

} // namespace

bool saveSkin(SkinDocument &document, const SaveDue &due)
{
    if (document.skinPath.empty() || document.targetVersion.empty())
        return false;

    // The order of the writes decides where missing keys land in their sections.
    SkinWriter &target = document.openedText.writer();
    const ProfileReader source(target.FirstSectionsText(sectionsRead(due)));
    KeyWriter out(source);
    writeListGeometry(out, document);
    writeMainDialog(out, document);
    writePlayerView(out, document);
    writeTrackList(out, document, "schedule_list", Graphic::ScheduleHeader, Graphic::ScheduleTile);
    writeTrackList(out, document, "description_list", Graphic::DescriptionHeader,
                   Graphic::DescriptionTile);
    writeElements(out, document, due);

    target.FileName = document.skinPath;
    target.FollowLink = document.skinPath == document.textPath;
    const bool named = !document.skinName.empty();
    std::optional<std::string> replacedHeader;
    if (named)
        replacedHeader = writeSkinName(target.Lines, document.skinName);
    target.BeginChanges();
    out.apply(target);
    target.UpdateFile();
    if (!target.LastWriteSucceeded()) {
        target.RevertChanges();
        if (named)
            takeBackSkinName(target.Lines, std::move(replacedHeader));
        return false;
    }
    document.textPath = document.skinPath;
    return true;
}
