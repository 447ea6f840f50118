#include "platform/PictureDigest.h"

#include "platform/PixelDigest.h"
#include "platform/RunLengthDigest.h"
#include "platform/SkinPictures.h"

#include <QFile>
#include <QImageReader>
#include <QSemaphore>

#include <algorithm>

namespace {

constexpr qint64 mebibyte = 1 << 20;

// In mebibytes, shared by every thread that takes digests.
QSemaphore &decodingRoom()
{
    static QSemaphore room{int(pictureBudgetMiB)};
    return room;
}

// What Qt's picture of that size holds at most: 32 bits a pixel.
int roomFor(const QSize &declared)
{
    const qint64 bytes = qint64{qAbs(declared.width())} * qAbs(declared.height()) * 4;
    return int(std::clamp<qint64>((bytes + mebibyte - 1) / mebibyte, 1, pictureBudgetMiB));
}

} // namespace

bool digestOpenedPicture(QFile &file, QImageReader &reader, const QSize &declared,
                         LoadedPicture &picture)
{
    if (const std::optional<DigestedPixels> digested = digestRunLengthBitmap(file)) {
        picture.pixelSize = digested->size;
        picture.pixels = digested->pixels;
        return true;
    }
    if (!file.seek(0))
        return false;
    const int room = roomFor(declared);
    decodingRoom().acquire(room);
    const QSemaphoreReleaser releaser(decodingRoom(), room);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    picture.pixelSize = image.size();
    picture.pixels = pixelDigest(image);
    return true;
}
