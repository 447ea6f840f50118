#include "platform/SkinChecker.h"
#include "platform/SkinPackage.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/PackageFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(PackageWriter &)>)

class SkinPackageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }

    void aPackedSkinUnpacksToTheSameBytes()
    {
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder_->filePath("skin"));
        skin.writeFile(QStringLiteral("notes.txt"), "not part of the skin");
        const QString zip = folder_->filePath("skin.zip");
        QVERIFY(packSkin(skin.path(), zip).ok());

        const QString unpacked = folder_->filePath("unpacked");
        const PackageResult result = unpackSkin(zip, unpacked);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.skins, QStringList{"sonnengelb.lkv"});
        QStringList expected = filesUnder(skin.folder());
        expected.removeAll(QStringLiteral("notes.txt"));
        QCOMPARE(filesUnder(unpacked), expected);
        for (const QString &file : expected)
            QCOMPARE(bytesOf(QDir(unpacked).filePath(file)),
                     bytesOf(QDir(skin.folder()).filePath(file)));
        QCOMPARE(checkSkinPackage(zip).front().problems.size(), std::size_t{0});
    }

    void aMissingBitmapStopsThePack()
    {
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder_->filePath("skin"));
        QFile::remove(QDir(skin.folder()).filePath("btn_play_do.bmp"));
        const QString zip = folder_->filePath("skin.zip");
        const PackageResult result = packSkin(skin.path(), zip);
        QVERIFY(result.error.contains(QStringLiteral("btn_play_do.bmp")));
        QVERIFY(!QFile::exists(zip));
    }

    void hostilePackagesAreRefusedAndLeaveNothing_data()
    {
        QTest::addColumn<std::function<void(PackageWriter &)>>("write");
        using Write = std::function<void(PackageWriter &)>;
        QTest::newRow("parent folder")
            << Write([](PackageWriter &p) { p.add("../evil.lkv", "x"); });
        QTest::newRow("deeper parent")
            << Write([](PackageWriter &p) { p.add("a/../../evil.lkv", "x"); });
        QTest::newRow("absolute") << Write([](PackageWriter &p) { p.add("/tmp/evil.lkv", "x"); });
        QTest::newRow("drive letter") << Write([](PackageWriter &p) { p.add("C:evil.lkv", "x"); });
        QTest::newRow("backslash") << Write([](PackageWriter &p) { p.add("..\\evil.lkv", "x"); });
        QTest::newRow("link") << Write([](PackageWriter &p) {
            p.add("skin.lkv", "x");
            p.makeLink(p.add("bg.bmp", "/etc/passwd"));
        });
        QTest::newRow("twice, in another case") << Write([](PackageWriter &p) {
            p.add("skin.lkv", "x");
            p.add("SKIN.lkv", "y");
        });
        QTest::newRow("encrypted")
            << Write([](PackageWriter &p) { p.encrypt(p.add("skin.lkv", "x")); });
        QTest::newRow("too many entries") << Write([](PackageWriter &p) {
            for (int i = 0; i <= maxPackageEntries; ++i)
                p.add(QByteArray::number(i) + ".lkv", {});
        });
        QTest::newRow("too large unpacked") << Write([](PackageWriter &p) {
            p.add("skin.lkv", "x");
            p.add("bg.bmp", QByteArray(maxPackageBytes / 2, '\0'));
            p.add("bg2.bmp", QByteArray(maxPackageBytes / 2 + 1, '\0'));
        });
        QTest::newRow("no skin") << Write([](PackageWriter &p) { p.add("bg.bmp", "x"); });
    }

    void hostilePackagesAreRefusedAndLeaveNothing()
    {
        QFETCH(std::function<void(PackageWriter &)>, write);
        const QString zip = folder_->filePath("hostile.zip");
        PackageWriter writer(zip);
        write(writer);
        QVERIFY(writer.close());
        const QString target = folder_->filePath("inside/target");
        const PackageResult result = unpackSkin(zip, target);
        QVERIFY(!result.ok());
        QCOMPARE(entriesUnder(folder_->path()), QStringList{"hostile.zip"});
    }

    void damagedFilesAreNoPackages_data()
    {
        QTest::addColumn<double>("keep"); // what is left of the file
        QTest::newRow("empty") << 0.0;
        QTest::newRow("cut in the middle") << 0.5;
        QTest::newRow("cut at the end") << 0.999;
    }

    void damagedFilesAreNoPackages()
    {
        QFETCH(double, keep);
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder_->filePath("skin"));
        const QString zip = folder_->filePath("skin.zip");
        QVERIFY(packSkin(skin.path(), zip).ok());
        QByteArray bytes = bytesOf(zip);
        bytes.truncate(qsizetype(double(bytes.size()) * keep));
        QFile file(zip);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        const QString target = folder_->filePath("target");
        QVERIFY(!unpackSkin(zip, target).ok());
        QVERIFY(!QFileInfo::exists(target));
    }

    void aFolderThatIsNotEmptyIsNotUnpackedInto()
    {
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder_->filePath("skin"));
        const QString zip = folder_->filePath("skin.zip");
        QVERIFY(packSkin(skin.path(), zip).ok());
        QVERIFY(!unpackSkin(zip, skin.folder()).ok());
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_GUILESS_MAIN(SkinPackageTest)
#include "tst_skinpackage.moc"
