#include "tools/DemoArtwork.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

// The palette reduction decides how many bytes the committed artwork costs and
// whether it still looks like what was drawn.

namespace {

// Bits a pixel, as the BMP header gives them.
int bitsPerPixel(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    return header.size() < 30 ? -1 : static_cast<uchar>(header[28]) | header[29] << 8;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class DemoArtworkTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void fewColoursAreKeptExactly()
    {
        const QRgb colours[] = {0xff000000, 0xffff00ff, 0xff123456, 0xfffedcba, 0xff80ff01};
        QImage image(40, 7, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, colours[(x / 3 + y) % 5]);
        }
        const QString path = folder_.filePath("few.bmp");
        QVERIFY(saveIndexedBmp(image, path, 16));
        QCOMPARE(bitsPerPixel(path), 4);
        const QImage back(path);
        QCOMPARE(back.size(), image.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(back.pixel(x, y), image.pixel(x, y));
        }
    }

    // A ramp of 256 greys must come out as even steps, and a small block of a
    // colour far from the rest must keep its own palette entry.
    void manyColoursStayClose()
    {
        QImage image(256, 20, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, y < 16 ? qRgb(x, x, x) : qRgb(220, 20, 30));
        }
        const QString path = folder_.filePath("many.bmp");
        QVERIFY(saveIndexedBmp(image, path, 16));
        QCOMPARE(bitsPerPixel(path), 4);
        const QImage back(path);
        QVERIFY(back.colorCount() <= 16);
        int worst = 0;
        for (int x = 0; x < image.width(); ++x)
            worst = std::max(worst, channelDistance(back.pixel(x, 0), image.pixel(x, 0)));
        QVERIFY2(worst <= 16, qPrintable(QString::number(worst)));
        QCOMPARE(back.pixel(0, 19), qRgb(220, 20, 30));
    }

    void unwritableFolderIsReported()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(!saveIndexedBmp(image, folder_.filePath("missing/x.bmp"), 16));
    }
};

QTEST_GUILESS_MAIN(DemoArtworkTest)
#include "tst_demoartwork.moc"
