#include "tests/support/RunLengthBitmap.h"

namespace {

void put(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
}

void encodeRow(QByteArray &out, const uchar *row, int width)
{
    for (int x = 0; x < width;) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x])
            ++run;
        out.append(char(run)).append(char(row[x]));
        x += run;
    }
    out.append('\0').append('\0');
}

} // namespace

QByteArray runLengthBitmap(const QImage &indexed)
{
    QByteArray pixels;
    for (int y = indexed.height() - 1; y >= 0; --y)
        encodeRow(pixels, indexed.constScanLine(y), indexed.width());
    pixels.append('\0').append('\1');
    const QList<QRgb> colours = indexed.colorTable();
    const quint32 offset = 14 + 40 + 4 * quint32(colours.size());
    QByteArray out("BM");
    for (const quint32 value :
         {offset + quint32(pixels.size()), 0u, offset, 40u, quint32(indexed.width()),
          quint32(indexed.height()), 1u | 8u << 16, 1u, quint32(pixels.size()), 2835u, 2835u,
          quint32(colours.size()), 0u})
        put(out, value, 4);
    for (const QRgb colour : colours)
        put(out, colour & 0xffffffu, 4);
    return out + pixels;
}
