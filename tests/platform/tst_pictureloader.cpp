#include "platform/PictureLoader.h"
#include "platform/PixelDigest.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <QtTest>

#include <limits>

class PictureLoaderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString path(const QString &relative) const { return folder_.filePath(relative); }

    void writeBitmap(const QString &relative, QSize size, const char *format = "BMP")
    {
        QDir(folder_.path()).mkpath(QFileInfo(relative).path());
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(path(relative), format));
    }

    void writeBytes(const QString &relative, const QByteArray &bytes)
    {
        QDir(folder_.path()).mkpath(QFileInfo(relative).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray bitmapBytes(QSize size)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImage(size, QImage::Format_RGB32).save(&buffer, "BMP");
        return bytes;
    }

    // The same bitmap with another width and height in its header, data unchanged.
    static QByteArray withDeclaredSize(QByteArray bytes, qint32 width, qint32 height)
    {
        qToLittleEndian(width, bytes.data() + 18);
        qToLittleEndian(height, bytes.data() + 22);
        return bytes;
    }

    // A bitmap of three colours whose pixels are the given run-length encoded bytes.
    QByteArray runLengthEncoded(int bits, QSize size, const QByteArray &pixels)
    {
        QByteArray bytes =
            withDeclaredSize(bitmapBytes({1, 1}).left(54), size.width(), size.height());
        qToLittleEndian<quint16>(quint16(bits), bytes.data() + 28);
        qToLittleEndian<quint32>(bits == 8 ? 1 : 2, bytes.data() + 30);
        qToLittleEndian<quint32>(3, bytes.data() + 46);
        qToLittleEndian<quint32>(54 + 12, bytes.data() + 10);
        return bytes + QByteArray::fromHex("0000ff00 00ff0000 ff000000") + pixels;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        writeBitmap(QStringLiteral("Pic.bmp"), {7, 5});
        writeBitmap(QStringLiteral("UPPER.BMP"), {3, 2});
        writeBitmap(QStringLiteral("real.png"), {4, 4}, "PNG");
        writeBitmap(QStringLiteral("photo.bmp"), {4, 4}, "PNG");
        writeBytes(QStringLiteral("notes.BMP"), "[dlg_main]\r\nbitmap0=back.bmp\r\n");
        writeBytes(QStringLiteral("empty.bmp"), {});
        writeBytes(QStringLiteral("truncated.bmp"), bitmapBytes({16, 16}).left(40));
        writeBytes(QStringLiteral("cut off.bmp"), bitmapBytes({16, 16}).chopped(10));
        writeBytes(QStringLiteral("lowest height.bmp"),
                   withDeclaredSize(bitmapBytes({1, 1}), 28, std::numeric_limits<qint32>::min()));
        writeBytes(QStringLiteral("huge.bmp"), withDeclaredSize(bitmapBytes({1, 1}), 100000, 3));
        writeBytes(QStringLiteral("tall.bmp"), withDeclaredSize(bitmapBytes({1, 1}), 2, 8193));
        writeBytes(QStringLiteral("zero.bmp"), withDeclaredSize(bitmapBytes({1, 1}), 0, 0));
        writeBytes(QStringLiteral("top down.bmp"),
                   withDeclaredSize(bitmapBytes({1, 1}), 7, -20000));
        writeBytes(QStringLiteral("large, little data.bmp"),
                   withDeclaredSize(bitmapBytes({1, 1}), 8192, 8192));
        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("folder.bmp")));
        writeBitmap(QStringLiteral("sub/pic.bmp"), {2, 9});
        writeBitmap(QStringLiteral("deep/er/x.bmp"), {6, 1});
        writeBitmap(QStringLiteral("top.bmp"), {1, 1});
    }

    void firstFailingCheckIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");

        const QString unknown = QStringLiteral("Unbekannte Bilddateierweiterung (.%1)");
        const QString unopened = QStringLiteral("Datei %1 kann nicht geöffnet werden");
        const QString invalid = QStringLiteral("Bitmap ist ungültig");
        QTest::newRow("missing png") << "missing.png" << unknown.arg("png");
        QTest::newRow("existing png") << "real.png" << unknown.arg("png");
        QTest::newRow("missing key") << "0" << unknown.arg("");
        QTest::newRow("trailing dot") << "Pic." << unknown.arg("");
        QTest::newRow("dot in a folder only") << "v1.5\\pic" << unknown.arg("");
        QTest::newRow("missing bmp") << "missing.bmp" << unopened.arg("missing.bmp");
        QTest::newRow("missing, backslashes") << "Nope\\pic.bmp" << unopened.arg("Nope\\pic.bmp");
#ifdef Q_OS_WIN
        QTest::newRow("drive path") << "C:\\x\\y.bmp" << unopened.arg("C:\\x\\y.bmp");
