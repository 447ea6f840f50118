#pragma once

#include "skin/SkinDocument.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

struct LoadedPicture {
    // Which of the loader's checks stopped it, in the order they run.
    enum class Failure : std::uint8_t { None, UnknownExtension, CannotOpen, TooLarge, Invalid };

    QImage image;
    QString path;  // the file the name led to; empty when the extension stopped the load
    QString error; // the text for the error box; empty when the picture loaded
    // Why a file that may be there cannot be opened (a device, a name too long, a link
    // in a circle), or why a bitmap is invalid; empty when the file is missing, the system
    // refused it or the decoder gave no reason.
    QString reason;
    bool missing = false; // the name leads to no file at all
    Failure failure = Failure::None;
    QSize declaredSize; // what the header promised, for a picture too large
    // With PictureUse::Digest, of the decoded picture; the image then stays empty.
    QSize pixelSize;
    std::uint64_t pixels = 0; // see pixelDigest()
    bool ok() const { return failure == Failure::None; }
};

// The file a picture name of a skin stands for. A relative name is taken from `folder`,
// an absolute one as it is; "\" separates folders as "/" does. Skins are made on file
// systems that ignore case, so when the name does not exist as spelled, a path that
// differs from it only in case is taken instead. A name that leads nowhere, or is longer
// than file systems allow, comes back as the spelled path, so that opening it fails.
// Each folder on the way is listed at most once.
QString resolvePicturePath(const QString &name, const QString &folder);
// The path exactly as the name spells it, before any match that ignores case.
QString spelledPicturePath(const QString &name, const QString &folder);

// The largest width and height of a picture the loader accepts.
inline constexpr int maxPictureSide = maxSkinSide;

// What the picture is for: the screen takes 32-bit pixels, which a bitmap of 16 or 256
// colours is converted to; a picture that is only measured keeps what the file holds;
// of a picture only compared, a digest of its pixels is kept and nothing else.
enum class PictureUse : std::uint8_t { Screen, Measure, Digest };

// Loads the Windows bitmap that a picture name stands for (see resolvePicturePath).
// Only ".bmp" names count as pictures; the checks run in the order extension, opening,
// size, decoding, and the first failure is reported with its own text. A valid `kept`
// keeps only that much of the picture, from its top-left corner, before it is converted.
LoadedPicture loadPicture(const QString &name, const QString &folder,
                          PictureUse use = PictureUse::Screen, QSize kept = {});

// The width and height the bitmap's header declares, read without decoding anything;
// nothing valid when the name is no bitmap, the file does not open or the size is beyond
// what the loader accepts.
QSize declaredPictureSize(const QString &name, const QString &folder);
