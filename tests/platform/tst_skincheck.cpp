#include "platform/ProblemText.h"
#include "platform/SkinChecker.h"
#include "tests/support/DemoSkinCopy.h"

#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(SkinCheckTest)
#include "tst_skincheck.moc"
