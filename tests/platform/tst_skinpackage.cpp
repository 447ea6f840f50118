#include "platform/SkinChecker.h"
#include "platform/SkinPackage.h"
#include "tests/support/DemoSkinCopy.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <zip.h>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under the folder, relative to it, sorted.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    const QDir root(folder);
    std::function<void(const QString &)> walk = [&](const QString &path) {
        const QDir dir(path);
        for (const QFileInfo &entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                        QDir::Hidden | QDir::System)) {
            if (entry.isDir() && !entry.isSymLink())
                walk(entry.filePath());
            else
                files << root.relativeFilePath(entry.filePath());
        }
    };
    walk(folder);
    files.sort();
    return files;
}

// Writes a package the way a hostile or careless program might.
class PackageWriter {
public:
    explicit PackageWriter(const QString &path)
    {
        int error = 0;
        archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    }
    zip_int64_t add(const QByteArray &name, const QByteArray &bytes)
    {
        buffers_.append(bytes);
        zip_source_t *source =
            zip_source_buffer(archive_, buffers_.back().constData(), buffers_.back().size(), 0);
        return zip_file_add(archive_, name.constData(), source, ZIP_FL_ENC_UTF_8);
    }
    void makeLink(zip_int64_t index)
    {
        zip_file_set_external_attributes(archive_, index, 0, ZIP_OPSYS_UNIX, 0120777u << 16);
    }
    void encrypt(zip_int64_t index)
    {
        zip_file_set_encryption(archive_, index, ZIP_EM_AES_256, "geheim");
    }
    bool close() { return zip_close(archive_) == 0; }

private:
    zip_t *archive_ = nullptr;
    QList<QByteArray> buffers_;
};

} // namespace

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
        QCOMPARE(filesUnder(folder_->path()), QStringList{"hostile.zip"});
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

Q_DECLARE_METATYPE(std::function<void(PackageWriter &)>)

QTEST_GUILESS_MAIN(SkinPackageTest)
#include "tst_skinpackage.moc"
