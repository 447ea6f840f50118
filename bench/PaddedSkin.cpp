#include "bench/PaddedSkin.h"

#include "ini/FileBytes.h"

#include <optional>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

bool isHeader(const std::string &line)
{
    return !line.empty() && line.front() == '[';
}

// One unknown section of ten lines, with the keys an element of the player has.
void appendPadSection(std::vector<std::string> &out, std::size_t number)
{
    const std::string n = std::to_string(number);
    out.push_back("[extra_" + n + "]");
    out.push_back("position=" + std::to_string(number % 900) + ",40, 0, 0");
    out.push_back("size=75,23");
    out.push_back("bitmap_up=extra_" + n + "_up.bmp");
    out.push_back("bitmap_do=extra_" + n + "_do.bmp");
    out.push_back("bitmap_mo=extra_" + n + "_mo.bmp");
    out.push_back("font_color_up=11338");
    out.push_back("font=Tahoma,8,1");
    out.push_back("mouseover=1");
    out.push_back("");
}

std::vector<std::string> padded(const std::vector<std::string> &skin, std::size_t lines)
{
    if (lines <= skin.size())
        return skin;
    std::size_t headers = 0;
    for (const std::string &line : skin)
        headers += isHeader(line) ? 1 : 0;
    const std::size_t sections = (lines - skin.size() + 9) / 10;
    std::vector<std::string> out;
    out.reserve(skin.size() + sections * 10);
    std::size_t written = 0, seen = 0;
    for (const std::string &line : skin) {
        // Before every known section but the first, its share of the padding.
        if (isHeader(line) && seen++ > 0) {
            const std::size_t due = sections * (seen - 1) / headers;
            while (written < due)
                appendPadSection(out, written++);
        }
        out.push_back(line);
    }
    while (written < sections)
        appendPadSection(out, written++);
    return out;
}

} // namespace

PaddedSkin::PaddedSkin(const fs::path &skinFile, std::size_t lines)
{
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("velmor-bench-" + std::to_string(seed()));
    fs::create_directories(folder_);
    // The bitmaps come along, so that the editor can open the copy.
    fs::copy(skinFile.parent_path(), folder_, fs::copy_options::recursive);
    const std::optional<std::string> bytes = readFileBytes(skinFile.string());
    if (!bytes)
        throw std::runtime_error("cannot read " + skinFile.string());
    lines_ = padded(splitLines(*bytes), lines);
    path_ = (folder_ / skinFile.filename()).string();
    write();
}

PaddedSkin::~PaddedSkin()
{
    std::error_code error;
    fs::remove_all(folder_, error);
}

void PaddedSkin::write() const
{
    if (replaceFileAtomically(path_, joinLines(lines_), {.makeWritable = true}))
        throw std::runtime_error("cannot write " + path_);
}
