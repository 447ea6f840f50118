#include "ini/FileBytes.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLoad.h"
#include "tests/support/SkinText.h"

#include <QtTest>

#include <climits>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Rect)

char *toString(const Rect &rect)
{
    return qstrdup(qPrintable(QStringLiteral("Rect(%1, %2, %3, %4)")
                                  .arg(rect.left)
                                  .arg(rect.top)
                                  .arg(rect.width)
                                  .arg(rect.height)));
}

namespace {

const std::string skinPath = "/skins/blau/blau.lkv";

// A section reduced to its header counts as missing.
std::string emptied(std::string text, std::string_view section)
{
    return withBody(std::move(text), section, {});
}

QStringList described(const std::vector<LoadProblem> &problems)
{
    QStringList result;
    for (const LoadProblem &problem : problems)
        result << (problem.kind == LoadProblem::Kind::NotASkin
                       ? QStringLiteral("no skin")
                       : QString::fromStdString(problem.section));
    return result;
}

const SkinElement &element(const LoadedSkin &skin, int number)
{
    return skin.document.element(*findElement(number));
}

} // namespace

class SkinLoadTest : public QObject {
    Q_OBJECT

private slots:
    void notASkinNamesEveryMissingSectionInOrder_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<QStringList>("missing");

        const std::string twoGone = emptied(emptied(skinText(true), "btn_play"), "player_view");
        QTest::newRow("two gone") << twoGone << QStringList{"player_view", "btn_play"};
        QTest::newRow("header only")
            << withBody(skinText(), "dlg_main", "; comment\r\n") << QStringList{"dlg_main"};
        QStringList all;
        for (std::string_view section : requiredSections)
            all << QString::fromLatin1(section.data(), qsizetype(section.size()));
        QTest::newRow("empty file") << std::string() << all;
        QTest::newRow("binary") << std::string("\x89PNG\r\n\x1a\n\0\0", 10) << all;
    }

    void notASkinNamesEveryMissingSectionInOrder()
    {
        QFETCH(std::string, text);
        QFETCH(QStringList, missing);

        const LoadedSkin loaded = loadSkin(skinPath, text);
        QVERIFY(!loaded.isSkin());
        QCOMPARE(described(loaded.problems), QStringList{"no skin"} + missing);
        QVERIFY(loaded.pictures.empty());
        QVERIFY(loaded.document.targetVersion.empty());
        QVERIFY(loaded.document.skinPath.empty());
        QVERIFY(loaded.document.openedText.empty());
    }

    void skinKeepsItsPathFolderAndText()
    {
        const std::string text = skinText(true);
        const LoadedSkin loaded = loadSkin("C:\\Skins\\Blau\\blau.lkv", text);
        QVERIFY(loaded.isSkin());
        QCOMPARE(loaded.document.targetVersion, std::string(version15));
        QCOMPARE(loaded.document.skinPath, std::string("C:\\Skins\\Blau\\blau.lkv"));
        QCOMPARE(loaded.document.skinFolder, std::string("C:\\Skins\\Blau\\"));
        QCOMPARE(joinLines(loaded.document.openedText), text);
    }

    void listsFollowTheVersionsRules_data()
    {
        QTest::addColumn<bool>("is15");
        QTest::addColumn<std::string>("dlgMain");
        QTest::addColumn<std::string>("height");
        QTest::addColumn<Rect>("lists");
        QTest::addColumn<Rect>("player");

        const auto row = [](const char *tag, bool is15, std::string dlgMain, std::string height,
                            Rect lists, Rect player) {
            QTest::newRow(tag) << is15 << dlgMain << height << lists << player;
        };
        const std::string comments = "position_m=230,95 // anfangsposition von body unten\r\n"
                                     "position_g=140,50  // anfangspos von body oben\r\n"
                                     "size_m=310,180\r\nsize_g=260,240\r\n";
        const std::string plain = "position_m=190, 95\r\nposition_g=100, 50\r\n"
                                  "size_m=250,180\r\nsize_g=251,216\r\n";
        row("1.4", false, plain, "70", {90, 45, 250, 180}, {90, 45, 250, 70});
        row("1.5 width from size_g", true, comments, "70", {90, 45, 260, 180}, {90, 45, 260, 70});
        // A 1.4 skin has no comments there: the second number is no number then.
        row("1.4 with comments", false, comments, "70", {90, 0, 310, 180}, {90, 0, 310, 70});
        row("sums stop at the ends", false,
            "position_m=2147483647,-2147483648\r\nposition_g=-5,5\r\nsize_m=2147483647,-7\r\n",
            "2147483647", {INT_MAX - maxViewSize, INT_MIN, maxViewSize, 0},
            {INT_MAX - maxViewSize, INT_MIN, maxViewSize, maxViewSize});
        row("player height pulls its top back", false,
            "position_m=0,2147483647\r\nposition_g=0,0\r\nsize_m=10,100\r\n", "5000",
            {0, INT_MAX - 100, 10, 100}, {0, INT_MAX - 5000, 10, 5000});
        row("nothing given", false, "x=1\r\n", "x", {}, {});
    }

    void listsFollowTheVersionsRules()
    {
        QFETCH(bool, is15);
        QFETCH(std::string, dlgMain);
        QFETCH(std::string, height);
        QFETCH(Rect, lists);
        QFETCH(Rect, player);

        const std::string text = withBody(withBody(skinText(is15), "dlg_main", dlgMain),
                                          "player_view", "height=" + height + "\r\n");
        const ListGeometry read = loadSkin(skinPath, text).document.lists;
        QCOMPARE(read.schedule, lists);
        QCOMPARE(read.description, lists);
        QCOMPARE(read.player, player);
    }

    void elementGeometryStaysWithinWhatAViewTakes_data()
    {
        QTest::addColumn<std::string>("body");
        QTest::addColumn<Rect>("geometry");

        QTest::newRow("as written")
            << std::string("position=12,40, 0, 0\r\nsize=75,23\r\n") << Rect{12, 40, 75, 23};
        QTest::newRow("position without zeros")
            << std::string("position=12,40\r\nsize=75,23\r\n") << Rect{12, 0, 75, 23};
        QTest::newRow("far edge beyond the int range")
            << std::string("position=2147483647,2147483000, 0, 0\r\nsize=20,16777216\r\n")
            << Rect{INT_MAX - 20, INT_MAX - maxViewSize, 20, maxViewSize};
        QTest::newRow("largest view at the end")
            << std::string("position=2147483647,0, 0, 0\r\nsize=2147483647,1\r\n")
            << Rect{INT_MAX - maxViewSize, 0, maxViewSize, 1};
        QTest::newRow("negative sizes")
            << std::string("position=-2147483648,-2147483648, 0, 0\r\nsize=-1,-2147483648\r\n")
            << Rect{INT_MIN, INT_MIN, 0, 0};
        QTest::newRow("no numbers") << std::string("position=a\r\n") << Rect{};
    }

    void elementGeometryStaysWithinWhatAViewTakes()
    {
        QFETCH(std::string, body);
        QFETCH(Rect, geometry);

        const LoadedSkin loaded = loadSkin(skinPath, withBody(skinText(), "btn_play", body));
        QCOMPARE(element(loaded, 29).geometry, geometry);
        QCOMPARE(viewGeometry(geometry), geometry);
    }

    void newElementsExistOnlyIn15Skins_data()
    {
        QTest::addColumn<bool>("is15");
        QTest::newRow("1.4") << false;
        QTest::newRow("1.5") << true;
    }

    void newElementsExistOnlyIn15Skins()
    {
        QFETCH(bool, is15);
        const std::string body = "position=3,4, 0, 0\r\nsize=5,6\r\nbitmap_up=w.bmp\r\n";
        // One of the two new sections alone does not make a 1.5 skin.
        std::string text = withBody(skinText(true), "btn_wizard", body);
        if (!is15)
            text = emptied(text, "btn_playlistdown");
        const LoadedSkin loaded = loadSkin(skinPath, text);
        QCOMPARE(loaded.document.targetVersion, std::string(is15 ? version15 : version14));
        const SkinElement &wizard = element(loaded, 131);
        QCOMPARE(wizard.geometry, (is15 ? Rect{3, 4, 5, 6} : Rect{}));
        QCOMPARE(wizard.statePath(StateBitmap::Up), std::string(is15 ? "/skins/blau/w.bmp" : ""));
    }

    void namesAreDecodedAndStatePathsJoinedWithTheFolder_data()
    {
        QTest::addColumn<std::string>("written");
        QTest::addColumn<std::string>("name");

        QTest::newRow("bare") << std::string("play.bmp") << std::string("play.bmp");
        QTest::newRow("absolute") << std::string("C:\\Skins\\play.bmp")
                                  << std::string("C:\\Skins\\play.bmp");
        QTest::newRow("code page") << std::string("Gr\xfcn \x80.bmp") << std::string("Grün €.bmp");
        QTest::newRow("missing") << std::string() << std::string("0");
    }

    void namesAreDecodedAndStatePathsJoinedWithTheFolder()
    {
        QFETCH(std::string, written);
        QFETCH(std::string, name);

        const std::string line = written.empty() ? "" : "=" + written + "\r\n";
        std::string text = skinText();
        if (!written.empty()) {
            text = withBody(text, "btn_stop", "bitmap_up" + line + "bitmap_da" + line);
            text = withBody(text, "dlg_main", "bitmap1" + line);
        }
        const LoadedSkin loaded = loadSkin(skinPath, text);
        const SkinElement &stop = element(loaded, 30);
        QCOMPARE(stop.statePath(StateBitmap::Up), "/skins/blau/" + name);
        QCOMPARE(stop.statePath(StateBitmap::Da), "/skins/blau/" + name);
        QCOMPARE(loaded.document.graphicPaths[std::size_t(Graphic::PlayerBackground)], name);
        // The picture is looked up by the name as written, so an absolute one stays so.
        const auto up =
            std::find_if(loaded.pictures.begin(), loaded.pictures.end(),
                         [&](const NamedPicture &p) { return p.element == stop.entry; });
        QVERIFY(up != loaded.pictures.end());
        QCOMPARE(up->name, name);
    }

    void picturesComeInTheOrderTheyAreShown_data()
    {
        QTest::addColumn<bool>("is15");
        QTest::addColumn<bool>("testSkin");
        QTest::newRow("1.4") << false << true;
        QTest::newRow("1.5") << true << true;
        QTest::newRow("any text read as 1.4") << false << false;
    }

    void picturesComeInTheOrderTheyAreShown()
    {
        QFETCH(bool, is15);
        QFETCH(bool, testSkin);

        const LoadedSkin loaded =
            testSkin ? loadSkin(skinPath, skinText(is15))
                     : loadSkinAs(skinPath, "no skin", is15 ? version15 : version14);
        QVERIFY(loaded.isSkin());
        const std::vector<NamedPicture> &pictures = loaded.pictures;
        // The graphics first, from the page backgrounds down to the track lists.
        QCOMPARE(pictures.size(), graphicCount + (is15 ? 47 : 45));
        QStringList keys;
        for (std::size_t i = 0; i < graphicCount; ++i) {
            QVERIFY(pictures[i].graphic && !pictures[i].element);
            const SkinKey where = graphicKey(*pictures[i].graphic);
            keys << QString::fromStdString(std::string(where.section) + ":" +
                                           std::string(where.key));
        }
        QCOMPARE(keys.mid(0, 4), (QStringList{"dlg_main:bitmap0", "dlg_main:bitmap1",
                                              "dlg_main:bitmap2", "player_view:bitmap_left"}));
        QCOMPARE(keys.mid(16), (QStringList{"player_view:bitmap_curpos", "schedule_list:bitmap_hd",
                                            "schedule_list:bitmap_bg", "description_list:bitmap_hd",
                                            "description_list:bitmap_bg"}));
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        std::vector<int> numbers;
        for (std::size_t i = graphicCount; i < pictures.size(); ++i) {
            QVERIFY(!pictures[i].graphic);
            numbers.push_back(pictures[i].element->number);
        }
        QVERIFY(std::is_sorted(numbers.begin(), numbers.end(), [](int a, int b) {
            return catalogueIndex(*findElement(a)) < catalogueIndex(*findElement(b));
        }));
        const auto count = [&](int number) { return int(std::ranges::count(numbers, number)); };
        QCOMPARE(count(25), 0);
        QCOMPARE(count(131), is15 ? 1 : 0);
        QCOMPARE(count(132), is15 ? 1 : 0);
    }
};

QTEST_APPLESS_MAIN(SkinLoadTest)
#include "tst_skinload.moc"
