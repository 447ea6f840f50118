#include "tests/support/DemoSkinCopy.h"
#include "tests/support/HostileFiles.h"
#include "tests/support/PackageFiles.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

struct Run {
    bool finished = false;
    int status = -1;
    QString out;
    QString err;
};

// The program from a shell, without display or settings; a run that is not done after
// the time limit is killed and counts as unfinished.
Run velmor(const QStringList &arguments, const QString &temporaryFolder = {}, int limitMs = 20000)
{
    static const QTemporaryDir noSettings;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    if (!temporaryFolder.isEmpty())
        environment.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(noSettings.path());
    process.start(QStringLiteral(VELMOR_EXECUTABLE), arguments);
    if (!process.waitForFinished(limitMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit, process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

using Make = std::function<QString(const QString &folder)>; // the file to hand over

QString demo(const QString &folder)
{
    return DemoSkinCopy(QStringLiteral("nachtblau-14"), folder + QStringLiteral("/skin")).path();
}

// The demo skin with its left player-view picture replaced by a pipe or a device.
QString withBitmap(const QString &folder, const QString &kind)
{
    const QString skin = demo(folder);
    const QString bitmap = QFileInfo(skin).dir().filePath(QStringLiteral("pv_left.bmp"));
    QFile::remove(bitmap);
    const QString target = kind == QLatin1String("loop") ? bitmap : QStringLiteral("/dev/zero");
    const bool made =
        kind == QLatin1String("pipe") ? makeFifo(bitmap) : QFile::link(target, bitmap);
    return made ? skin : QString();
}

QString package(const QString &folder, const QList<QPair<QByteArray, QByteArray>> &entries)
{
    const QString zip = folder + QStringLiteral("/skins.zip");
    PackageWriter writer(zip);
    for (const auto &[name, bytes] : entries)
        writer.add(name, bytes);
    return writer.close() ? zip : QString();
}

} // namespace

// The command line's answers to hostile files: each clear, in bounded time, leaving
// nothing behind.
class HostileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void checkAnswersHostileFilesInTime_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("answer");
        const QString noFile = QStringLiteral("keine gewöhnliche Datei");
        QTest::newRow("a device") << Make([](const QString &) { return "/dev/zero"; }) << noFile;
        QTest::newRow("a package linked to a device") << Make([](const QString &folder) {
            return QFile::link("/dev/zero", folder + "/x.zip") ? folder + "/x.zip" : QString();
        }) << noFile;
        QTest::newRow("a skin that is a pipe") << Make([](const QString &folder) {
            return makeFifo(folder + "/f.lkv") ? folder + "/f.lkv" : QString();
        }) << noFile;
        QTest::newRow("a package that is a pipe") << Make([](const QString &folder) {
            return makeFifo(folder + "/f.zip") ? folder + "/f.zip" : QString();
        }) << noFile;
        QTest::newRow("a bitmap that is a pipe")
            << Make([](const QString &folder) { return withBitmap(folder, "pipe"); }) << noFile;
        QTest::newRow("a bitmap linked to a device")
            << Make([](const QString &folder) { return withBitmap(folder, "device"); }) << noFile;
        const QString loop = QStringLiteral("im Kreis");
        QTest::newRow("a skin linked to itself") << Make([](const QString &folder) {
            return QFile::link(folder + "/l.lkv", folder + "/l.lkv") ? folder + "/l.lkv"
                                                                     : QString();
        }) << loop;
        QTest::newRow("a bitmap linked to itself")
            << Make([](const QString &folder) { return withBitmap(folder, "loop"); }) << loop;
        QTest::newRow("a package naming half a million folders") << Make([](const QString &folder) {
            DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder + "/skin");
            skin.setKey("player_view", "bitmap_left",
                        QStringLiteral("a/").repeated(500000) + "x.bmp");
            return package(folder, {{"nachtblau.lkv", bytesOf(skin.path())}});
        }) << QStringLiteral("länger, als Dateisysteme erlauben");
    }
    void checkAnswersHostileFilesInTime()
    {
        QFETCH(Make, make);
        QFETCH(QString, answer);
        const QTemporaryDir folder;
        const QString file = make(folder.path());
        if (file.isEmpty() || !(QFileInfo(file).exists() || QFileInfo(file).isSymLink()))
            QSKIP("This system has no such file.");
        const Run run = velmor({"--check", file});
        QVERIFY2(run.finished, "the check must answer in time");
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains(answer), qPrintable(run.out.left(2000)));
    }

    void packAnswersHostileFilesInTime_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("named");
        QTest::newRow("a bitmap that is a pipe")
            << Make([](const QString &folder) { return withBitmap(folder, "pipe"); })
            << "pv_left.bmp";
        QTest::newRow("a bitmap linked to a device")
            << Make([](const QString &folder) { return withBitmap(folder, "device"); })
            << "pv_left.bmp";
        QTest::newRow("a skin that is a pipe") << Make([](const QString &folder) {
            return makeFifo(folder + "/f.lkv") ? folder + "/f.lkv" : QString();
        }) << "f.lkv";
    }
    void packAnswersHostileFilesInTime()
    {
        QFETCH(Make, make);
        QFETCH(QString, named);
        const QTemporaryDir folder;
        const QString skin = make(folder.path());
        if (skin.isEmpty())
            QSKIP("This system has no such file.");
        const Run run = velmor({"--pack", folder.filePath("out.zip"), skin});
        QVERIFY2(run.finished, "the pack must answer in time");
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QVERIFY(!QFile::exists(folder.filePath("out.zip")));
    }

    // Large entries are cut off within a file, many small ones while the unpack's own
    // clean-up of what it wrote races with the signal's.
    void anInterruptedCheckLeavesNoTemporaryFolder_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("manyEntries");
