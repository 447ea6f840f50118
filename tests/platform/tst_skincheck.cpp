#include "platform/FileNames.h"
#include "platform/ProblemText.h"
#include "platform/SkinChecker.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/RunLengthBitmap.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

using Spoil = std::function<int(DemoSkinCopy &)>; // returns the line the problem is on

QStringList codesOf(const SkinReport &report)
{
    QStringList codes;
    for (const SkinProblem &problem : report.problems)
        codes << QString::fromLatin1(codeName(problem.code));
    return codes;
}

const SkinProblem *find(const SkinReport &report, const QString &code)
{
    for (const SkinProblem &problem : report.problems) {
        if (QLatin1String(codeName(problem.code)) == code)
            return &problem;
    }
    return nullptr;
}

// A bitmap header that promises more than the loader takes, with no pixels behind it.
QByteArray hugeBitmapHeader()
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    header[14] = 40;
    header[18] = char(0x28); // width 9000 = 0x2328
    header[19] = char(0x23);
    header[22] = 10;
    return header;
}

// Spoils the state key's bitmap of an element; returns the file the key names afterwards.
using Repaint = std::function<QString(DemoSkinCopy &, const QString &section, const QString &key)>;

QString bitmapOf(const DemoSkinCopy &skin, const QString &section, const QString &key)
{
    return QDir(skin.folder()).filePath(section + key.mid(6) + QStringLiteral(".bmp"));
}

// The bits per pixel a BMP file's header declares, so that a test knows it changed them.
int bitsPerPixel(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    return header.size() < 30 ? 0 : quint8(header[28]) | quint8(header[29]) << 8;
}

// The same colours at the other end of a table of 256, so that the indexes differ from
// the picture's own table and only the colours stay; a table of 16 colours or fewer
// would be written with 4 bits again.
QImage reindexed(const QImage &picture)
{
    QList<QRgb> table = picture.colorTable();
    table.resize(256, qRgb(0, 0, 0));
    std::reverse(table.begin(), table.end());
    QImage result(picture.size(), QImage::Format_Indexed8);
    result.setColorTable(table);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            result.setPixel(x, y, 255 - picture.pixelIndex(x, y));
    }
    return result;
}

// Writes the up picture over the state's bitmap in another colour format; names no file
// when the format did not take.
Repaint upPictureAs(QImage::Format format, int bits)
{
    return [format, bits](DemoSkinCopy &skin, const QString &section, const QString &key) {
        const QString state = bitmapOf(skin, section, key);
        QImage picture =
            QImage(bitmapOf(skin, section, QStringLiteral("bitmap_up"))).convertToFormat(format);
        if (format == QImage::Format_Indexed8)
            picture = reindexed(picture);
        if (!picture.save(state, "BMP") || bitsPerPixel(state) != bits)
            return QString();
        return QFileInfo(state).fileName();
    };
}

#ifdef Q_OS_LINUX
// The most memory the process held since the last reset; -1 where it cannot be told.
qint64 peakKiB(bool reset)
{
    if (reset) {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
            return -1;
    }
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray key = reset ? "VmRSS:" : "VmHWM:";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').front().toLongLong();
    }
    return -1;
}
#endif

// While it lives, the skin's folder is the current one.
class InFolder {
public:
    explicit InFolder(const QString &folder) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~InFolder() { QDir::setCurrent(previous_); }
    InFolder(const InFolder &) = delete;
    InFolder &operator=(const InFolder &) = delete;

private:
    QString previous_;
};

} // namespace

class SkinCheckTest : public QObject {
    Q_OBJECT

private slots:
    void demoSkinsCheckClean_data()
    {
        QTest::addColumn<QString>("demo");
        QTest::addColumn<QString>("version");
        QTest::newRow("1.4") << "nachtblau-14"
                             << "Orvana one 1.4";
        QTest::newRow("1.5") << "sonnengelb-15"
                             << "Orvana one 1.5";
    }

    void demoSkinsCheckClean()
    {
        QFETCH(QString, demo);
        QFETCH(QString, version);
        const QString folder = DemoSkinCopy::demoFolder(demo);
        const QString path = QDir(folder).filePath(QDir(folder).entryList({"*.lkv"}).value(0));
        const SkinReport report = checkSkinFile(path);
        QCOMPARE(codesOf(report), QStringList());
        QCOMPARE(QString::fromStdString(report.version), version);
        // Every bitmap the demos carry is named by a key.
        QCOMPARE(codesOf(checkSkinFile(path, CheckScope::WithNotes)), QStringList());
    }

