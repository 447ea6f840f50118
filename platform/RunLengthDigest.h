#pragma once

#include <QSize>

#include <cstdint>
#include <optional>

class QIODevice;

struct DigestedPixels {
    QSize size;
    std::uint64_t pixels = 0; // as pixelDigest() gives it for the decoded picture
};

// The digest of a run-length encoded bitmap of 16 or 256 colours, decoded a row at a
// time straight into it, from the device's start: a picture of the largest size then
// costs a row's colours instead of its whole. Only a plainly made bitmap is taken: any
// other header, a jump, a row short or too long, a colour beyond the table or an early
// end gives nothing, and the full decoder judges the file.
std::optional<DigestedPixels> digestRunLengthBitmap(QIODevice &device);
