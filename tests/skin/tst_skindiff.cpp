#include "skin/SkinDiff.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"
#include "tests/support/SkinText.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(BitmapFacts::Outcome)

namespace {

// One side of a comparison; every bitmap decodes to the same pixels unless a test says
// otherwise.
struct Side {
    explicit Side(const std::string &text)
        : loaded(loadSkin("/skins/side/skin.lkv", text)), lines(loaded.document.openedText.lines()),
          uses(bitmapUses(loaded.document, lines)), facts(uses.size())
    {}

    BitmapFacts &exitDo()
    {
        for (std::size_t i = 0; i < uses.size(); ++i) {
            if (uses[i].element == findElement(9) && uses[i].state == StateBitmap::Do)
                return facts[i];
        }
        qFatal("no bitmap_do of btn_exit");
    }

    LoadedSkin loaded;
    SkinLines lines;
    std::vector<BitmapUse> uses;
    std::vector<BitmapFacts> facts;
};

std::vector<SkinDifference> diff(const Side &a, const Side &b)
{
    return diffSkins({a.loaded.document, a.lines, a.uses, a.facts},
                     {b.loaded.document, b.lines, b.uses, b.facts});
}

QStringList kindsOf(const std::vector<SkinDifference> &differences)
{
    QStringList kinds;
    for (const SkinDifference &difference : differences)
        kinds << QString::fromLatin1(kindName(difference.kind));
    return kinds;
}

// A test skin whose btn_exit section, from line 16 on, holds the keys given.
std::string skinWith(std::string_view exitKeys, std::string_view background = "day.bmp",
                     bool version15 = false)
{
    return withBody(withBody(skinText(version15), "btn_exit", exitKeys), "dlg_main",
                    "bitmap1=" + std::string(background) + "\r\n");
}

const std::string exitKeys = "position=10,20, 0, 0\r\nsize=28,28\r\nbitmap_do=a.bmp\r\n";

} // namespace

class SkinDiffTest : public QObject {
    Q_OBJECT

private slots:
    void differencesByText_data()
    {
        QTest::addColumn<std::string>("b");
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<int>("firstLine");

        QTest::newRow("comments, key order, unknown keys and sections")
            << skinWith("; mine\r\nsize=28,28\r\nfont=Arial\r\nbitmap_do=a.bmp\r\n"
                        "position=10,20, 0, 0\r\n") +
                   "[extra]\r\nbitmap_do=b.bmp\r\n"
            << QStringList{} << 0;
        std::string capitals =
            skinWith("position=10,20, 0, 0\r\nsize=28,28\r\nbitmap_do=A.BMP\r\n");
        capitals.replace(capitals.find("[btn_exit]"), 10, "[BTN_EXIT]");
        QTest::newRow("case of section and file names") << capitals << QStringList{} << 0;
        QTest::newRow("the same file spelt with a leading folder dot and backslashes")
            << skinWith("position=10,20, 0, 0\r\nsize=28,28\r\nbitmap_do=.\\.\\a.bmp\r\n",
                        "./day.bmp")
            << QStringList{} << 0;
        QTest::newRow("moved and resized")
            << skinWith("size=30,28\r\nposition=10,21, 0, 0\r\nbitmap_do=a.bmp\r\n")
            << QStringList{"moved", "resized"} << 18;
        QTest::newRow("state names another file")
            << skinWith("position=10,20, 0, 0\r\nsize=28,28\r\nbitmap_do=b.bmp\r\n")
            << QStringList{"state-file"} << 19;
        QTest::newRow("state key gone") << skinWith("position=10,20, 0, 0\r\nsize=28,28\r\n")
                                        << QStringList{"state-file-and-pixels"} << 16;
        QTest::newRow("graphic names another file")
            << skinWith(exitKeys, "night.bmp") << QStringList{"graphic-file"} << 3;
        // The 1.4 skin never reads the places of the 1.5 elements: no move.
        QTest::newRow("version") << skinWith(exitKeys, "day.bmp", true)
                                 << QStringList{"version", "section-only-in-b", "section-only-in-b"}
                                 << 0;
        QTest::newRow("one 1.5 section keeps a skin at 1.4")
            << skinWith(exitKeys) + "[btn_wizard]\r\nsize=1,1\r\n"
            << QStringList{"section-only-in-b"} << 104;
    }

    void differencesByText()
    {
        QFETCH(std::string, b);
        QFETCH(QStringList, kinds);
        QFETCH(int, firstLine);

        const std::vector<SkinDifference> differences = diff(Side(skinWith(exitKeys)), Side(b));
        QCOMPARE(kindsOf(differences), kinds);
        if (!differences.empty())
            QCOMPARE(differences.front().line, firstLine);
    }

    void versionAndNameComeFirstThenSectionsGraphicsAndElementsInCatalogueOrder()
    {
        Side a(withBody(
            skinWith("position=5,5, 0, 0\r\nbitmap_up=x.bmp\r\nbitmap_do=d.bmp\r\n", "old.bmp"),
            "btn_play", "position=1,1, 0, 0\r\n"));
        Side b(withBody(skinWith("position=6,5, 0, 0\r\nbitmap_up=y.bmp\r\nbitmap_do=d.bmp\r\n",
                                 "new.bmp", true),
                        "btn_play", "position=1,2, 0, 0\r\n"));
        a.loaded.document.skinName = "Abend";
        b.exitDo().pixels = 1;

        QCOMPARE(kindsOf(diff(a, b)),
                 (QStringList{"version", "name", "section-only-in-b", "section-only-in-b",
                              "graphic-file", "moved", "state-file", "state-pixels", "moved"}));
    }

    void pixelsCountOnlyWhereAPictureWasDecoded_data()
    {
        using Outcome = BitmapFacts::Outcome;
        QTest::addColumn<Outcome>("outcomeA");
        QTest::addColumn<Outcome>("outcomeB");
        QTest::addColumn<int>("pixelsB");
        QTest::addColumn<QStringList>("kinds");

        QTest::newRow("same") << Outcome::Decoded << Outcome::Decoded << 0 << QStringList{};
        QTest::newRow("repainted")
            << Outcome::Decoded << Outcome::Decoded << 5 << QStringList{"state-pixels"};
        QTest::newRow("gone") << Outcome::Decoded << Outcome::Missing << 0
                              << QStringList{"missing-in-b"};
        QTest::newRow("missing on both")
            << Outcome::Missing << Outcome::Missing << 5 << QStringList{};
        QTest::newRow("missing, then broken")
            << Outcome::Missing << Outcome::Invalid << 0 << QStringList{"missing-in-a"};
    }

    void pixelsCountOnlyWhereAPictureWasDecoded()
    {
        QFETCH(BitmapFacts::Outcome, outcomeA);
        QFETCH(BitmapFacts::Outcome, outcomeB);
        QFETCH(int, pixelsB);
        QFETCH(QStringList, kinds);

        Side a(skinWith(exitKeys));
        Side b(skinWith(exitKeys));
        a.exitDo().outcome = outcomeA;
        b.exitDo().outcome = outcomeB;
        b.exitDo().pixels = std::uint64_t(pixelsB);
        QCOMPARE(kindsOf(diff(a, b)), kinds);
    }
};

QTEST_APPLESS_MAIN(SkinDiffTest)
#include "tst_skindiff.moc"
