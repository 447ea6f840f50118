#include "platform/SkinPictures.h"
#include "skin/SkinLoad.h"
#include "tests/support/SkinText.h"

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
        const std::vector<LoadedPicture> pictures = decodePictures(skin_);
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
        const std::vector<LoadedPicture> pictures = decodePictures(skin_);
        const LoadedPicture &exit = pictureOf(pictures, 9);
        QVERIFY2(exit.ok(), qPrintable(exit.error));
        QCOMPARE(pictureOf(pictures, 29).image.cacheKey(), exit.image.cacheKey());
        // A second decode of the same file is a picture of its own.
        const LoadedPicture again = loadPicture("shared.bmp", folder_.path());
        QCOMPARE(again.image, exit.image);
        QVERIFY(again.image.cacheKey() != exit.image.cacheKey());
    }
};

QTEST_GUILESS_MAIN(SkinPicturesTest)
#include "tst_skinpictures.moc"
