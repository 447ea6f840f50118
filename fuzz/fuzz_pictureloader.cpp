// Arbitrary bytes as a skin's bitmap. Loading must end, with a picture within the size
// limit or with one of the loader's own error texts, and never crash, whatever the file
// holds.

#include "fuzz/FuzzSupport.h"
#include "platform/PictureLoader.h"
#include "platform/PixelDigest.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <bit>
#include <initializer_list>

namespace {

// Qt's decoder is not instrumented, so libFuzzer cannot see which of its paths an input
// took. What the header asks for and what came out stand in for that: counters in this
// section count as coverage, and an input that reaches a new one is kept.
__attribute__((used, section("__libfuzzer_extra_counters"))) std::uint8_t outcomes[1024];

unsigned readLittleEndian(const std::uint8_t *data, std::size_t size, std::size_t at, int bytes)
{
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | (at + i < size ? data[at + i] : 0u);
    return value;
}

// The place of value among the known ones, or one past them for any other.
unsigned classOf(unsigned value, std::initializer_list<unsigned> known)
{
    const auto found = std::find(known.begin(), known.end(), value);
    return static_cast<unsigned>(found - known.begin());
}

unsigned sizeClass(int side)
{
    return static_cast<unsigned>(std::bit_width(static_cast<unsigned>(side))) % 16;
}

void countOutcome(const std::uint8_t *data, std::size_t size, const LoadedPicture &picture)
{
    // Header size, bits per pixel and compression choose the decoder's path.
    const unsigned header =
        classOf(readLittleEndian(data, size, 14, 4), {12, 40, 52, 56, 108, 124});
    const unsigned depth = classOf(readLittleEndian(data, size, 28, 2), {1, 4, 8, 16, 24, 32});
    const unsigned compression = std::min(readLittleEndian(data, size, 30, 4), 7u);
    ++outcomes[(header * 7 + depth) * 8 + compression + (picture.ok() ? 400 : 0)];
    if (picture.ok()) {
        ++outcomes[800 + static_cast<unsigned>(picture.image.format()) % 64];
        ++outcomes[864 + sizeClass(picture.image.width())];
        ++outcomes[880 + sizeClass(picture.image.height())];
    }
}

QString pictureFolder()
{
    return QString::fromStdString(scratchFolder().file(""));
}

void writePicture(const std::uint8_t *data, std::size_t size)
{
    QFile file(pictureFolder() + QStringLiteral("x.bmp"));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the bitmap cannot be written");
    require(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) ==
                static_cast<qint64>(size),
            "the bitmap was written short");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    // The fuzzer is a test: like CTest, it picks the platform that needs no display.
    // Qt gets no fuzzer options to parse, and takes none away from libFuzzer.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication application(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writePicture(data, size);
    const LoadedPicture picture = loadPicture(QStringLiteral("x.bmp"), pictureFolder());
    countOutcome(data, size, picture);
    require(picture.ok() != picture.image.isNull(),
            "a picture came with an error, or none without");
    // The digest taken while decoding, without Qt for a run-length encoded bitmap, must
    // judge the file as Qt does and see the same pixels.
    const LoadedPicture measured =
        loadPicture(QStringLiteral("x.bmp"), pictureFolder(), PictureUse::Measure);
    const LoadedPicture digested =
        loadPicture(QStringLiteral("x.bmp"), pictureFolder(), PictureUse::Digest);
    require(digested.failure == measured.failure, "the digest judged the bitmap otherwise");
    // A failed load has no pixels, and so no size to agree on.
    require(!measured.ok() || digested.pixelSize == measured.image.size(),
            "the digest saw another size");
    // Qt leaves the pixels of an odd run-length encoded bitmap that no run reaches as
    // memory held them; only pixels that two decodings agree on can be compared.
    const bool defined =
        measured.ok() &&
        pixelDigest(measured.image) ==
            pixelDigest(
                loadPicture(QStringLiteral("x.bmp"), pictureFolder(), PictureUse::Measure).image);
    require(!defined || digested.pixels == pixelDigest(measured.image),
            "the digest saw other pixels");
    if (picture.ok()) {
        require(picture.image.width() <= maxPictureSide && picture.image.height() <= maxPictureSide,
                "a picture beyond the size limit loaded");
        return 0;
    }
    const bool knownError = picture.failure == LoadedPicture::Failure::Invalid ||
                            picture.failure == LoadedPicture::Failure::TooLarge;
    if (!knownError)
        std::fprintf(stderr, "error: %s\n", qPrintable(picture.error));
    require(knownError, "a bitmap failed at another step than its size or its decoding");
    return 0;
}