#ifdef Q_OS_UNIX
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("SIGINT, many entries") << int(SIGINT) << true;
#endif
    }
    void anInterruptedCheckLeavesNoTemporaryFolder()
    {
#ifdef Q_OS_UNIX
        QFETCH(int, signal);
        QFETCH(bool, manyEntries);
        const QTemporaryDir folder;
        QList<QPair<QByteArray, QByteArray>> entries{{ "skin.lkv", "[dlg_main]\r\n" }};
        for (int i = 0; i < (manyEntries ? 9990 : 2); ++i)
            entries.append({"b" + QByteArray::number(i) + ".bmp",
                            QByteArray(manyEntries ? 16 : 90 << 20, '\0')});
        const QString zip = package(folder.path(), entries);
        const QString temporary = folder.filePath("tmp");
        QVERIFY(QDir().mkdir(temporary));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporary);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VELMOR_EXECUTABLE), {"--check", zip});
        QVERIFY(process.waitForStarted());
        QDeadlineTimer started(20000);
        while (!started.hasExpired() && entriesUnder(temporary).size() < (manyEntries ? 300 : 2) &&
               process.state() == QProcess::Running)
            QTest::qWait(2);
        QVERIFY2(process.state() == QProcess::Running, "the check ended before the signal");
        ::kill(pid_t(process.processId()), signal);
        QVERIFY2(process.waitForFinished(20000), "the check must end on the signal");
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(entriesUnder(temporary), QStringList());
#else
        QSKIP("Only Unix ends programs by these signals.");
