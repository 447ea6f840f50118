#include "tests/support/DemoSkinCopy.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program as a user starts it from a shell without any display, in a folder without
// settings, under the given locale.
Run velmor(const QStringList &arguments, const QString &locale = QStringLiteral("de_DE.UTF-8"))
{
    static const QTemporaryDir noSettings;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(noSettings.path());
    process.start(QStringLiteral(VELMOR_EXECUTABLE), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString demoSkin(const QString &demo, const QString &file)
{
    return QDir(DemoSkinCopy::demoFolder(demo)).filePath(file);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void cleanSkinsPassQuietly()
    {
        const Run run = velmor({"--check", demoSkin("nachtblau-14", "nachtblau.lkv"),
                                demoSkin("sonnengelb-15", "sonnengelb.lkv")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString());
    }

    void problemsArePrintedAsCompilersDoInTheOrderOfTheArguments()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        const int line = skin.setKey("btn_exit", "bitmap_do", "gone.bmp");
        const QString missing = folder.filePath("missing.lkv");
        const Run run = velmor({"--check", skin.path(), missing});
        QCOMPARE(run.status, 1);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("%1:%2: error: ").arg(skin.path()).arg(line)),
                 qPrintable(lines[0]));
        QVERIFY(lines[0].endsWith(QLatin1String(" [missing-file]")));
        QVERIFY(lines[0].contains(QStringLiteral("„gone.bmp“")));
        QVERIFY2(lines[1].startsWith(missing + QStringLiteral(": error: ")), qPrintable(lines[1]));
    }

    void warningsAloneLeaveTheStatusAtZero()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        skin.setKey("btn_exit", "size", "40,20");
        const Run run = velmor({"--check", skin.path()});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QLatin1String(": warning: ")));
    }

    void jsonNamesEveryFieldOfEveryProblem()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        const int line = skin.setKey("btn_exit", "position", "930,8, 0, 0");
        const QString notASkin = folder.filePath("notes.lkv");
        skin.writeFile("notes.lkv", "[dlg_main]\r\nbitmap0=x.bmp\r\n");
        const Run run = velmor({"--check", "--json", skin.path(), notASkin});
        QCOMPARE(run.status, 1);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray skins = json.object().value("skins").toArray();
        QCOMPARE(skins.size(), 2);

        const QJsonObject first = skins[0].toObject();
        QCOMPARE(first.value("path").toString(), skin.path());
        QCOMPARE(first.value("version").toString(), QStringLiteral("Orvana one 1.5"));
        QCOMPARE(first.value("errors").toInt(-1), 0);
        QCOMPARE(first.value("warnings").toInt(), 1);
        const QJsonObject overlap = first.value("problems").toArray()[0].toObject();
        QCOMPARE(overlap.keys(), (QStringList{"code", "element", "file", "key", "line", "message",
                                              "page", "section", "severity"}));
        QCOMPARE(overlap.value("severity").toString(), QStringLiteral("warning"));
        QCOMPARE(overlap.value("code").toString(), QStringLiteral("overlap"));
        QCOMPARE(overlap.value("line").toInt(), line);
        QCOMPARE(overlap.value("section").toString(), QStringLiteral("btn_exit"));
        QCOMPARE(overlap.value("key").toString(), QStringLiteral("position"));
        QCOMPARE(overlap.value("element").toInt(), 9);
        QCOMPARE(overlap.value("page").toString(), QStringLiteral("Player"));
        QVERIFY(overlap.value("file").isNull());

        const QJsonObject second = skins[1].toObject();
        QVERIFY(second.value("version").isNull());
        const QJsonObject notSkin = second.value("problems").toArray()[0].toObject();
        QCOMPARE(notSkin.value("code").toString(), QStringLiteral("not-a-skin"));
        QVERIFY(notSkin.value("line").isNull() && notSkin.value("element").isNull());
        QCOMPARE(second.value("errors").toInt(), second.value("problems").toArray().size());
    }

    // A full disk must not pass for a clean check: the report is what CI keeps.
    void aReportThatCannotBeWrittenEndsWithStatusTwo()
    {
        const QString skin =
            demoSkin(QStringLiteral("sonnengelb-15"), QStringLiteral("sonnengelb.lkv"));
        const QString other =
            demoSkin(QStringLiteral("nachtblau-14"), QStringLiteral("nachtblau.lkv"));
        for (const QStringList &arguments : {QStringList{"--check", "--format", "sarif", skin},
                                             QStringList{"--diff", skin, other}}) {
            QProcess process;
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
            process.start(QStringLiteral(VELMOR_EXECUTABLE), arguments);
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), 2);
            QVERIFY(process.readAllStandardError().startsWith("velmor: "));
        }
    }

    void jsonIsShortForFormatJson()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        skin.setKey("btn_exit", "bitmap_mo", "gone.bmp");
        skin.writeBitmap("Extra.BMP", 4, 4);
        const Run shorter = velmor({"--check", "--all", "--json", skin.path()});
        QCOMPARE(shorter.status, 1);
        QVERIFY2(shorter.out.contains(QLatin1String("\"missing-file\"")), qPrintable(shorter.out));
        for (const QStringList &same :
             {QStringList{"--check", "--all", "--format", "json"},
              QStringList{"--check", "--all", "--format=json", "--json"}}) {
            const Run run = velmor(same + QStringList{skin.path()});
            QCOMPARE(run.status, shorter.status);
            QCOMPARE(run.out, shorter.out);
        }
    }

    // A note is advice for a tidier package: asked for with --all, it never fails a build.
    void notesAreNamedOnlyWhenAskedAndLeaveTheStatusAtZero()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        skin.writeBitmap("Extra.BMP", 4, 4);
        const Run quiet = velmor({"--check", skin.path()});
        QCOMPARE(quiet.status, 0);
        QCOMPARE(quiet.out, QString());

        const Run text = velmor({"--check", "--all", skin.path()});
        QCOMPARE(text.status, 0);
        const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith(skin.path() + QStringLiteral(": note: ")),
                 qPrintable(lines[0]));
        QVERIFY(lines[0].contains(QStringLiteral("„Extra.BMP“")));
        QVERIFY(lines[0].endsWith(QLatin1String(" [unused-bitmap]")));

        const Run json = velmor({"--check", "--all", "--format", "json", skin.path()});
        QCOMPARE(json.status, 0);
        const QJsonObject report = QJsonDocument::fromJson(json.out.toUtf8())
                                       .object()
                                       .value("skins")
                                       .toArray()[0]
                                       .toObject();
        QCOMPARE(report.value("errors").toInt(-1), 0);
        QCOMPARE(report.value("warnings").toInt(-1), 0);
        const QJsonObject note = report.value("problems").toArray()[0].toObject();
        QCOMPARE(note.value("severity").toString(), QStringLiteral("note"));
        QCOMPARE(note.value("code").toString(), QStringLiteral("unused-bitmap"));
        QCOMPARE(note.value("file").toString(), QStringLiteral("Extra.BMP"));
        QVERIFY(note.value("line").isNull());
    }

    void usageErrorsEndWithStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("check without skin") << QStringList{"--check"};
        QTest::newRow("json without check") << QStringList{"--json", "a.lkv"};
        QTest::newRow("export without skin") << QStringList{"--export-png", "out"};
        QTest::newRow("check and export") << QStringList{"--check", "--export-png", "out", "a.lkv"};
        QTest::newRow("unknown option") << QStringList{"--check", "--fast", "a.lkv"};
        QTest::newRow("unknown player") << QStringList{"--new-skin", "2.0", "a.lkv"};
        QTest::newRow("unknown language") << QStringList{"--lang", "fr", "--check", "a.lkv"};
        // Without a mode of its own these would start the window, and without a display
        // that ended in the platform plugin before a word was said.
        QTest::newRow("misspelt mode") << QStringList{"--chek", "a.lkv"};
        QTest::newRow("two skins for the window") << QStringList{"a.lkv", "b.lkv"};
        QTest::newRow("unknown language for the window") << QStringList{"--lang=fr"};
        QTest::newRow("format without check") << QStringList{"--format", "json", "a.lkv"};
        QTest::newRow("all without check") << QStringList{"--all", "a.lkv"};
        QTest::newRow("all with export") << QStringList{"--export-png", "out", "--all", "a.lkv"};
        QTest::newRow("json and sarif")
            << QStringList{"--check", "--json", "--format", "sarif", "a.lkv"};
        QTest::newRow("json and text")
            << QStringList{"--check", "--format=text", "--json", "a.lkv"};
        QTest::newRow("unknown format") << QStringList{"--check", "--format", "xml", "a.lkv"};
        QTest::newRow("format without name") << QStringList{"--check", "a.lkv", "--format"};
    }

    void usageErrorsEndWithStatusTwo()
    {
        QFETCH(QStringList, arguments);
        const Run run = velmor(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith(QLatin1String("velmor: ")), qPrintable(run.err));
        QVERIFY(run.err.contains(QLatin1String("velmor --help")));
    }

    void versionAndHelpNeedNoWindow()
    {
        const Run version = velmor({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith(QLatin1String("Velmor 1.")), qPrintable(version.out));
        for (const char *help : {"--help", "--help-all"}) {
            const Run run = velmor({help});
            QCOMPARE(run.status, 0);
            QVERIFY(run.out.contains(QLatin1String("--export-png <DIR>")));
        }
    }

    void exportedPagesShowEachElementAtItsPlace()
    {
        QTemporaryDir folder;
        const QString out = folder.filePath("pages");
        const QString skin = demoSkin("sonnengelb-15", "sonnengelb.lkv");
        const Run run = velmor({"--export-png", out, skin});
        QCOMPARE(run.status, 0);
        QCOMPARE(QDir(out).entryList({"*.png"}, QDir::Files, QDir::Name),
                 (QStringList{"description.png", "player-view.png", "player.png", "schedule.png"}));
        // Element 09 stands at 952, 8 on every page.
        const QImage exit(demoSkin("sonnengelb-15", "btn_exit_up.bmp"));
        for (const char *page : {"player.png", "schedule.png", "description.png"}) {
            const QImage picture(QDir(out).filePath(page));
            QCOMPARE(picture.pixel(952 + 14, 8 + 14), exit.pixel(14, 14));
            QCOMPARE(picture.pixel(952, 8), exit.pixel(0, 0));
        }
        const QImage background(demoSkin("sonnengelb-15", "bg_player.bmp"));
        QCOMPARE(QImage(QDir(out).filePath("player.png")).pixel(2, 470), background.pixel(2, 470));
    }

    void aNewSkinFromTheTemplateChecksClean()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("neu.lkv");
        QCOMPARE(velmor({"--new-skin", "1.5", path}).status, 0);
        const Run check = velmor({"--check", path});
        QCOMPARE(check.status, 0);
        QCOMPARE(check.out, QString());
    }

    // Scripts match the codes; only the words follow the language, and only on request.
    void englishMessagesKeepTheirCodes()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("sonnengelb-15"), folder.path());
        skin.setKey("btn_exit", "bitmap_do", "gone.bmp");
        skin.setKey("btn_exit", "size", "40,20");
        const Run german = velmor({"--check", skin.path()}, QStringLiteral("en_US.UTF-8"));
        const Run english = velmor({"--lang", "en", "--check", skin.path()});
        QCOMPARE(english.status, german.status);
        const QStringList germanLines = german.out.split('\n', Qt::SkipEmptyParts);
        const QStringList englishLines = english.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(englishLines.size(), 2);
        QCOMPARE(englishLines.size(), germanLines.size());
        static const QRegularExpression message(
            QStringLiteral(": (error|warning): .*( \\[.*\\])$"));
        for (qsizetype i = 0; i < englishLines.size(); ++i) {
            QCOMPARE(QString(englishLines[i]).replace(message, QStringLiteral(": \\1:\\2")),
                     QString(germanLines[i]).replace(message, QStringLiteral(": \\1:\\2")));
            QVERIFY2(englishLines[i] != germanLines[i], qPrintable(englishLines[i]));
        }
        QVERIFY2(german.out.contains(QStringLiteral("gibt es nicht")), qPrintable(german.out));
        QVERIFY2(english.out.contains(QStringLiteral("does not exist")), qPrintable(english.out));
        const Run help = velmor({"--lang=en", "--help"});
        QVERIFY2(help.out.contains(QStringLiteral("Checks every SKIN")), qPrintable(help.out));
    }

    void anExportThatCannotWriteSaysWhyInTheChosenLanguage()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath("pages"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString skin = demoSkin("sonnengelb-15", "sonnengelb.lkv");
        const QString out = blocker.fileName() + QStringLiteral("/png");
        const Run german = velmor({"--export-png", out, skin});
        QCOMPARE(german.status, 1);
        QVERIFY2(german.err.contains(QStringLiteral("lässt sich nicht anlegen")),
                 qPrintable(german.err));
        const Run english = velmor({"--lang", "en", "--export-png", out, skin});
        QCOMPARE(english.status, 1);
        QVERIFY2(english.err.contains(QStringLiteral("cannot be created")),
                 qPrintable(english.err));
    }

    void aSkinThatDoesNotLoadExportsNothing()
    {
        QTemporaryDir folder;
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        skin.writeFile("btn_play_up.bmp", "broken");
        const QString out = folder.filePath("pages");
        const Run run = velmor({"--export-png", out, skin.path()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QLatin1String("[invalid-bitmap]")), qPrintable(run.err));
        QVERIFY(QDir(out).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
