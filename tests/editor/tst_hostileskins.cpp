#include "tests/editor/EditorProbe.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/SkinFixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

using namespace std::chrono_literals;

// Files no player would ever write, through the whole load: each either loads or
// is turned away with its message; none crashes, hangs or runs away with memory.
class HostileSkinsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(folder_->filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }
    QByteArray fixtureText(SkinFixture fixture) const
    {
        QFile file(fixture.write(folder_->path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList boxes() const
    {
        QStringList texts;
        for (const ScriptedDialogs::Call &call : probe_->dialogs->calls())
            texts << call.text;
        return texts;
    }
    bool loaded() const { return !probe_->form->document().targetVersion.empty(); }
    // A named pipe or a link to a device that never ends; false where there is none.
    bool makeNoFile(const QString &kind, const QString &path) const
    {
        QFile::remove(path);
        return kind == QLatin1String("pipe") ? makeFifo(path) : QFile::link("/dev/zero", path);
    }
    static void noFiles()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to an endless device") << "device";
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
    }

    void garbageIsNoSkin_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray noise(1 << 20, '\0');
        QRandomGenerator random(7);
        for (char &byte : noise)
            byte = static_cast<char>(random.bounded(256));
        QTest::newRow("binary noise") << noise;
        QTest::newRow("nul bytes") << QByteArray(4096, '\0');
        QTest::newRow("one megabyte line") << QByteArray(1 << 20, '[');
        QByteArray sections;
        for (int i = 0; i < 20000; ++i)
            sections += "[s" + QByteArray::number(i) + "]\nk=v\n";
        QTest::newRow("thousands of sections") << sections;
        QTest::newRow("50 MB") << QByteArray(50 << 20, 'x').replace(4096, 2, "\r\n");
    }
    void garbageIsNoSkin()
    {
        QFETCH(QByteArray, bytes);
        QElapsedTimer clock;
        clock.start();
        probe_->form->load(write(QStringLiteral("garbage.lkv"), bytes));
        QVERIFY2(clock.elapsed() < 20000, "a file that is no skin must be turned away quickly");
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Message), 1);
        QVERIFY(!loaded());
    }

    void skinsThatAreNoFilesAreTurnedAway_data() { noFiles(); }
    void skinsThatAreNoFilesAreTurnedAway()
    {
        QFETCH(QString, kind);
        const QString skin = folder_->filePath(QStringLiteral("skin.lkv"));
        if (!makeNoFile(kind, skin))
            QSKIP("This system has no such file.");
        const FifoRelease release(skin, 3s);
        const Watchdog watchdog(20s, "opening a skin that is no file");
        QElapsedTimer clock;
        clock.start();
        probe_->form->load(skin);
        QVERIFY2(clock.elapsed() < 2000, "a skin that is no file must be turned away at once");
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Message), 1);
        QVERIFY(!loaded());
    }

    void bitmapsThatAreNoFilesStopTheLoadWithTheReason_data() { noFiles(); }
    void bitmapsThatAreNoFilesStopTheLoadWithTheReason()
    {
        QFETCH(QString, kind);
        const QString skin = SkinFixture(true).write(folder_->path());
        const QString bitmap = folder_->filePath(QStringLiteral("e29_up.bmp"));
        if (!makeNoFile(kind, bitmap))
            QSKIP("This system has no such file.");
        const FifoRelease release(bitmap, 3s);
        const Watchdog watchdog(20s, "opening a skin whose bitmap is no file");
        QElapsedTimer clock;
        clock.start();
        probe_->form->load(skin);
        QVERIFY2(clock.elapsed() < 2000, "a bitmap that is no file must be refused at once");
        const QStringList errors = probe_->dialogs->texts(ScriptedDialogs::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.front().contains(QStringLiteral("e29_up.bmp")) &&
                     errors.front().contains(QStringLiteral("keine gewöhnliche Datei")),
                 qPrintable(errors.front()));
    }

    void oddValuesStillLoad_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QRect>("place");
        QTest::newRow("beyond 32 bits")
            << QByteArray("btn_stop") << QByteArray("position")
            << QByteArray("99999999999, -99999999999, 0, 0") << QRect(0, 0, 22, 10);
        QTest::newRow("largest place") << QByteArray("btn_stop") << QByteArray("position")
                                       << QByteArray("2147483647, -2147483648, 0, 0")
                                       << QRect(2147483647 - 22, -2147483647 - 1, 22, 10);
        QTest::newRow("negative size") << QByteArray("btn_stop") << QByteArray("size")
                                       << QByteArray("-40, -2147483648") << QRect(100, 130, 0, 0);
        QTest::newRow("huge size")
            << QByteArray("btn_stop") << QByteArray("size") << QByteArray("2147483647, 99999")
            << QRect(100, 130, maxSkinSide, maxSkinSide);
    }
    void oddValuesStillLoad()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QRect, place);
        SkinFixture fixture(true);
        fixture.set(section.toStdString(), key.toStdString(), value.toStdString());
        probe_->open(folder_->path(), std::move(fixture));
        QVERIFY(boxes().isEmpty());
        QCOMPARE(probe_->view("Image30s")->geometry(), place);
        const Rect &model = probe_->element(30).geometry;
        QCOMPARE(QRect(model.left, model.top, model.width, model.height), place);
    }

    void listPlaceAtTheEndsOfTheRangeLoads()
    {
        SkinFixture fixture(false);
        fixture.set("dlg_main", "position_m", "-2147483648, 2147483647");
        fixture.set("dlg_main", "position_g", "2147483647, -2147483648");
        probe_->open(folder_->path(), std::move(fixture));
        QVERIFY(boxes().isEmpty());
        QCOMPARE(probe_->view("ListSchedule")->x(), -2147483647 - 1);
    }

    void longLinesAndManySectionsStillLoad()
    {
        QByteArray text = fixtureText(SkinFixture(true));
        text += "// " + QByteArray(1 << 20, 'c') +
                "\r\n[unknown]\r\nkey=" + QByteArray(1 << 20, 'v') + "\r\n";
        for (int i = 0; i < 5000; ++i)
            text += "[extra" + QByteArray::number(i) + "]\r\nk=1\r\n";
        probe_->form->load(write(QStringLiteral("long.lkv"), text));
        QVERIFY(boxes().isEmpty());
        QVERIFY(loaded());
    }

    void bitmapNamesThatLeadElsewhere()
    {
        QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("skin/inner")));
        QImage image(9, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(folder_->filePath(QStringLiteral("outside.bmp")), "BMP");
        image.save(folder_->filePath(QStringLiteral("skin/Gr\u00fcn.bmp")), "BMP");
        image.save(folder_->filePath(QStringLiteral("absolute.bmp")), "BMP");
        SkinFixture fixture(true);
        fixture.write(folder_->filePath(QStringLiteral("skin")));
        QByteArray text = fixtureText(SkinFixture(true));
        const QByteArray absolute = folder_->filePath(QStringLiteral("absolute.bmp")).toUtf8();
        text.replace("bitmap_up = e05_up.bmp", "bitmap_up = ..\\outside.bmp");
        text.replace("bitmap_up = e07_up.bmp", "bitmap_up = Gr\xfcn.bmp");
        text.replace("bitmap_up = e08_up.bmp", "bitmap_up = " + absolute);
        probe_->form->load(write(QStringLiteral("skin/odd.lkv"), text));
        QCOMPARE(boxes(), QStringList());
        for (const char *name : {"Image05p", "Image07p", "Image08p"})
            QCOMPARE(probe_->view(name)->pixmap().size(), QSize(9, 4));
    }

    void bitmapWithALyingHeaderStopsTheLoadWithItsMessage()
    {
        SkinFixture fixture(true);
        const QString skin = fixture.write(folder_->path());
        QFile bitmap(folder_->filePath(QStringLiteral("e29_up.bmp")));
        QVERIFY(bitmap.open(QIODevice::ReadWrite));
        QByteArray bytes = bitmap.readAll();
        qToLittleEndian<qint32>(20000, bytes.data() + 18);
        bitmap.seek(0);
        bitmap.write(bytes.left(60));
        bitmap.resize(60);
        bitmap.close();
        probe_->form->load(skin);
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::Error),
                 QStringList{QStringLiteral("Bitmap ist zu groß (20000 × 14 Pixel, erlaubt "
                                            "sind höchstens 8192 × 8192).")});
    }

    void tallPlayerListShowsWithinTheCeiling()
    {
        SkinFixture fixture(true);
        fixture.set("player_view", "height", "100000000");
        probe_->open(folder_->path(), std::move(fixture));
        QVERIFY(boxes().isEmpty());
        QElapsedTimer clock;
        clock.start();
        probe_->form->show();
        probe_->child<QTabWidget>(QStringLiteral("Notebook"))
            ->setCurrentIndex(static_cast<int>(Page::Player));
        QVERIFY(!probe_->form->grab().isNull());
        QVERIFY2(clock.elapsed() < 5000, "the Player page must show at once");
        QCOMPARE(probe_->view("ListPlayer")->height(), maxSkinSide);
    }

    // The headers alone promise three pages of the largest size; nothing is decoded.
    void picturesBeyondTheBudgetAreToldByName()
    {
        const QString skin = SkinFixture(true).write(folder_->path());
        QFile first(folder_->filePath(QStringLiteral("g0.bmp")));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QByteArray header = first.read(60);
        qToLittleEndian<qint32>(8192, header.data() + 18);
        qToLittleEndian<qint32>(8192, header.data() + 22);
        for (const char *name : {"g0.bmp", "g1.bmp", "g2.bmp"})
            write(QString::fromLatin1(name), header);
        QElapsedTimer clock;
        clock.start();
        probe_->form->load(skin);
        QVERIFY2(clock.elapsed() < 2000, "a skin beyond the budget must be told at once");
        const QStringList errors = probe_->dialogs->texts(ScriptedDialogs::Error);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.front().contains(QStringLiteral("512 MiB")) &&
                     errors.front().contains(QStringLiteral("„g1.bmp“ (256 MiB)")),
                 qPrintable(errors.front()));
        QVERIFY(probe_->form->checkReport().isHidden());
    }
};

QTEST_MAIN(HostileSkinsTest)
#include "tst_hostileskins.moc"
