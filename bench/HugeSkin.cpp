#include "bench/HugeSkin.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

void put(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
}

// Rows of runs of 255 pixels at most; the colour changes with every run and every 64
// rows, with a pattern of the bitmap's own.
std::string rlePixels(int side, unsigned seed)
{
    std::string data;
    for (int y = 0; y < side; ++y) {
        unsigned run = 0;
        for (int x = 0; x < side; x += 255, ++run) {
            data.push_back(static_cast<char>(std::min(255, side - x)));
            data.push_back(static_cast<char>((seed + run + unsigned(y) / 64) % 256));
        }
        data.append("\0\0", 2);
    }
    data.append("\0\1", 2);
    return data;
}

std::string hugeBitmap(unsigned seed)
{
    // The largest square whose 32-bit pixels stay under the 128 MiB that Qt decodes
    // without being told it may take more.
    constexpr int side = 5792;
    const std::string pixels = rlePixels(side, seed);
    constexpr std::uint32_t offset = 14 + 40 + 256 * 4;
    std::string out = "BM";
    put(out, offset + std::uint32_t(pixels.size()), 4);
    put(out, 0, 4);
    put(out, offset, 4);
    put(out, 40, 4);
    put(out, std::uint32_t(side), 4);
    put(out, std::uint32_t(side), 4);
    put(out, 1, 2);
    put(out, 8, 2);
    put(out, 1, 4); // run-length encoded, 8 bits
    put(out, std::uint32_t(pixels.size()), 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, 256, 4);
    put(out, 0, 4);
    for (std::uint32_t i = 0; i < 256; ++i)
        put(out, (i * 2654435761u + seed * 40503u) & 0xffffffu, 4);
    return out + pixels;
}

} // namespace

HugeSkin::HugeSkin(const fs::path &skinFile) : temporary_(true)
{
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("velmor-bench-huge-" + std::to_string(seed()));
    write(skinFile);
}

HugeSkin::HugeSkin(const fs::path &skinFile, const fs::path &folder) : folder_(folder)
{
    write(skinFile);
}

HugeSkin::~HugeSkin()
{
    std::error_code error;
    if (temporary_)
        fs::remove_all(folder_, error);
}

void HugeSkin::write(const fs::path &skinFile)
{
    fs::create_directories(folder_);
    skinName_ = skinFile.filename();
    fs::copy_file(skinFile, skinPath(), fs::copy_options::overwrite_existing);
    // By name, so that every run gives each bitmap the same colours.
    std::set<fs::path> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(skinFile.parent_path())) {
        if (entry.path().extension() == ".bmp")
            names.insert(entry.path().filename());
    }
    unsigned seed = 0;
    for (const fs::path &name : names) {
        std::ofstream file(folder_ / name, std::ios::binary | std::ios::trunc);
        const std::string bytes = hugeBitmap(seed++);
        if (!file.write(bytes.data(), std::streamsize(bytes.size())))
            throw std::runtime_error("cannot write " + (folder_ / name).string());
    }
}
