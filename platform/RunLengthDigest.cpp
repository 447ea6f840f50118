#include "platform/RunLengthDigest.h"

#include "platform/PixelDigest.h"

#include <QIODevice>
#include <QList>

#include <vector>

namespace {

constexpr int infoHeaderSize = 40;
constexpr int fileHeaderSize = 14;

std::uint32_t littleEndian(const QByteArray &bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    return value;
}

// The bytes of the device, read a block at a time.
class ByteStream {
public:
    explicit ByteStream(QIODevice &device) : device_(device) {}

    bool next(quint8 &byte)
    {
        if (at_ == block_.size()) {
            block_ = device_.read(1 << 16);
            at_ = 0;
            if (block_.isEmpty())
                return false;
        }
        byte = static_cast<quint8>(block_.at(at_++));
        return true;
    }

private:
    QIODevice &device_;
    QByteArray block_;
    qsizetype at_ = 0;
};

struct Header {
    int width = 0;
    int height = 0;
    int bits = 0;
    std::vector<QRgb> colours;
};

// Only the plain header of a bottom-up bitmap of 4 or 8 bits, its table, then its pixels.
std::optional<Header> readHeader(QIODevice &device)
{
    const QByteArray head = device.read(fileHeaderSize + infoHeaderSize);
    if (head.size() < fileHeaderSize + infoHeaderSize || !head.startsWith("BM") ||
        littleEndian(head, 14, 4) != infoHeaderSize || littleEndian(head, 26, 2) != 1)
        return std::nullopt;
    Header header;
    header.width = qint32(littleEndian(head, 18, 4));
    header.height = qint32(littleEndian(head, 22, 4));
    header.bits = int(littleEndian(head, 28, 2));
    const std::uint32_t compression = littleEndian(head, 30, 4);
    if (header.width <= 0 || header.height <= 0 ||
        !((header.bits == 8 && compression == 1) || (header.bits == 4 && compression == 2)))
        return std::nullopt;
    const std::uint32_t used = littleEndian(head, 46, 4);
    const std::uint32_t count = used != 0 ? used : 1u << header.bits;
    const std::uint32_t pixelsAt = littleEndian(head, 10, 4);
    if (count > 256 || pixelsAt < fileHeaderSize + infoHeaderSize + 4 * count)
        return std::nullopt;
    const QByteArray table = device.read(4 * qint64{count});
    if (table.size() != qsizetype(4 * count) || !device.seek(pixelsAt))
        return std::nullopt;
    for (qsizetype i = 0; i < table.size(); i += 4)
        header.colours.push_back(
            qRgb(quint8(table.at(i + 2)), quint8(table.at(i + 1)), quint8(table.at(i))));
    return header;
}

class RowDecoder {
public:
    RowDecoder(QIODevice &device, const Header &header) : bytes_(device), header_(header) {}

    // Takes in the next row; false when it is not plainly made.
    bool decodeRow(bool last)
    {
        runs_.clear();
        int x = 0;
        quint8 count = 0;
        quint8 value = 0;
        while (bytes_.next(count) && bytes_.next(value)) {
            if (count > 0) {
                if (!repeat(x, count, value))
                    return false;
            } else if (value == 0 || (value == 1 && last)) {
                return x == header_.width;
            } else if (value < 3 || !copy(x, value)) {
                return false;
            }
        }
        return false;
    }

    const ColourRuns &runs() const { return runs_; }

private:
    bool put(quint8 index, std::uint32_t count)
    {
        if (std::size_t{index} >= header_.colours.size())
            return false;
        runs_.add(header_.colours[std::size_t{index}], count);
        return true;
    }

    // In 4 bits, a run alternates the two colours of its byte.
    bool repeat(int &x, int count, quint8 value)
    {
        if (count > header_.width - x)
            return false;
        x += count;
        if (header_.bits == 8 || value >> 4 == (value & 0x0f))
            return put(header_.bits == 8 ? value : value >> 4, std::uint32_t(count));
        for (int i = 0; i < count; ++i) {
            if (!put(i % 2 == 0 ? value >> 4 : value & 0x0f, 1))
                return false;
        }
        return true;
    }

    // Pixels written out, padded to an even number of bytes.
    bool copy(int &x, int count)
    {
        if (count > header_.width - x)
            return false;
        x += count;
        const int size = header_.bits == 8 ? count : (count + 1) / 2;
        quint8 byte = 0;
        for (int i = 0; i < size; ++i) {
            if (!bytes_.next(byte))
                return false;
            const bool ok = header_.bits == 8
                                ? put(byte, 1)
                                : put(byte >> 4, 1) && (2 * i + 1 == count || put(byte & 0x0f, 1));
            if (!ok)
                return false;
        }
        return size % 2 == 0 || bytes_.next(byte);
    }

    ByteStream bytes_;
    const Header &header_;
    ColourRuns runs_;
};

} // namespace

std::optional<DigestedPixels> digestRunLengthBitmap(QIODevice &device)
{
    const std::optional<Header> header = readHeader(device);
    if (!header)
        return std::nullopt;
    PixelDigest digest(header->width, header->height);
    RowDecoder decoder(device, *header);
    // The file holds the bottom row first.
    for (int y = header->height - 1; y >= 0; --y) {
        if (!decoder.decodeRow(y == 0))
            return std::nullopt;
        digest.addRow(y, decoder.runs());
    }
    return DigestedPixels{{header->width, header->height}, digest.value()};
}