#else
        // A backslash before "x" would read as the start of a byte written out: it is doubled.
        QTest::newRow("drive path") << "C:\\x\\y.bmp" << unopened.arg("C:\\\\x\\y.bmp");
#endif
        QTest::newRow("folder named bmp") << "folder.bmp" << unopened.arg("folder.bmp");
        QTest::newRow("text file") << "notes.BMP" << invalid;
        QTest::newRow("zero bytes") << "empty.bmp" << invalid;
        // Qt's decoder would fill what is missing with black.
        QTest::newRow("cut short")
            << "truncated.bmp" << invalid + ": ihre Pixel beginnen erst hinter dem Ende der Datei";
        QTest::newRow("pixels cut off")
            << "cut off.bmp" << invalid + ": die Datei endet vor dem Ende ihrer Pixel";
        QTest::newRow("png named bmp") << "photo.bmp" << invalid;
        const QString tooLarge = QStringLiteral(
            "Bitmap ist zu groß (%1 × %2 Pixel, erlaubt sind höchstens 8192 × 8192).");
        QTest::newRow("header of a huge bitmap") << "huge.bmp" << tooLarge.arg(100000).arg(3);
        QTest::newRow("one pixel too tall") << "tall.bmp" << tooLarge.arg(2).arg(8193);
        QTest::newRow("zero size") << "zero.bmp" << invalid;
        QTest::newRow("stored top down") << "top down.bmp" << tooLarge.arg(7).arg(20000);
        QTest::newRow("largest size, no data")
            << "large, little data.bmp" << invalid + ": die Datei endet vor dem Ende ihrer Pixel";
        QTest::newRow("height with no positive twin")
            << "lowest height.bmp" << invalid + ": die Höhe −2147483648 ist unmöglich";
    }

    void firstFailingCheckIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);

        const LoadedPicture picture = loadPicture(name, folder_.path());
        QCOMPARE(picture.error, error);
        QVERIFY(!picture.ok());
        QVERIFY(picture.image.isNull());
    }

    void bitmapLoadsWithItsSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("file");

        const QString folder = folder_.path();
        QTest::newRow("bare name") << "Pic.bmp" << folder << QSize(7, 5) << "Pic.bmp";
        QTest::newRow("folder ends in slash")
            << "Pic.bmp" << folder + "/" << QSize(7, 5) << "Pic.bmp";
        QTest::newRow("upper-case extension")
            << "UPPER.BMP" << folder << QSize(3, 2) << "UPPER.BMP";
        QTest::newRow("absolute name")
            << path("Pic.bmp") << QString("/elsewhere") << QSize(7, 5) << "Pic.bmp";
        QTest::newRow("backslash, other case")
            << "sub\\Pic.bmp" << folder << QSize(2, 9) << "sub/pic.bmp";
        QTest::newRow("every part in other case")
            << "SUB\\PIC.BMP" << folder << QSize(2, 9) << "sub/pic.bmp";
        QTest::newRow("two folders deep")
            << "Deep\\Er\\X.bmp" << folder << QSize(6, 1) << "deep/er/x.bmp";
        QTest::newRow("name only in other case") << "pic.BMP" << folder << QSize(7, 5) << "Pic.bmp";
        QTest::newRow("through a folder and back")
            << "sub/../top.bmp" << folder << QSize(1, 1) << "sub/../top.bmp";
        QTest::newRow("back up, other case")
            << "SUB\\..\\TOP.bmp" << folder << QSize(1, 1) << "sub/../top.bmp";
    }

    void bitmapLoadsWithItsSize()
    {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QFETCH(QSize, size);
        QFETCH(QString, file);

        const LoadedPicture picture = loadPicture(name, folder);
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QCOMPARE(picture.image.size(), size);
        QCOMPARE(picture.image.pixelColor(0, 0), QColor(Qt::darkCyan));
        // A file system that ignores case (Windows') opens the name as the skin spells it.
        const bool ignoresCase =
            QFileInfo::exists(picture.path.toUpper()) && QFileInfo::exists(picture.path.toLower());
        QCOMPARE(
            picture.path.compare(path(file), ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive),
            0);
    }

    // Qt's own ceiling of 128 MiB would call it damaged; the file is sparse, all black.
    void largestBitmapDecodes()
    {
        const QString name = QStringLiteral("largest.bmp");
        const QByteArray header = withDeclaredSize(bitmapBytes({1, 1}), 8192, 8192).left(54);
        writeBytes(name, header);
        QFile file(path(name));
        QVERIFY(file.resize(header.size() + qint64{8192} * 8192 * 3));
        QElapsedTimer clock;
        clock.start();
        const LoadedPicture picture = loadPicture(name, folder_.path());
        QVERIFY2(picture.ok(), qPrintable(picture.error));
        QCOMPARE(picture.image.size(), QSize(8192, 8192));
        QVERIFY2(clock.elapsed() < 20000, "the largest bitmap must decode in seconds");
        file.remove();
    }

    // The check takes a run-length encoded bitmap's digest while reading it, without Qt's
    // decoder; a bitmap it finds odd goes to the decoder, so both judge every file alike.
    void digestOfARunLengthBitmapSeesWhatTheDecoderSees_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("pixels");
        QTest::addColumn<bool>("plain"); // only then are the pixels all defined

        const QSize size(4, 2);
        QTest::newRow("runs and written-out pixels")
            << 8 << size << QByteArray::fromHex("0401 0000 0003 000102 00 0101 0000 0001") << true;
        QTest::newRow("4 bits, odd runs")
            << 4 << QSize(5, 2) << QByteArray::fromHex("0512 0000 0005 012010 00 0000 0001")
            << true;
        QTest::newRow("last row ended by the end")
            << 8 << size << QByteArray::fromHex("0401 0000 0402 0001") << true;
        QTest::newRow("a jump") << 8 << size << QByteArray::fromHex("0002 0100 0401 0000 0001")
                                << false;
        QTest::newRow("a row too short")
            << 8 << size << QByteArray::fromHex("0301 0000 0401 0000") << false;
        QTest::newRow("a run past the row")
            << 8 << size << QByteArray::fromHex("0601 0000 0401 0000") << false;
        QTest::newRow("a colour beyond the table")
            << 8 << size << QByteArray::fromHex("0407 0000 0401 0000") << false;
        QTest::newRow("ends in its last row")
            << 8 << size << QByteArray::fromHex("0401 0000 0201") << false;
        QTest::newRow("end of the picture early")
            << 8 << size << QByteArray::fromHex("0401 0001") << false;
        QTest::newRow("stored top down")
            << 8 << QSize(4, -2) << QByteArray::fromHex("0401 0000 0401 0000") << false;
    }

    void digestOfARunLengthBitmapSeesWhatTheDecoderSees()
    {
        QFETCH(int, bits);
        QFETCH(QSize, size);
        QFETCH(QByteArray, pixels);
        QFETCH(bool, plain);
        const QString name = QStringLiteral("encoded.bmp");
        writeBytes(name, runLengthEncoded(bits, size, pixels));
        const LoadedPicture decoded = loadPicture(name, folder_.path(), PictureUse::Measure);
        const LoadedPicture digested = loadPicture(name, folder_.path(), PictureUse::Digest);
        QCOMPARE(digested.error, decoded.error);
        QCOMPARE(digested.pixelSize, decoded.image.size());
        if (plain)
            QCOMPARE(digested.pixels, pixelDigest(decoded.image));
    }

    void exactSpellingWinsOverOtherCase()
    {
        QTemporaryDir dir;
        QImage(1, 1, QImage::Format_RGB32).save(dir.filePath("a.bmp"), "BMP");
        QImage(2, 2, QImage::Format_RGB32).save(dir.filePath("A.bmp"), "BMP");
        if (QDir(dir.path()).entryList(QDir::Files).size() != 2)
            QSKIP("This file system ignores case itself.");

        QCOMPARE(loadPicture("a.bmp", dir.path()).image.size(), QSize(1, 1));
        QCOMPARE(loadPicture("A.bmp", dir.path()).image.size(), QSize(2, 2));
        QCOMPARE(resolvePicturePath("A.bmp", dir.path()), dir.filePath("A.bmp"));
    }

    // A lexical clean-up of ".." would find files that the file system would not.
    void dotDotFollowsTheFileSystem()
    {
        // Linux refuses a missing folder before "..", Windows does not.
        QFile spelled(path("nosuch/../top.bmp"));
        QCOMPARE(loadPicture("nosuch/../top.bmp", folder_.path()).ok(),
                 spelled.open(QIODevice::ReadOnly));

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("other/inner"));
        QImage(1, 1, QImage::Format_RGB32).save(dir.filePath("top.bmp"), "BMP");
        QImage(3, 3, QImage::Format_RGB32).save(dir.filePath("other/top.bmp"), "BMP");
        if (!QFile::link(dir.filePath("other/inner"), dir.filePath("link")) ||
            !QFileInfo(dir.filePath("link")).isDir())
            QSKIP("No folder links here.");
        QCOMPARE(loadPicture("link/../top.bmp", dir.path()).image.size(), QSize(3, 3));
        QCOMPARE(loadPicture("LINK\\..\\TOP.BMP", dir.path()).image.size(), QSize(3, 3));
    }

    void unresolvableNameComesBackSpelled()
    {
        const QString folder = folder_.path();
        QCOMPARE(resolvePicturePath("Nope\\x.bmp", folder), folder + "/Nope/x.bmp");
        QCOMPARE(resolvePicturePath("sub\\nope.bmp", folder), folder + "/sub/nope.bmp");
    }
};

QTEST_GUILESS_MAIN(PictureLoaderTest)
#include "tst_pictureloader.moc"
