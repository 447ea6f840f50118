#include "platform/PictureLoader.h"
#include "platform/SkinChecker.h"
#include "platform/SkinPackage.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/PackageFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

using namespace std::chrono_literals;

using Setup = std::function<QStringList(DemoSkinCopy &)>; // the bitmap names it set
using Target = std::function<QString(DemoSkinCopy &)>;
using Write = std::function<void(PackageWriter &)>;
using Patch = std::function<void(QByteArray &)>;

namespace {

int errorsOf(const SkinReport &report)
{
    return report.count(Severity::Error);
}

// Sets the player view's pictures, one name each.
QStringList name(DemoSkinCopy &skin, const QStringList &names)
{
    const QStringList keys{"bitmap_left", "bitmap_center", "bitmap_right"};
    for (qsizetype i = 0; i < names.size(); ++i)
        skin.setKey(QStringLiteral("player_view"), keys[i], names[i]);
    return names;
}

bool hasControls(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

// What the pack may not write and the unpack may not leave; and that the two agree.
class PackageFaultsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;

    QString path(const QString &name) const { return folder_->filePath(name); }

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }

    void packedNamesUnpackToTheSameFiles_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("one file by two spellings") << Setup([](DemoSkinCopy &skin) {
            return name(skin, {"./PV_LEFT.bmp", "pv_left.bmp"});
        });
        QTest::newRow("a folder by two spellings") << Setup([](DemoSkinCopy &skin) {
            QDir(skin.folder()).mkdir("sub");
            skin.writeBitmap("sub/x.bmp", 4, 4);
            return name(skin, {"sub/./x.bmp", "SUB\\X.bmp", "sub/X.bmp"});
        });
        QTest::newRow("through an empty folder and back") << Setup([](DemoSkinCopy &skin) {
            QDir(skin.folder()).mkdir("empty");
            return name(skin, {"empty/../pv_left.bmp", "Empty\\..\\PV_CENTER.BMP"});
        });
        QTest::newRow("a link inside the folder") << Setup([](DemoSkinCopy &skin) {
            QFile::link(QDir(skin.folder()).filePath("pv_right.bmp"),
                        QDir(skin.folder()).filePath("alias.bmp"));
            return name(skin, {"alias.bmp"});
        });
    }
    void packedNamesUnpackToTheSameFiles()
    {
        QFETCH(Setup, setup);
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), path("skin"));
        const QStringList names = setup(skin);
        const QString zip = path("skin.zip");
        const PackageResult packed = packSkin(skin.path(), zip);
        QVERIFY2(packed.ok(), qPrintable(packed.error));
        const QString unpacked = path("unpacked");
        const PackageResult result = unpackSkin(zip, unpacked);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.skins, QStringList{"nachtblau.lkv"});
        const QString skinThere = QDir(unpacked).filePath("nachtblau.lkv");
        QCOMPARE(bytesOf(skinThere), bytesOf(skin.path()));
        for (const QString &name : names) {
            const QByteArray there = bytesOf(resolvePicturePath(name, unpacked));
            QVERIFY2(!there.isEmpty(), qPrintable(name));
            QCOMPARE(there, bytesOf(resolvePicturePath(name, skin.folder())));
        }
        QCOMPARE(errorsOf(checkSkinFile(skinThere)), errorsOf(checkSkinFile(skin.path())));
    }

    void twoFilesThatDifferOnlyInCaseAreNotPacked()
    {
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), path("skin"));
        skin.writeBitmap("PV_LEFT.bmp", 3, 3);
        if (!QFile::exists(QDir(skin.folder()).filePath("pv_left.bmp")) ||
            bytesOf(QDir(skin.folder()).filePath("pv_left.bmp")) ==
                bytesOf(QDir(skin.folder()).filePath("PV_LEFT.bmp")))
            QSKIP("This file system ignores case itself.");
        name(skin, {"pv_left.bmp", "PV_LEFT.bmp"});
        const PackageResult packed = packSkin(skin.path(), path("skin.zip"));
        QVERIFY(!packed.ok());
        QVERIFY2(packed.error.contains("pv_left.bmp") && packed.error.contains("PV_LEFT.bmp"),
                 qPrintable(packed.error));
        QVERIFY(!QFile::exists(path("skin.zip")));
    }

    void packRefusesWhatItMustNotPack_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("link out of the folder") << Setup([this](DemoSkinCopy &skin) {
            QFile(path("secret.bmp")).open(QIODevice::WriteOnly);
            QFile::remove(QDir(skin.folder()).filePath("pv_left.bmp"));
            QFile::link(path("secret.bmp"), QDir(skin.folder()).filePath("pv_left.bmp"));
            return QStringList{"pv_left.bmp"};
        });
        QTest::newRow("folder linked out of the folder") << Setup([this](DemoSkinCopy &skin) {
            QDir(folder_->path()).mkdir("outside");
            QFile(path("outside/x.bmp")).open(QIODevice::WriteOnly);
            QFile::link(path("outside"), QDir(skin.folder()).filePath("ext"));
            return name(skin, {"ext/x.bmp"});
        });
        QTest::newRow("named pipe") << Setup([](DemoSkinCopy &skin) {
            QFile::remove(QDir(skin.folder()).filePath("pv_left.bmp"));
            return makeFifo(QDir(skin.folder()).filePath("pv_left.bmp"))
                       ? QStringList{"pv_left.bmp"}
                       : QStringList();
        });
        QTest::newRow("link to an endless device") << Setup([](DemoSkinCopy &skin) {
            QFile::remove(QDir(skin.folder()).filePath("pv_left.bmp"));
            return QFile::link("/dev/zero", QDir(skin.folder()).filePath("pv_left.bmp"))
                       ? QStringList{"pv_left.bmp"}
                       : QStringList();
        });
        QTest::newRow("the skin a named pipe") << Setup([](DemoSkinCopy &skin) {
            QFile::remove(skin.path());
            return makeFifo(skin.path()) ? QStringList{"nachtblau.lkv"} : QStringList();
        });
    }
    void packRefusesWhatItMustNotPack()
    {
        QFETCH(Setup, setup);
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), path("skin"));
        const QStringList names = setup(skin);
        if (names.isEmpty())
            QSKIP("This system has no such file.");
        const FifoRelease release(QDir(skin.folder()).filePath(names.front()), 3s);
        const QString zip = path("skin.zip");
        PackageResult packed;
        QElapsedTimer clock;
        clock.start();
        finishWithin(10s, "packing", [&] { packed = packSkin(skin.path(), zip); });
        QVERIFY2(clock.elapsed() < 2000, "a file that is no file must be refused at once");
        QVERIFY(!packed.ok());
        QVERIFY2(packed.error.contains(names.front()), qPrintable(packed.error));
        QVERIFY(!QFile::exists(zip));
    }

    void packNeverOverwritesItsOwnFiles_data()
    {
        QTest::addColumn<Target>("target");
        QTest::newRow("the skin") << Target([](DemoSkinCopy &skin) { return skin.path(); });
        QTest::newRow("one of its bitmaps") << Target(
            [](DemoSkinCopy &skin) { return QDir(skin.folder()).filePath("pv_left.bmp"); });
        QTest::newRow("a bitmap the skin names in another case") << Target([](DemoSkinCopy &skin) {
            name(skin, {"PV_LEFT.BMP"});
            return QDir(skin.folder()).filePath("pv_left.bmp");
        });
        QTest::newRow("a link to the skin") << Target([this](DemoSkinCopy &skin) {
            QFile::link(skin.path(), path("link.zip"));
            return path("link.zip");
        });
        QTest::newRow("a second name of a bitmap") << Target([this](DemoSkinCopy &skin) {
            std::error_code error;
            std::filesystem::create_hard_link(
                QFile::encodeName(QDir(skin.folder()).filePath("pv_left.bmp")).toStdString(),
                QFile::encodeName(path("hard.zip")).toStdString(), error);
            return path("hard.zip");
        });
    }
    void packNeverOverwritesItsOwnFiles()
    {
        QFETCH(Target, target);
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), path("skin"));
        const QString zip = target(skin);
        const QByteArray text = bytesOf(skin.path());
        const QByteArray bitmap = bytesOf(QDir(skin.folder()).filePath("pv_left.bmp"));
        const PackageResult packed = packSkin(skin.path(), zip);
        QVERIFY(!packed.ok());
        QCOMPARE(bytesOf(skin.path()), text);
        QCOMPARE(bytesOf(QDir(skin.folder()).filePath("pv_left.bmp")), bitmap);
    }

    // The last entry's bytes are spoilt, so the unpack fails after it made its folders.
    void refusedUnpacksLeaveNoFolder_data()
    {
        QTest::addColumn<bool>("folderThere");
        QTest::newRow("into an empty folder") << true;
        QTest::newRow("into a new folder under new folders") << false;
    }
    void refusedUnpacksLeaveNoFolder()
    {
        QFETCH(bool, folderThere);
        const QString zip = path("hostile.zip");
        PackageWriter writer(zip);
        writer.add("skin.lkv", "x");
        writer.add("sub/deep/a.bmp", "a");
        writer.add("sub/b.bmp", "b");
        writer.store(writer.add("zz/last.bmp", "SPOIL-THIS-ENTRY"));
        QVERIFY(writer.close());
        QByteArray bytes = bytesOf(zip);
        QVERIFY(bytes.contains("SPOIL-THIS-ENTRY"));
        bytes.replace("SPOIL-THIS-ENTRY", "SPOILT-THE-ENTRY");
        QFile file(zip);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const QString target = folderThere ? path("empty") : path("new/parents/target");
        if (folderThere)
            QVERIFY(QDir(folder_->path()).mkdir("empty"));
        const PackageResult result = unpackSkin(zip, target);
        QVERIFY(!result.ok());
        QCOMPARE(entriesUnder(folder_->path()),
                 folderThere ? QStringList({"empty", "hostile.zip"}) : QStringList{"hostile.zip"});
    }

    // Zippers on Windows and some scripts spell names so; each is a plain name inside.
    void otherSpellingsOfANameUnpackPlain()
    {
        const QString zip = path("spelt.zip");
        PackageWriter writer(zip);
        writer.add("./skin.lkv", "x");
        writer.add("notes//read.txt", "y");
        writer.add("more\\other.lkv", "z");
        QVERIFY(writer.close());
        const PackageResult result = unpackSkin(zip, path("target"));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.skins, (QStringList{"skin.lkv", "more/other.lkv"}));
        QCOMPARE(filesUnder(path("target")),
                 (QStringList{"more/other.lkv", "notes/read.txt", "skin.lkv"}));
    }

    void refusedPackagesSayWhy_data()
    {
        QTest::addColumn<Write>("write");
        QTest::addColumn<Patch>("patch");
        QTest::addColumn<QString>("because");
        QTest::newRow("a name given twice as it is") << Write([](PackageWriter &p) {
            p.add("skin.lkv", "x");
            p.add("skin.lkx", "y");
        }) << Patch([](QByteArray &bytes) { bytes.replace("skin.lkx", "skin.lkv"); })
                                                     << "skin.lkv zweimal";
        QTest::newRow("a name given twice in two spellings") << Write([](PackageWriter &p) {
            p.add("skin.lkv", "x");
            p.add("./skin.lkv", "y");
        }) << Patch([](QByteArray &) {}) << "skin.lkv zweimal";
        // Method 14 (LZMA) in the local and the central header of the one entry.
        QTest::newRow("a method Velmor lacks") << Write([](PackageWriter &p) {
            p.store(p.add("skin.lkv", "x"));
        }) << Patch([](QByteArray &bytes) {
            bytes[bytes.indexOf("PK\x03\x04") + 8] = 14;
            bytes[bytes.indexOf("PK\x01\x02") + 10] = 14;
        }) << "LZMA";
        QTest::newRow("a name no file system takes")
            << Write([](PackageWriter &p) { p.add(QByteArray(5000, 'n') + ".lkv", "x"); })
            << Patch([](QByteArray &) {}) << QString::fromUtf8("nnn…nnn");
        QTest::newRow("a line break in a name")
            << Write([](PackageWriter &p) { p.encrypt(p.add("evil\nname.lkv", "x")); })
            << Patch([](QByteArray &) {}) << "evil\\nname.lkv";
    }
    void refusedPackagesSayWhy()
    {
        QFETCH(Write, write);
        QFETCH(Patch, patch);
        QFETCH(QString, because);
        const QString zip = path("hostile.zip");
        PackageWriter writer(zip);
        write(writer);
        QVERIFY(writer.close());
        QByteArray bytes = bytesOf(zip);
        patch(bytes);
        QFile file(zip);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const PackageResult result = unpackSkin(zip, path("target"));
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains(because), qPrintable(result.error));
        QVERIFY2(result.error.size() < 300 && !hasControls(result.error), qPrintable(result.error));
        QCOMPARE(entriesUnder(folder_->path()), QStringList{"hostile.zip"});
    }
};

QTEST_GUILESS_MAIN(PackageFaultsTest)
#include "tst_packagefaults.moc"
