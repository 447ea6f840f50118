#include "platform/PixelDigest.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// A multiply-rotate hash in four independent lanes, which the processor runs side by
// side: several times as fast as Qt's hash of the same bytes.
constexpr std::uint64_t prime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t prime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t prime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t prime4 = 0x85EBCA77C2B2AE63ULL;

std::uint64_t rotl(std::uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

std::uint64_t word(const unsigned char *bytes)
{
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

std::uint64_t round(std::uint64_t lane, std::uint64_t input)
{
    return rotl(lane + input * prime2, 31) * prime1;
}

std::uint64_t avalanche(std::uint64_t value)
{
    value ^= value >> 33;
    value *= prime2;
    value ^= value >> 29;
    value *= prime3;
    return value ^ (value >> 32);
}

std::uint64_t hashBytes(const unsigned char *bytes, std::size_t size, std::uint64_t seed)
{
    std::array<std::uint64_t, 4> lanes{seed + prime1 + prime2, seed + prime2, seed, seed - prime1};
    std::size_t at = 0;
    for (; at + 32 <= size; at += 32) {
        for (std::size_t lane = 0; lane < 4; ++lane)
            lanes[lane] = round(lanes[lane], word(bytes + at + 8 * lane));
    }
    std::uint64_t hash =
        rotl(lanes[0], 1) + rotl(lanes[1], 7) + rotl(lanes[2], 12) + rotl(lanes[3], 18) + size;
    for (; at + 8 <= size; at += 8)
        hash = rotl(hash ^ round(0, word(bytes + at)), 27) * prime1 + prime4;
    for (; at < size; ++at)
        hash = rotl(hash ^ (bytes[at] * prime4), 11) * prime1;
    return avalanche(hash);
}

// An Indexed8 picture's colours as its conversion to 32 bits gives them: a picture
// without a table is grey, an index beyond the table is transparent black.
std::array<QRgb, 256> coloursOf(const QImage &image)
{
    std::array<QRgb, 256> table{};
    const QList<QRgb> colours = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        const auto at = static_cast<std::size_t>(i);
        table[at] = colours.isEmpty() ? qRgb(i, i, i) : colours.value(i, 0);
    }
    return table;
}

// Rows converted at a time for the formats without a table: a few megabytes at most.
constexpr int band = 64;

} // namespace

PixelDigest::PixelDigest(int width, int height) : width_(width), height_(height) {}

void PixelDigest::addRow(int y, const ColourRuns &runs)
{
    // Each row's hash is seeded with its place, so that rows swapped count as another
    // picture while the sum leaves the order of adding free.
    const std::vector<std::uint64_t> &row = runs.runs();
    sum_ += hashBytes(reinterpret_cast<const unsigned char *>(row.data()),
                      row.size() * sizeof(std::uint64_t), static_cast<std::uint64_t>(y) * prime4);
}

void PixelDigest::addRow(int y, const QRgb *colours)
{
    runs_.clear();
    for (int x = 0; x < width_;) {
        const QRgb colour = colours[x];
        const int first = x;
        while (x < width_ && colours[x] == colour)
            ++x;
        runs_.add(colour, std::uint32_t(x - first));
    }
    addRow(y, runs_);
}

std::uint64_t PixelDigest::value() const
{
    return avalanche(
        sum_ ^ (static_cast<std::uint64_t>(width_) << 32 | static_cast<std::uint32_t>(height_)));
}

std::uint64_t pixelDigest(const QImage &image)
{
    PixelDigest digest(image.width(), image.height());
    // RGB32 keeps its pixels as 0xffRRGGBB, already what ARGB32 holds: no copy then.
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        for (int y = 0; y < image.height(); ++y)
            digest.addRow(y, reinterpret_cast<const QRgb *>(image.constScanLine(y)));
    } else if (image.format() == QImage::Format_Indexed8) {
        const std::array<QRgb, 256> table = coloursOf(image);
        std::vector<QRgb> row(static_cast<std::size_t>(image.width()));
        for (int y = 0; y < image.height(); ++y) {
            const uchar *indices = image.constScanLine(y);
            std::transform(indices, indices + image.width(), row.begin(),
                           [&table](uchar index) { return table[index]; });
            digest.addRow(y, row.data());
        }
    } else {
        for (int top = 0; top < image.height(); top += band) {
            const QImage rows =
                image.copy(0, top, image.width(), std::min(band, image.height() - top))
                    .convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < rows.height(); ++y)
                digest.addRow(top + y, reinterpret_cast<const QRgb *>(rows.constScanLine(y)));
        }
    }
    return digest.value();
}
