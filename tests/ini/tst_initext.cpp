#include "ini/FileBytes.h"
#include "ini/PairReader.h"
#include "ini/SettingsFile.h"
#include "ini/SkinWriter.h"
#include "tests/support/HostileFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::string_view sv(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One line of a golden ops.txt: Operation|Section|Ident|Value or Operation|Section|Ident|A|B.
bool applyOperation(SkinWriter &ini, const QByteArray &operation)
{
    const QByteArrayList f = operation.split('|');
    if (f[0] == "PutValue" && f.size() == 4)
        ini.PutValue(sv(f[1]), sv(f[2]), sv(f[3]));
    else if (f[0] == "PutPair" && f.size() == 5)
        ini.PutPair(sv(f[1]), sv(f[2]), sv(f[3]), sv(f[4]));
    else if (f[0] == "PutPairZeros" && f.size() == 5)
        ini.PutPairZeros(sv(f[1]), sv(f[2]), sv(f[3]), sv(f[4]));
    else
        return false;
    return true;
}

} // namespace

class IniTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString path(const QString &name) const { return dir_->filePath(name); }

    QString fileWith(const QByteArray &bytes)
    {
        const QString file = path(QStringLiteral("skin.ini"));
        if (!writeBytes(file, bytes))
            qFatal("cannot write the test file");
        return file;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void goldenLineEdits_data()
    {
        QTest::addColumn<QString>("folder");
        const QDir golden(QStringLiteral(VELMOR_TEST_DATA "/golden"));
        const QStringList cases = golden.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(!cases.isEmpty());
        for (const QString &name : cases)
            QTest::newRow(qPrintable(name)) << golden.filePath(name);
    }

    void goldenLineEdits()
    {
        QFETCH(QString, folder);
        const QString file = fileWith(readBytes(folder + "/input.ini"));
        SkinWriter ini(file.toStdString());
        for (const QByteArray &operation : readBytes(folder + "/ops.txt").split('\n')) {
            if (!operation.isEmpty())
                QVERIFY2(applyOperation(ini, operation), operation.constData());
        }
        ini.UpdateFile();
        QVERIFY(ini.LastWriteSucceeded());
        QCOMPARE(readBytes(file), readBytes(folder + "/expected.ini"));
    }

    void writeOperationPutsItsLineOnDiskAtOnce_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<QByteArray>("line");
        const auto row = [](const char *operation, QByteArray a, QByteArray b, QByteArray line) {
            QTest::newRow(line.constData()) << operation << a << b << line;
        };
        row("WriteValue", "play.bmp", "", "key=play.bmp");
        row("WriteValuePair", "75", "23", "key=75,23");
        row("WriteInteger", "-5", "", "key=-5");
        row("WriteInteger", "-2147483648", "", "key=-2147483648");
        row("WriteIntPair", "-5", "0", "key=-5,0");
        row("WriteIntPairZeros", "12", "40", "key=12,40, 0, 0");
    }

    void writeOperationPutsItsLineOnDiskAtOnce()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(QByteArray, line);
        const QString file = fileWith("[btn_play]\r\n");
        SkinWriter ini(file.toStdString());
        if (operation == "WriteValue")
            ini.WriteValue("btn_play", "key", sv(a));
        else if (operation == "WriteValuePair")
            ini.WriteValuePair("btn_play", "key", sv(a), sv(b));
        else if (operation == "WriteInteger")
            ini.WriteInteger("btn_play", "key", a.toInt());
        else if (operation == "WriteIntPair")
            ini.WriteIntPair("btn_play", "key", a.toInt(), b.toInt());
        else
            ini.WriteIntPairZeros("btn_play", "key", a.toInt(), b.toInt());
        QVERIFY(ini.LastWriteSucceeded());
        QCOMPARE(readBytes(file), "[btn_play]\r\n" + line + "\r\n");
    }

    void settingsValueOrDefault_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("ident");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, QByteArray text, QByteArray section, QByteArray ident,
                            QByteArray expected) {
            QTest::newRow(name) << text << section << ident << expected;
        };
        row("indented under blanked header", "[ update ]\r\n   server =  Server 2  // alt\r\n",
            "Update", "Server", "Server 2  // alt");
        row("trailing blanks trimmed", "[Info]\r\n\tNews = Keine News vorhanden \t \r\n", "Info",
            "News", "Keine News vorhanden");
        row("empty value is no default", "[A]\r\nk=\r\n", "A", "k", "");
        row("later equals kept", "[A]\r\nk=a=b\r\n", "A", "k", "a=b");
        row("same-name sections searched in turn", "[A]\r\nx=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\nk=4",
            "A", "k", "3");
        row("text after bracket ignored", "[A] ; x\r\nk=1\r\n", "A", "k", "1");
        row("missing key", "[A]\r\nk=1\r\n", "A", "j", "dflt");
        row("key above first header", "k=1\r\n[A]\r\n", "A", "k", "dflt");
        row("line without equals", "[A]\r\nk\r\n", "A", "k", "dflt");
        row("umlaut case not folded", "[\xc4]\r\nk=1\r\n", "\xe4", "k", "dflt");
    }

    void settingsValueOrDefault()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, ident);
        QFETCH(QByteArray, expected);
        const SettingsFile ini(fileWith(text).toStdString());
        QCOMPARE(QByteArray::fromStdString(ini.ReadValue(sv(section), sv(ident), "dflt")),
                 expected);
    }

    void settingsWriteReplacesIndentedLine()
    {
        const QString file = fileWith("[ update ]\r\n   server =  Server 2  // alt\r\n");
        SettingsFile ini(file.toStdString());
        ini.WriteValue("Update", "Server", "Server 1");
        QCOMPARE(readBytes(file), QByteArray("[ update ]\r\nserver=Server 1\r\n"));
    }

    void settingsWriteOnEmptyOrMissingFileCreatesSection()
    {
        for (const QString &file : {fileWith(""), path("Velmor.ini")}) {
            SettingsFile ini(file.toStdString());
            QCOMPARE(QByteArray::fromStdString(ini.ReadValue("Update", "Server", "dflt")), "dflt");
            ini.WriteValue("Update", "Server", "Server 1");
            QCOMPARE(readBytes(file), QByteArray("[Update]\r\nServer=Server 1\r\n"));
        }
    }

    // Each row reads one cut of the line twice: as text and as a number.
    void pairReaderTextAndNumber_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("cut");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("number");
        const auto row = [](const char *name, QByteArray line, const char *cut, QByteArray text,
                            int number) { QTest::newRow(name) << line << cut << text << number; };
        row("first of zeros", "position = 12, 40, 0, 0", "First", "12", 12);
        row("second before zeros", "position = 12, 40, 0, 0", "BeforeZeros", "40", 40);
        row("no zeros", "position=12,40", "BeforeZeros", "", 7);
        row("indented first", " \t position = 75 , 23", "First", "75", 75);
        row("second", "position = 75, 23 ", "Second", "23", 23);
        row("first without comma", "position=75", "First", "", 7);
        row("second is whole line", "\tposition=75", "Second", "position=75", 7);
        row("before comment", "position=190,95 // anfangsposition", "BeforeComment", "95", 95);
        row("no comment", "position=190,95", "BeforeComment", "", 7);
        row("letters", "position=12px,23", "First", "12px", 7);
        row("beyond 32 bits", "position=4294967308,23", "First", "4294967308", 7);
        row("beyond 64 bits", "position=18446744073709551628,2", "First", "18446744073709551628",
            7);
        row("smallest", "position=-2147483648,1", "First", "-2147483648", INT_MIN);
        row("largest plus one", "position=2147483648,1", "First", "2147483648", 7);
        row("negative second", "position=-5,-7", "Second", "-7", -7);
        row("missing key", "size=1,2", "Second", "dflt", 7);
    }

    void pairReaderTextAndNumber()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, cut);
        QFETCH(QByteArray, text);
        QFETCH(int, number);
        const PairReader ini(fileWith("[btn_play]\r\n" + line + "\r\n").toStdString());
        const char *s = "BTN_Play", *i = "Position";
        std::string readText;
        int readNumber = 0;
        if (cut == "First") {
            readText = ini.ReadFirst(s, i, "dflt");
            readNumber = ini.ReadFirstInt(s, i, 7);
        } else if (cut == "Second") {
            readText = ini.ReadSecond(s, i, "dflt");
            readNumber = ini.ReadSecondInt(s, i, 7);
        } else if (cut == "BeforeZeros") {
            readText = ini.ReadSecondBeforeZeros(s, i, "dflt");
            readNumber = ini.ReadSecondIntBeforeZeros(s, i, 7);
        } else {
            readText = ini.ReadSecondBeforeComment(s, i, "dflt");
            readNumber = ini.ReadSecondIntBeforeComment(s, i, 7);
        }
        QCOMPARE(QByteArray::fromStdString(readText), text);
        QCOMPARE(readNumber, number);
    }

    void unreadableFileReadsAsNoLinesAndIsNotCreated()
    {
        for (const QString &file : {fileWith(""), path("none.ini"), dir_->path()}) {
            const bool existed = QFileInfo::exists(file);
            {
                const PairReader ini(file.toStdString());
                QVERIFY(ini.Lines.empty());
                QCOMPARE(ini.ReadFirstInt("A", "k", 7), 7);
                QCOMPARE(QByteArray::fromStdString(ini.ReadSecond("A", "k", "dflt")), "dflt");
            }
            QCOMPARE(QFileInfo::exists(file), existed);
        }
    }

    void readOnlyFileIsMadeWritableAndReplaced()
    {
        const QString file = fileWith("[A]\r\nk=1\r\n");
        const fs::path native = file.toStdString();
        fs::permissions(native, fs::perms::owner_read | fs::perms::group_read);
        SkinWriter ini(file.toStdString());
        ini.WriteValue("A", "k", "2");
        QVERIFY(ini.LastWriteSucceeded());
        QCOMPARE(readBytes(file), QByteArray("[A]\r\nk=2\r\n"));
        const fs::perms now = fs::status(native).permissions();
        QVERIFY((now & fs::perms::owner_write) != fs::perms::none);
#ifndef Q_OS_WIN
        QCOMPARE(now, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    }

    void writeIntoMissingFolderFailsQuietlyAndRetriesLater()
    {
        const QString file = path("later/skin.ini");
        SkinWriter ini(file.toStdString());
        ini.WriteValue("A", "k", "1");
        QVERIFY(!ini.LastWriteSucceeded());
        QCOMPARE(ini.Lines, (std::vector<std::string>{"[A]", "k=1"}));
        QVERIFY(QDir(dir_->path()).mkdir("later"));
        ini.WriteValue("A", "j", "2");
        QVERIFY(ini.LastWriteSucceeded());
        QCOMPARE(readBytes(file), QByteArray("[A]\r\nk=1\r\nj=2\r\n"));
    }

    void symbolicLinkKeepsPointingAtReplacedTarget()
    {
        fileWith("[A]\r\nk=1\r\n");
        const QString link = path("link.ini");
        std::error_code error;
        // A relative target, so that it must be resolved against the link's own folder.
        fs::create_symlink("skin.ini", link.toStdString(), error);
        if (error)
            QSKIP("symbolic links cannot be made here");
        SkinWriter ini(link.toStdString());
        ini.WriteValue("A", "k", "2");
        QVERIFY(ini.LastWriteSucceeded());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(path("skin.ini")), QByteArray("[A]\r\nk=2\r\n"));
    }

    void danglingLinkCreatesItsTarget()
    {
        const QString link = path("dangling.ini");
        std::error_code error;
        fs::create_symlink("later.ini", link.toStdString(), error);
        if (error)
            QSKIP("symbolic links cannot be made here");
        SettingsFile ini(link.toStdString());
        ini.WriteValue("Update", "Server", "Server 1");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(path("later.ini")), QByteArray("[Update]\r\nServer=Server 1\r\n"));
    }

    void updateFileLeavesOnlyTheTargetInItsFolder()
    {
        SettingsFile ini(fileWith("[A]\r\n").toStdString());
        ini.WriteValue("A", "k", "1");
        ini.WriteValue("B", "k", "2");
        // A write that cannot replace its target must clean up after itself as well.
        QVERIFY(QDir(dir_->path()).mkdir("taken.ini"));
        SettingsFile blocked(path("taken.ini").toStdString());
        blocked.WriteValue("A", "k", "1");
        QVERIFY(!blocked.LastWriteSucceeded());
        const auto everything =
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(dir_->path()).entryList(everything), QStringList({"skin.ini", "taken.ini"}));
    }

    // What stands at the path decides what a write may do; a refused write touches
    // nothing, not the link's target and not the place a dangling link points to.
    void writeRefusesWhatItMayNotReplace_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("followLink");
        QTest::addColumn<bool>("mayReplace");
        QTest::addColumn<int>("refusal");
        const int link = int(WriteRefusal::Link), notAFile = int(WriteRefusal::NotAPlainFile);
        QTest::newRow("link, not followed") << "link" << false << true << link;
        QTest::newRow("dangling link, not followed") << "dangling" << false << true << link;
        QTest::newRow("followed link to a pipe") << "pipe link" << true << true << notAFile;
        QTest::newRow("pipe") << "pipe" << true << true << notAFile;
        QTest::newRow("folder") << "folder" << true << true << notAFile;
        QTest::newRow("file, no replacing") << "file" << true << false << int(WriteRefusal::Exists);
    }
    void writeRefusesWhatItMayNotReplace()
    {
        QFETCH(QString, kind);
        QFETCH(bool, followLink);
        QFETCH(bool, mayReplace);
        QFETCH(int, refusal);
        const QString target = path("target"), at = path("at");
        writeBytes(target, "old");
        const auto link = [](const QString &to, const QString &from) {
            std::error_code error;
            fs::create_symlink(to.toStdString(), from.toStdString(), error);
            return !error;
        };
        const bool made = kind == "file"       ? writeBytes(at, "old")
                          : kind == "folder"   ? QDir(dir_->path()).mkdir("at")
                          : kind == "pipe"     ? makeFifo(at)
                          : kind == "link"     ? link(target, at)
                          : kind == "dangling" ? link(path("outside"), at)
                                               : makeFifo(target + "p") && link(target + "p", at);
        if (!made)
            QSKIP("this file system cannot make it");
        ReplaceRules rules;
        rules.followLink = followLink;
        rules.mayReplace = mayReplace;
        QCOMPARE(replaceFileAtomically(at.toStdString(), "new", rules),
                 std::error_code(WriteRefusal(refusal)));
        QCOMPARE(readBytes(target), QByteArray("old"));
        QVERIFY(!QFileInfo::exists(path("outside")));
        QCOMPARE(
            QDir(dir_->path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                .filter(".velmor-"),
            QStringList());
    }

    void writeTellsTheSystemsReasonAndClearsEarlierLeftovers()
    {
        QCOMPARE(replaceFileAtomically(path("gone/skin.ini").toStdString(), "x", {}),
                 std::make_error_code(std::errc::no_such_file_or_directory));
        const QString skin = fileWith("old");
        for (const char *name :
             {"skin.ini.velmor-12.tmp", "skin.ini.velmor-x.tmp", "other.ini.velmor-3.tmp"})
            writeBytes(path(name), "half");
        QVERIFY(!replaceFileAtomically(skin.toStdString(), "new", {}));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
                 QStringList({"other.ini.velmor-3.tmp", "skin.ini", "skin.ini.velmor-x.tmp"}));
    }

    // An object that only read must not put its old text over a newer file on release.
    void readersNeverWriteOnRelease()
    {
        const QString file = fileWith("[A]\r\nk=1,2\r\n");
        {
            const PairReader reader(file.toStdString());
            QCOMPARE(reader.ReadSecondInt("A", "k", 0), 2);
            const SettingsFile settings(file.toStdString());
            QCOMPARE(QByteArray::fromStdString(settings.ReadValue("A", "k", "")), "1,2");
            const SkinWriter untouched(file.toStdString());
            QVERIFY(writeBytes(file, "newer"));
        }
        QCOMPARE(readBytes(file), QByteArray("newer"));
    }

    // A writer handed a text takes it as the file's own: nothing is read or written back
    // until the text changes.
    void writerOnGivenTextWritesOnlyAfterAChange()
    {
        const QString file = fileWith("[A]\r\nk=1\r\n");
        for (const QString &target : {file, path("none.ini")}) {
            SkinWriter ini(target.toStdString(), {"[B]", "j=2"});
            QCOMPARE(ini.Lines, (std::vector<std::string>{"[B]", "j=2"}));
        }
        QCOMPARE(readBytes(file), QByteArray("[A]\r\nk=1\r\n"));
        QVERIFY(!QFileInfo::exists(path("none.ini")));
        {
            SkinWriter ini(file.toStdString(), {"[B]", "j=2"});
            ini.PutValue("B", "j", "3");
        }
        QCOMPARE(readBytes(file), QByteArray("[B]\r\nj=3\r\n"));
    }

    void releaseWritesOnlyChangesNotYetWritten()
    {
        const QString file = fileWith("[A]\r\nk=1\r\n");
        {
            SkinWriter ini(file.toStdString());
            ini.PutValue("A", "k", "2");
            QCOMPARE(readBytes(file), QByteArray("[A]\r\nk=1\r\n"));
        }
        QCOMPARE(readBytes(file), QByteArray("[A]\r\nk=2\r\n"));
        {
            SkinWriter ini(file.toStdString());
            ini.ReplaceLines({"[B]"});
        }
        QCOMPARE(readBytes(file), QByteArray("[B]\r\n"));
        {
            SkinWriter ini(file.toStdString());
            ini.WriteIntPair("B", "k", 3, 4);
            QCOMPARE(readBytes(file), QByteArray("[B]\r\nk=3,4\r\n"));
            QVERIFY(writeBytes(file, "newer"));
        }
        QCOMPARE(readBytes(file), QByteArray("newer"));
    }
};

QTEST_APPLESS_MAIN(IniTextTest)
#include "tst_initext.moc"
