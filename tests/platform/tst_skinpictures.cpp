#include "platform/SkinPictures.h"
#include "skin/SkinLoad.h"
#include "tests/support/SkinText.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <QtTest>

class SkinPicturesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QTemporaryDir elsewhere_;
    LoadedSkin skin_;

    static void writeBitmap(const QString &path, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        QVERIFY(image.save(path, "BMP"));
    }

    const LoadedPicture &pictureOf(const std::vector<LoadedPicture> &pictures, int number) const
    {
        for (std::size_t i = 0; i < skin_.pictures.size(); ++i) {
            if (skin_.pictures[i].element == findElement(number))
                return pictures[i];
        }
        qFatal("element %d shows no picture", number);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid() && elsewhere_.isValid());
        writeBitmap(folder_.filePath("back.bmp"), {3, 2});
        writeBitmap(folder_.filePath("shared.bmp"), {5, 5});
        writeBitmap(elsewhere_.filePath("far.bmp"), {4, 1});
        QFile broken(folder_.filePath("broken.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("BM no bitmap");

        std::string text = skinText();
        text = withBody(text, "dlg_main",
                        "bitmap0=back.bmp\r\nbitmap1=photo.png\r\nbitmap2=missing.bmp\r\n");
        text = withBody(text, "player_view", "bitmap_left=broken.bmp\r\n");
        text = withBody(text, "btn_exit", "bitmap_up=shared.bmp\r\n");
        text = withBody(text, "btn_play", "bitmap_up=shared.bmp\r\n");
        text = withBody(text, "btn_stop",
                        "bitmap_up=" + elsewhere_.filePath("far.bmp").toStdString() + "\r\n");
        skin_ = loadSkin(folder_.filePath("skin.lkv").toStdString(), text);
        QVERIFY(skin_.isSkin());
    }

    void picturesComeInTheSkinsOrderWithTheirErrors()
    {
        const std::vector<LoadedPicture> pictures = decodePictures(skin_).pictures;
        QCOMPARE(pictures.size(), skin_.pictures.size());
        QCOMPARE(pictures[0].image.size(), QSize(3, 2));
        QCOMPARE(pictures[1].error, QStringLiteral("Unbekannte Bilddateierweiterung (.png)"));
        QCOMPARE(pictures[2].error, QStringLiteral("Datei missing.bmp kann nicht geöffnet werden"));
        QCOMPARE(pictures[3].error, QStringLiteral("Bitmap ist ungültig"));
        // An absolute name is taken as it is, not from the skin's folder.
        QCOMPARE(pictureOf(pictures, 30).image.size(), QSize(4, 1));
    }

    void nameGivenTwiceIsDecodedOnce()
    {
        const std::vector<LoadedPicture> pictures = decodePictures(skin_).pictures;
        const LoadedPicture &exit = pictureOf(pictures, 9);
        QVERIFY2(exit.ok(), qPrintable(exit.error));
        QCOMPARE(pictureOf(pictures, 29).image.cacheKey(), exit.image.cacheKey());
        // A second decode of the same file is a picture of its own.
        const LoadedPicture again = loadPicture("shared.bmp", folder_.path());
        QCOMPARE(again.image, exit.image);
        QVERIFY(again.image.cacheKey() != exit.image.cacheKey());
    }

    void sharedBitmapKeepsWhatItsLargestUseShows()
    {
        const auto shown = [](const NamedPicture &picture) {
            if (picture.element == findElement(9))
                return QSize(3, 2);
            return picture.element == findElement(29) ? QSize(2, 4) : QSize();
        };
        const std::vector<LoadedPicture> pictures = decodePictures(skin_, shown).pictures;
        QCOMPARE(pictureOf(pictures, 9).image.size(), QSize(3, 4));
        QCOMPARE(pictureOf(pictures, 29).image.size(), QSize(3, 4));
    }

    // Only the headers are read: three pages of the largest size, nothing decoded.
    void skinBeyondTheBudgetIsToldWithItsLargestFiles()
    {
        QTemporaryDir huge;
        QByteArray header;
        QBuffer buffer(&header);
        buffer.open(QIODevice::WriteOnly);
        QImage(1, 1, QImage::Format_RGB32).save(&buffer, "BMP");
        qToLittleEndian<qint32>(8192, header.data() + 18);
        qToLittleEndian<qint32>(8192, header.data() + 22);
        for (const char *name : {"p.bmp", "s.bmp", "d.bmp"}) {
            QFile file(huge.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(header) == header.size());
        }
        const std::string text =
            withBody(skinText(), "dlg_main", "bitmap0=s.bmp\r\nbitmap1=p.bmp\r\nbitmap2=d.bmp\r\n");
        const LoadedSkin skin = loadSkin(huge.filePath("skin.lkv").toStdString(), text);
        QElapsedTimer clock;
        clock.start();
        const DecodedPictures decoded = decodePictures(skin);
        QVERIFY2(clock.elapsed() < 2000, "a skin beyond the budget must be told at once");
        QVERIFY(decoded.pictures.empty());
        QVERIFY2(decoded.overBudget.contains(QStringLiteral("768 MiB")) &&
                     decoded.overBudget.contains(QStringLiteral("512 MiB")) &&
                     decoded.overBudget.contains(QStringLiteral("„p.bmp“ (256 MiB)")) &&
                     decoded.overBudget.contains(QStringLiteral("„d.bmp“")),
                 qPrintable(decoded.overBudget));
    }
};

QTEST_GUILESS_MAIN(SkinPicturesTest)
#include "tst_skinpictures.moc"