#endif
    }

    // A skin collection keeps many skins in one folder, sharing bitmaps: the notes of
    // each look at all the others, which one run must read once, not once per skin.
    void notesOnAFolderOfManySkinsComeInTime()
    {
        const QTemporaryDir folder;
        const QString first = demo(folder.path());
        QStringList arguments{"--check", "--all", first};
        for (int i = 1; i < 120; ++i) {
            arguments << QFileInfo(first).dir().filePath(QStringLiteral("s%1.lkv").arg(i));
            QVERIFY(QFile::copy(first, arguments.back()));
        }
        QElapsedTimer clock;
        clock.start();
        const Run run = velmor(arguments, {}, 60000);
        // A few seconds once a run; read once per skin it took a minute and a half, so
        // the bar leaves room for sanitizers and a busy machine.
        QVERIFY2(run.finished && clock.elapsed() < 40000,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(run.status, 0);
    }

    // A name may hold line breaks and escape sequences; the output shows them written out,
    // so that each line still is one problem and the terminal is left alone.
    void namesCannotForgeLinesOfTheCheck()
    {
        const QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.filePath("skin"));
        skin.setKey("player_view", "bitmap_left", "\x1b[2Jred.bmp");
        const QString zip =
            package(folder.path(), {{"a\nforged.lkv:1: error: forged [missing-file]\n.lkv", "x"}});
        for (const QString &file : {zip, skin.path()}) {
            const Run run = velmor({"--check", file});
            QVERIFY(run.finished);
            QCOMPARE(run.status, 1);
            QVERIFY(!run.out.contains(QChar(0x1b)));
            const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
            QVERIFY(!lines.isEmpty());
            for (const QString &line : lines)
                QVERIFY2(line.startsWith(file + ':'), qPrintable(line));
        }
    }

    void exportReadsAPackage()
    {
        const QTemporaryDir folder;
        const QString zip = folder.filePath("skin.zip");
        QCOMPARE(velmor({"--pack", zip, demo(folder.path())}).status, 0);
        const QString pages = folder.filePath("pages");
        const Run run = velmor({"--export-png", pages, zip});
        QVERIFY2(run.finished && run.status == 0, qPrintable(run.err));
        QCOMPARE(QDir(pages).entryList({"*.png"}, QDir::Files).size(), 4);
    }

    void exportOfAPackageWithTwoSkinsSaysSo()
    {
        const QTemporaryDir folder;
        const QString zip = package(folder.path(), {{"one.lkv", "x"}, {"two.lkv", "y"}});
        const Run run = velmor({"--export-png", folder.filePath("pages"), zip});
        QVERIFY(run.finished);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("one.lkv") && run.err.contains("two.lkv"), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(folder.filePath("pages")));
    }

    // What stands where a command would write is never written through or over: a link,
    // a pipe, and without --force an existing file stay as they were, and so does every
    // other file the command would have made.
    void writingCommandsTouchNothingInTheirWay_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        for (const char *mode : {"--export-png", "--pack", "--new-skin"}) {
            const auto row = [&](const char *kind, const char *reason) {
                QTest::addRow("%s over %s", mode, kind) << mode << kind << reason;
            };
            row("a link to a file", "Verknüpfung");
            row("a dangling link", "Verknüpfung");
            row("a pipe", "keine gewöhnliche Datei");
            row("a file", "--force");
            row("a file, forced", "");
        }
    }
    void writingCommandsTouchNothingInTheirWay()
    {
        QFETCH(QString, mode);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QTemporaryDir folder;
        const QString skin = demo(folder.path());
        const QString out = folder.filePath("out");
        QVERIFY(QDir().mkdir(out));
        const QString target = out + (mode == "--export-png" ? "/player.png"
                                      : mode == "--pack"     ? "/x.zip"
                                                             : "/x.lkv");
        const QString aside = folder.filePath("aside");
        QVERIFY(writeFile(aside, "old"));
        const bool made = kind == "a link to a file"  ? QFile::link(aside, target)
                          : kind == "a dangling link" ? QFile::link(folder.filePath("gone"), target)
                          : kind == "a pipe"          ? makeFifo(target)
                                                      : writeFile(target, "old");
        if (!made)
            QSKIP("This system cannot make it.");
        QStringList arguments{mode};
        if (mode == "--export-png")
            arguments << out << skin;
        else if (mode == "--pack")
            arguments << target << skin;
        else
            arguments << "1.5" << target;
        if (kind.endsWith("forced"))
            arguments.prepend("--force");
        const Run run = velmor(arguments);
        QVERIFY2(run.finished, "the command must answer in time");
        if (reason.isEmpty()) {
            QCOMPARE(run.status, 0);
            QVERIFY(bytesOf(target) != "old");
            return;
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(target)) && run.err.contains(reason),
                 qPrintable(run.err));
        QCOMPARE(bytesOf(aside), QByteArray("old"));
        QVERIFY(!QFileInfo::exists(folder.filePath("gone")));
        const QStringList left =
            QDir(out).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(left, QStringList(QFileInfo(target).fileName()));
        if (kind == "a file")
            QCOMPARE(bytesOf(target), QByteArray("old"));
    }

    // A skin may go into folders that are not there yet; a package is only written into
    // one that is, which is known before anything is packed.
    void newSkinMakesItsFoldersAndPackNeedsOne()
    {
        const QTemporaryDir folder;
        const QString skin = folder.filePath("neu1/neu2/neu.lkv");
        Run run = velmor({"--new-skin", "1.5", skin});
        QVERIFY2(run.finished && run.status == 0, qPrintable(run.err));
        QVERIFY(QFileInfo(skin).isFile());
        const QString zip = folder.filePath("no/such/x.zip");
        run = velmor({"--pack", zip, skin});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("gibt es nicht") &&
                     run.err.contains(QDir::toNativeSeparators(folder.filePath("no/such"))),
                 qPrintable(run.err));
    }

    void anUnusableTemporaryFolderIsNamed_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("check") << "--check";
        QTest::newRow("export") << "--export-png";
    }
    void anUnusableTemporaryFolderIsNamed()
    {
        QFETCH(QString, mode);
        const QTemporaryDir folder;
        const QString zip = folder.filePath("skin.zip");
        QCOMPARE(velmor({"--pack", zip, demo(folder.path())}).status, 0);
        const QString gone = folder.filePath("no/such/tmp");
        const QStringList arguments = mode == QLatin1String("--check")
                                          ? QStringList{mode, zip}
                                          : QStringList{mode, folder.filePath("pages"), zip};
        const Run run = velmor(arguments, gone);
        QVERIFY(run.finished);
        QCOMPARE(run.status, 1);
        QVERIFY2((run.out + run.err).contains(gone), qPrintable(run.out + run.err));
    }
};

QTEST_GUILESS_MAIN(HostileCommandsTest)
#include "tst_hostilecommands.moc"
