#pragma once

#include <QByteArray>
#include <QImage>

// The picture (Indexed8) as a bitmap file whose rows are run-length encoded with 8 bits
// a pixel: each stretch of equal pixels one run, each row ended on its own.
QByteArray runLengthBitmap(const QImage &indexed);
