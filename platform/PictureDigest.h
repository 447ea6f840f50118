#pragma once

struct LoadedPicture;
class QFile;
class QImageReader;
class QSize;

// Takes the digest of an opened bitmap whose header the loader has accepted: straight
// from the file when it is plainly run-length encoded, else from the picture Qt decodes,
// while the pictures decoded whole for a digest at once, on whatever thread, stay within
// the budget of a skin's pictures. False when the bitmap does not decode.
bool digestOpenedPicture(QFile &file, QImageReader &reader, const QSize &declared,
                         LoadedPicture &picture);
