#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

// A row of a picture as runs of one colour each, each as long as it can be: the same
// row gives the same runs however its file stored it.
class ColourRuns {
public:
    void clear() { runs_.clear(); }
    void add(QRgb colour, std::uint32_t count)
    {
        if (!runs_.empty() && std::uint32_t(runs_.back() >> 32) == colour)
            runs_.back() += count;
        else
            runs_.push_back(std::uint64_t{colour} << 32 | count);
    }
    // Each the colour in the upper half, the count in the lower.
    const std::vector<std::uint64_t> &runs() const { return runs_; }

private:
    std::vector<std::uint64_t> runs_;
};

// A digest of a picture's pixels as 32-bit colours, equal for the same picture whatever
// the colour depth of its file. Rows may come in any order: a bitmap holds them bottom
// up or top down, and a digest taken while decoding takes them as the file does.
class PixelDigest {
public:
    PixelDigest(int width, int height);

    // Row `y` (0 is the top), each row once: its runs, or its `width` colours. A row of
    // long runs costs as many steps as it has runs.
    void addRow(int y, const ColourRuns &runs);
    void addRow(int y, const QRgb *colours);
    std::uint64_t value() const;

private:
    int width_;
    int height_;
    std::uint64_t sum_ = 0;
    ColourRuns runs_;
};

// The digest of a decoded picture, converted a row at a time: never a copy of it whole.
std::uint64_t pixelDigest(const QImage &image);