    void eachProblemIsFoundWhereItIs_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("element");

        QTest::newRow("missing-file") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_exit", "bitmap_do", "nosuch.bmp");
        }) << "missing-file" << 9;
        QTest::newRow("unknown-extension") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("player_view", "bitmap_stream", "pv_stream.png");
        }) << "unknown-extension" << 0;
        QTest::newRow("invalid-bitmap") << Spoil([](DemoSkinCopy &skin) {
            skin.writeFile("btn_about_up.bmp", "no bitmap at all");
            return skin.lineOf("btn_about", "bitmap_up");
        }) << "invalid-bitmap" << 22;
        QTest::newRow("bitmap-too-large") << Spoil([](DemoSkinCopy &skin) {
            skin.writeFile("bg_player.bmp", hugeBitmapHeader());
            return skin.lineOf("dlg_main", "bitmap1");
        }) << "bitmap-too-large" << 0;
        QTest::newRow("case-mismatch") << Spoil([](DemoSkinCopy &skin) {
            QFile::rename(QDir(skin.folder()).filePath("btn_skin_mo.bmp"),
                          QDir(skin.folder()).filePath("Btn_Skin_MO.bmp"));
            return skin.lineOf("btn_skin", "bitmap_mo");
        }) << "case-mismatch" << 11;
        QTest::newRow("missing-key")
            << Spoil([](DemoSkinCopy &skin) { return skin.removeKey("btn_zoom_in", "bitmap_da"); })
            << "missing-key" << 35;
        QTest::newRow("state-size-differs") << Spoil([](DemoSkinCopy &skin) {
            skin.writeBitmap("btn_stop_da.bmp", 5, 5);
            return skin.lineOf("btn_stop", "bitmap_da");
        }) << "state-size-differs" << 30;
        QTest::newRow("bitmap-size-differs")
            << Spoil([](DemoSkinCopy &skin) { return skin.setKey("btn_exit", "size", "40,28"); })
            << "bitmap-size-differs" << 9;
        QTest::newRow("outside-page") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_exit", "position", "980,8, 0, 0");
        }) << "outside-page" << 9;
        QTest::newRow("covered-by-list") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_del_stream", "position", "100,150, 0, 0");
        }) << "covered-by-list" << 15;
        QTest::newRow("overlap") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_exit", "position", "930,8, 0, 0");
        }) << "overlap" << 9;
        QTest::newRow("section-typo") << Spoil([](DemoSkinCopy &skin) {
            return skin.replaceLine(skin.lineOf("btn_wizard"), "[btn_wizzard]");
        }) << "section-typo" << 0;
        QTest::newRow("duplicate-section") << Spoil([](DemoSkinCopy &skin) {
            return skin.appendLines({"[btn_exit]", "position=1,1, 0, 0"});
        }) << "duplicate-section" << 0;
        QTest::newRow("missing-section") << Spoil([](DemoSkinCopy &skin) {
            skin.replaceLine(skin.lineOf("btn_upload"), "[old_upload]");
            return 0;
        }) << "missing-section" << 0;
    }

    void eachProblemIsFoundWhereItIs()
    {
        QFETCH(Spoil, spoil);
        QFETCH(QString, code);
        QFETCH(int, element);
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        const int line = spoil(skin);
        const SkinReport report = checkSkinFile(skin.path());
        const SkinProblem *problem = find(report, code);
        QVERIFY2(problem, qPrintable(codesOf(report).join(' ')));
        QCOMPARE(problem->line, line);
        QCOMPARE(problem->element ? problem->element->number : 0, element);
        QVERIFY(!problemMessage(*problem).isEmpty());
    }

    void everyBrokenBitmapIsReportedInTheOrderOfTheFile()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        skin.writeFile("btn_stop_up.bmp", "broken");
        skin.writeFile("bg_schedule.bmp", "broken too");
        const SkinReport report = checkSkinFile(skin.path());
        QCOMPARE(codesOf(report), (QStringList{"invalid-bitmap", "invalid-bitmap"}));
        QCOMPARE(report.problems[0].line, skin.lineOf("dlg_main", "bitmap0"));
        QCOMPARE(report.problems[1].line, skin.lineOf("btn_stop", "bitmap_up"));
        QCOMPARE(report.count(Severity::Error), 2);
    }

    void sectionsOfOtherNamesAreNoProblem()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        // A 1.4 skin lacks the 1.5 sections; only a near miss of one of them is suspect.
        skin.appendLines({"[my_notes]", "author=me", "[btn_extra]", "x=1"});
        QCOMPARE(codesOf(checkSkinFile(skin.path())), QStringList());
        skin.appendLines({"[btn_wizrd]", "x=1"});
        QCOMPARE(codesOf(checkSkinFile(skin.path())), QStringList{"section-typo"});
    }

    void aStateThatShowsTheUpPictureAgainIsFound_data()
    {
        QTest::addColumn<QString>("demo");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("element");
        QTest::addColumn<Repaint>("repaint");
        QTest::addColumn<QStringList>("codes");

        const QStringList same{"same-state-bitmap"};
        QTest::newRow("up file copied over mo")
            << "sonnengelb-15"
            << "btn_exit"
            << "bitmap_mo" << 9 << Repaint([](DemoSkinCopy &skin, auto &section, auto &key) {
                   const QString state = bitmapOf(skin, section, key);
                   QFile::remove(state);
                   QFile::copy(bitmapOf(skin, section, "bitmap_up"), state);
                   return QFileInfo(state).fileName();
               })
            << same;
        QTest::newRow("do names the up file")
            << "sonnengelb-15"
            << "btn_exit"
            << "bitmap_do" << 9 << Repaint([](DemoSkinCopy &skin, auto &section, auto &key) {
                   skin.setKey(section, key, "btn_exit_up.bmp");
                   return QStringLiteral("btn_exit_up.bmp");
               })
            << same;
        // The demos' pictures have 16 colours; the same picture with 256 or with true
        // colour is still the same to the player's eye.
        QTest::newRow("da saved with 8 bits")
            << "nachtblau-14"
            << "btn_stop"
            << "bitmap_da" << 30 << upPictureAs(QImage::Format_Indexed8, 8) << same;
        QTest::newRow("mo saved with 24 bits")
            << "nachtblau-14"
            << "btn_stop"
            << "bitmap_mo" << 30 << upPictureAs(QImage::Format_RGB32, 24) << same;
        QTest::newRow("mo differs by one pixel")
            << "sonnengelb-15"
            << "btn_stop"
            << "bitmap_mo" << 30 << Repaint([](DemoSkinCopy &skin, auto &section, auto &key) {
                   QImage picture = QImage(bitmapOf(skin, section, "bitmap_up"))
                                        .convertToFormat(QImage::Format_RGB32);
                   picture.setPixel(47, 39, picture.pixel(47, 39) ^ 0x000001u);
                   picture.save(bitmapOf(skin, section, key), "BMP");
                   return QFileInfo(bitmapOf(skin, section, key)).fileName();
               })
            << QStringList();
        QTest::newRow("da of another size")
            << "sonnengelb-15"
            << "btn_stop"
            << "bitmap_da" << 30 << Repaint([](DemoSkinCopy &skin, auto &section, auto &key) {
                   const QImage up(bitmapOf(skin, section, "bitmap_up"));
                   up.copy(0, 0, up.width() - 1, up.height()).save(bitmapOf(skin, section, key));
                   return QFileInfo(bitmapOf(skin, section, key)).fileName();
               })
            << QStringList{"state-size-differs"};
    }

    void aStateThatShowsTheUpPictureAgainIsFound()
    {
        QFETCH(QString, demo);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, element);
        QFETCH(Repaint, repaint);
        QFETCH(QStringList, codes);
        QTemporaryDir folder;
        DemoSkinCopy skin(demo, folder.path());
        const QString file = repaint(skin, section, key);
        const SkinReport report = checkSkinFile(skin.path());
        QCOMPARE(codesOf(report), codes);
        if (codes.isEmpty())
            return;
        const SkinProblem &problem = report.problems.front();
        QCOMPARE(problem.line, skin.lineOf(section, key));
        QCOMPARE(problem.element ? problem.element->number : 0, element);
        QCOMPARE(QString::fromStdString(problem.section), section);
        QCOMPARE(QString::fromStdString(problem.key), key);
        QCOMPARE(QString::fromStdString(problem.file), file);
        QVERIFY(severityOf(problem.code) == Severity::Warning);
        QVERIFY2(problemMessage(problem).contains(file), qPrintable(problemMessage(problem)));
    }

    // Of a run-length encoded bitmap a row at a time is decoded, however large: a skin
    // of such bitmaps of 5792 × 5792 pixels (32 MiB each decoded) is checked in little
    // memory and time.
    void hugeRunLengthBitmapsAreCheckedInLittleMemory()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        QByteArray encoded;
        {
            QImage picture(5792, 5792, QImage::Format_Indexed8);
            picture.setColorTable({qRgb(250, 200, 0), qRgb(20, 20, 90)});
            for (int y = 0; y < picture.height(); ++y)
                std::fill_n(picture.scanLine(y), picture.width(), uchar(y / 64 % 2));
            encoded = runLengthBitmap(picture);
        }
        const QStringList bitmaps = QDir(folder.path()).entryList({"btn_*_up.bmp"});
        for (const QString &name : bitmaps.mid(0, 24)) {
            QFile file(QDir(folder.path()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(encoded) == encoded.size());
        }
#ifdef Q_OS_LINUX
        const qint64 before = peakKiB(true);
#endif
        QElapsedTimer clock;
        clock.start();
        const SkinReport report = checkSkinFile(skin.path());
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(report.count(Severity::Error), 0);
        QVERIFY(codesOf(report).contains(QStringLiteral("bitmap-size-differs")));
#ifdef Q_OS_LINUX
        if (before < 0)
            QSKIP("This system does not tell the memory a process held at most.");
        const qint64 grown = peakKiB(false) - before;
        QVERIFY2(grown < 16 * 1024, qPrintable(QStringLiteral("%1 KiB").arg(grown)));
#endif
    }

    void bitmapsNoKeyNamesAreNotedOnlyWhenAsked()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        skin.writeBitmap("Extra.BMP", 4, 4);
        skin.writeFile("readme.txt", "not a picture");
        skin.setKey("btn_exit", "position", "930,8, 0, 0");
        QCOMPARE(codesOf(checkSkinFile(skin.path())), QStringList{"overlap"});

        const SkinReport report = checkSkinFile(skin.path(), CheckScope::WithNotes);
        QCOMPARE(codesOf(report), (QStringList{"overlap", "unused-bitmap"}));
        const SkinProblem &note = report.problems.back();
        QCOMPARE(QString::fromStdString(note.file), QStringLiteral("Extra.BMP"));
        QCOMPARE(note.line, 0);
        QVERIFY(!note.element);
        QCOMPARE(report.count(Severity::Note), 1);
        QCOMPARE(report.count(Severity::Warning), 1);
        QCOMPARE(report.count(Severity::Error), 0);
        QVERIFY2(problemMessage(note).contains("Extra.BMP"), qPrintable(problemMessage(note)));
    }

    // Skins that share a folder share its bitmaps: tidying one must not break the other.
    void aBitmapAnotherSkinBesideItNamesIsInUse()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        skin.writeBitmap("zweiter_exit_mo.bmp", 28, 28);
        skin.writeBitmap("Extra.BMP", 4, 4);
        QFile text(skin.path());
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray second = text.readAll().replace("btn_exit_mo.bmp", "zweiter_exit_mo.bmp");
        QFile other(QDir(folder.path()).filePath(QStringLiteral("zweiter.lkv")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write(second);
        other.close();
        for (const QString &path : {skin.path(), other.fileName()}) {
            const SkinReport report = checkSkinFile(path, CheckScope::WithNotes);
            QCOMPARE(codesOf(report), QStringList{"unused-bitmap"});
            QCOMPARE(QString::fromStdString(report.problems.back().file),
                     QStringLiteral("Extra.BMP"));
        }
    }

    void bitmapsNamedInAnotherSpellingAreUsed_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("key in capitals") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_exit", "bitmap_mo", "BTN_EXIT_MO.BMP");
        }) << QStringList{"case-mismatch"};
        QTest::newRow("file in capitals") << Spoil([](DemoSkinCopy &skin) {
            QFile::rename(QDir(skin.folder()).filePath("btn_skin_mo.bmp"),
                          QDir(skin.folder()).filePath("BTN_SKIN_MO.bmp"));
            return 0;
        }) << QStringList{"case-mismatch"};
        // The skin names it in Windows-1252, the folder in the file system's own encoding.
        QTest::newRow("with an umlaut") << Spoil([](DemoSkinCopy &skin) {
            QFile::rename(QDir(skin.folder()).filePath("btn_exit_mo.bmp"),
                          QDir(skin.folder()).filePath("Knöpfe_mo.bmp"));
            return skin.setKey("btn_exit", "bitmap_mo", "Knöpfe_mo.bmp");
        }) << QStringList();
        QTest::newRow("through the current folder") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_exit", "bitmap_mo", "./btn_exit_mo.bmp");
        }) << QStringList();
        QTest::newRow("with a backslash") << Spoil([](DemoSkinCopy &skin) {
            return skin.setKey("btn_exit", "bitmap_mo", ".\\btn_exit_mo.bmp");
        }) << QStringList();
    }

    void bitmapsNamedInAnotherSpellingAreUsed()
    {
        QFETCH(Spoil, spoil);
        QFETCH(QStringList, codes);
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        spoil(skin);
        QCOMPARE(codesOf(checkSkinFile(skin.path(), CheckScope::WithNotes)), codes);
    }

    // "velmor --check --all skin.lkv" in the skin's folder: the folder is then no name.
    void aSkinCheckedFromItsOwnFolderNotesOnlyTheExtraBitmap()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        skin.writeBitmap("old.bmp", 4, 4);
        const InFolder here(folder.path());
        const SkinReport report =
            checkSkinFile(QFileInfo(skin.path()).fileName(), CheckScope::WithNotes);
        QCOMPARE(codesOf(report), QStringList{"unused-bitmap"});
        QCOMPARE(QString::fromStdString(report.problems.front().file), QStringLiteral("old.bmp"));
    }

    // Unix names are bytes, and one that is no UTF-8 still names its file: the skin is
    // checked, and the bitmap beside it that no key names is noted with its bytes.
    void namesThatAreNoUtf8StillNameTheirFiles()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows names are UTF-16.");
