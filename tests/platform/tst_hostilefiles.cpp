#include "ini/FileBytes.h"
#include "platform/FileContents.h"
#include "platform/FileWrites.h"
#include "platform/PictureLoader.h"
#include "tests/support/HostileFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <system_error>

Q_DECLARE_METATYPE(std::error_code)

using namespace std::chrono_literals;

// Files no one means well with, through the platform's readers: each is answered at once
// with what is wrong, without reading a device dry or waiting on a pipe.
class HostileFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;

    QString path(const QString &name) const { return folder_->filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir(folder_->path()).mkpath(QFileInfo(name).path());
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Makes the kind of file the row names under `name`.
    bool make(const QString &kind, const QString &name) const
    {
        if (kind == QLatin1String("pipe"))
            return makeFifo(path(name));
        if (kind == QLatin1String("device"))
            return QFileInfo::exists(QStringLiteral("/dev/zero")) &&
                   QFile::link(QStringLiteral("/dev/zero"), path(name));
        return QDir(folder_->path()).mkdir(name);
    }

    static void kinds()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to an endless device") << "device";
        QTest::newRow("folder") << "folder";
    }

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }

    void wholeFileReadsRefuseWhatIsNoFile_data() { kinds(); }
    void wholeFileReadsRefuseWhatIsNoFile()
    {
        QFETCH(QString, kind);
        if (!make(kind, QStringLiteral("skin.lkv")))
            QSKIP("This system has no such file.");
        const FifoRelease release(path("skin.lkv"), 3s);
        QElapsedTimer clock;
        clock.start();
        bool qtRead = true;
        bool plainRead = true;
        finishWithin(10s, "reading a file that is no file", [&] {
            qtRead = fileContents(path("skin.lkv")).has_value();
            plainRead = readFileBytes(path("skin.lkv").toStdString()).has_value();
        });
        QVERIFY2(clock.elapsed() < 2000, "a file that is no file must be refused at once");
        QVERIFY(!qtRead);
        QVERIFY(!plainRead);
    }

    void wholeFileReadsStopAtTheLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("read");
        QTest::newRow("below") << 999 << true;
        QTest::newRow("exactly the limit") << 1000 << true;
        QTest::newRow("one byte more") << 1001 << false;
    }
    void wholeFileReadsStopAtTheLimit()
    {
        QFETCH(int, size);
        QFETCH(bool, read);
        write(QStringLiteral("file"), QByteArray(size, 'x'));
        QCOMPARE(fileContents(path("file"), 1000).has_value(), read);
    }

    void picturesThatAreNoFilesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to an endless device") << "device";
    }
    void picturesThatAreNoFilesAreRefusedWithTheReason()
    {
        QFETCH(QString, kind);
        if (!make(kind, QStringLiteral("bg.bmp")))
            QSKIP("This system has no such file.");
        const FifoRelease release(path("bg.bmp"), 3s);
        QElapsedTimer clock;
        clock.start();
        LoadedPicture picture;
        finishWithin(10s, "loading a picture that is no file",
                     [&] { picture = loadPicture(QStringLiteral("BG.BMP"), folder_->path()); });
        QVERIFY2(clock.elapsed() < 2000, "a picture that is no file must be refused at once");
        QVERIFY(!picture.ok());
        QVERIFY2(picture.error.contains(QStringLiteral("keine gewöhnliche Datei")),
                 qPrintable(picture.error));
    }

    // A name no file system takes is refused before any search; one that fits is
    // searched with each folder listed once, however often the name passes through it.
    void namesResolveInTimeLinearInTheirLength_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("tooLong");
        QString parts;
        for (int i = 0; i < 500000; ++i)
            parts += QStringLiteral("a/");
        QTest::newRow("half a million parts") << parts + QStringLiteral("x.bmp") << true;
        QTest::newRow("one part too long") << QString(256, 'b') + QStringLiteral(".bmp") << true;
        QTest::newRow("path too long") << QStringLiteral("a/").repeated(2100) + "x.bmp" << true;
#ifndef Q_OS_WIN
        // Windows finds a name whatever its case, so the search this row times never runs
        // there; under Wine each part would only time Wine's own scan of the folder.
        QTest::newRow("through a large folder and back")
            << QStringLiteral("BIG/../").repeated(540) + QStringLiteral("BIG/f1.BMP") << false;
#endif
    }
    void namesResolveInTimeLinearInTheirLength()
    {
        QFETCH(QString, name);
        QFETCH(bool, tooLong);
        QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("a/a/a")));
        if (!tooLong) {
            for (int i = 0; i < 20000; ++i)
                QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("big%1").arg(i)));
            write(QStringLiteral("big/f1.bmp"), "not a bitmap");
        }
        QElapsedTimer clock;
        clock.start();
        LoadedPicture picture;
        finishWithin(20s, "resolving a picture name",
                     [&] { picture = loadPicture(name, folder_->path()); });
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!picture.ok());
        QVERIFY2(picture.error.size() < 300, qPrintable(picture.error));
        if (tooLong)
            QVERIFY2(picture.error.contains(QStringLiteral("länger, als Dateisysteme erlauben")),
                     qPrintable(picture.error));
        else
            QCOMPARE(picture.error, QStringLiteral("Bitmap ist ungültig"));
    }

    // A failed write says what was in its way, in words a user can act on.
    void writeFailureNamesItsReason_data()
    {
        QTest::addColumn<std::error_code>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("link") << std::error_code(WriteRefusal::Link) << "eine Verknüpfung";
        QTest::newRow("device") << std::error_code(WriteRefusal::NotAPlainFile)
                                << "keine gewöhnliche Datei";
        QTest::newRow("exists") << std::error_code(WriteRefusal::Exists) << "--force";
        QTest::newRow("disk full")
            << std::make_error_code(std::errc::no_space_on_device) << "kein Platz mehr";
        QTest::newRow("read-only folder") << std::make_error_code(std::errc::permission_denied)
                                          << "Der Ordner %1 ist schreibgeschützt.";
        QTest::newRow("read-only disk") << std::make_error_code(std::errc::read_only_file_system)
                                        << "Der Datenträger ist schreibgeschützt.";
        QTest::newRow("missing folder")
            << std::make_error_code(std::errc::no_such_file_or_directory)
            << "Den Ordner %1 gibt es nicht.";
        QTest::newRow("folder in the way")
            << std::make_error_code(std::errc::is_a_directory) << "Dort steht ein Ordner.";
    }
    void writeFailureNamesItsReason()
    {
        QFETCH(std::error_code, error);
        QFETCH(QString, reason);
        const QFileInfo file(QStringLiteral("/nirgends/skin.lkv"));
        const QString text = writeFailureText(file.filePath(), error);
        QVERIFY2(text.startsWith(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. ")
                                     .arg(QDir::toNativeSeparators(file.filePath()))) &&
                     text.contains(reason.arg(QDir::toNativeSeparators(file.absolutePath()))),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