#else
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        const QString odd = folder.filePath(fileNameFromBytes("\xff\xfe"));
        std::error_code error;
        std::filesystem::copy_file(systemPath(skin.path()), systemPath(odd + ".lkv"), error);
        std::filesystem::copy_file(systemPath(bitmapOf(skin, "btn_exit", "bitmap_up")),
                                   systemPath(odd + ".bmp"), error);
        if (error)
            QSKIP("This file system takes only UTF-8 names.");

        const SkinReport report = checkSkinFile(odd + ".lkv", CheckScope::WithNotes);
        QCOMPARE(codesOf(report), QStringList{"unused-bitmap"});
        QCOMPARE(report.problems.front().file, std::string("\xff\xfe.bmp"));
        QVERIFY2(problemMessage(report.problems.front()).contains("„\\xff\\xfe.bmp“"),
                 qPrintable(problemMessage(report.problems.front())));
#endif
    }

    // A package carries plain files; whatever else lies beside the skin is none of its
    // bitmaps, and a pipe must not be opened, or the check would wait for a writer.
    void onlyPlainFilesBesideTheSkinCanBeUnused()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        const QDir dir(folder.path());
        if (!makeFifo(dir.filePath("x.bmp")))
            QSKIP("This system has no named pipes.");
        const FifoRelease release(dir.filePath("x.bmp"), std::chrono::seconds(5));
        std::error_code error;
        const auto at = [&dir](const char *name) { return dir.filePath(name).toStdString(); };
        std::filesystem::create_symlink(at("btn_exit_up.bmp"), at("link.bmp"), error);
        std::filesystem::create_symlink(at("nothing.bmp"), at("dangling.bmp"), error);
        QVERIFY2(!error, error.message().c_str());
        QVERIFY(dir.mkpath("old"));
        QVERIFY(dir.mkpath("folder.bmp"));
        skin.writeBitmap("old/spare.bmp", 4, 4);

        QElapsedTimer clock;
        clock.start();
        const SkinReport report = checkSkinFile(skin.path(), CheckScope::WithNotes);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(codesOf(report), QStringList());
    }
};

QTEST_GUILESS_MAIN(SkinCheckTest)
#include "tst_skincheck.moc"
