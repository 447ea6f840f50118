#include "skin/Catalogue.h"
#include "skin/SkinFormat.h"

#include <QtTest>

#include <set>

namespace {

std::set<int> numbersWhere(auto predicate)
{
    std::set<int> numbers;
    for (const CatalogueEntry &entry : catalogue()) {
        if (predicate(entry))
            numbers.insert(entry.number);
    }
    return numbers;
}

std::set<int> range(int first, int last)
{
    std::set<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.insert(n);
    return numbers;
}

std::set<int> unite(std::initializer_list<std::set<int>> parts)
{
    std::set<int> all;
    for (const std::set<int> &part : parts)
        all.insert(part.begin(), part.end());
    return all;
}

} // namespace

// The table is checked against the element groups as the player's documentation
// summarises them, so a slip in one row shows up here.
class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void orderIsLoadAndSaveOrder()
    {
        std::vector<int> order;
        for (const CatalogueEntry &entry : catalogue())
            order.push_back(entry.number);
        std::vector<int> expected{5, 7, 8, 9, 10, 11, 12, 13, 131, 132};
        for (int n = 14; n <= 51; ++n)
            expected.push_back(n);
        QCOMPARE(order, expected);
    }

    void statesMatchTheElementGroups()
    {
        const auto four = [](const CatalogueEntry &e) { return e.states == StateSet::Four; };
        const auto three = [](const CatalogueEntry &e) { return e.states == StateSet::Three; };
        QCOMPARE(numbersWhere(four), unite({{13, 14, 16, 24}, range(26, 48)}));
        QCOMPARE(numbersWhere(three),
                 unite({range(7, 12), {5, 15}, range(17, 23), range(49, 51), {131, 132}}));
        QCOMPARE(numbersWhere([](const CatalogueEntry &e) { return e.states == StateSet::None; }),
                 std::set<int>{25});
    }

    void viewsMatchTheElementGroups()
    {
        const auto only = [](std::uint8_t pages) {
            return [pages](const CatalogueEntry &e) { return e.pages == pages; };
        };
        const std::uint8_t p = 1, s = 2, d = 4;
        QCOMPARE(numbersWhere(only(p | s | d)),
                 unite({range(7, 14), {5, 29, 30, 131, 132}, range(17, 25)}));
        QCOMPARE(numbersWhere(only(p)), unite({{15, 16, 50}, range(31, 45)}));
        QCOMPARE(numbersWhere(only(s)), (std::set<int>{26, 27, 28, 49}));
        QCOMPARE(numbersWhere(only(d)), std::set<int>{51});
        QCOMPARE(numbersWhere(only(p | d)), (std::set<int>{46, 47, 48}));
    }

    void referenceViewIsPlayerElseTheOnlyView()
    {
        QCOMPARE(findElement(46)->referencePage(), Page::Player);
        QCOMPARE(findElement(26)->referencePage(), Page::Schedule);
        QCOMPARE(findElement(51)->referencePage(), Page::Description);
    }

    void versionRules()
    {
        const auto rule = [](VersionRule r) {
            return [r](const CatalogueEntry &e) { return e.rule == r; };
        };
        QCOMPARE(numbersWhere(rule(VersionRule::OnlyFor15)), (std::set<int>{131, 132}));
        QCOMPARE(numbersWhere(rule(VersionRule::ScheduleViewFor15)), (std::set<int>{14, 29, 30}));
        QCOMPARE(numbersWhere(rule(VersionRule::NeverShown)), std::set<int>{16});
    }

    void versionDecidesExistenceAndVisibility_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<Page>("page");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("visible");

        const QString v14 = QString::fromLatin1(version14.data(), qsizetype(version14.size()));
        const QString v15 = QString::fromLatin1(version15.data(), qsizetype(version15.size()));
        const auto row = [](const char *tag, int number, Page page, QString version, bool exists,
                            bool visible) {
            QTest::newRow(tag) << number << page << version << exists << visible;
        };
        row("new element in 1.4", 131, Page::Player, v14, false, false);
        row("new element in 1.5", 132, Page::Schedule, v15, true, true);
        row("new element, no version", 131, Page::Player, "", false, false);
        row("new element, other player", 131, Page::Player, "Orvana one 2.0", false, false);
        row("schedule view in 1.4", 29, Page::Schedule, v14, true, false);
        row("schedule view in 1.5", 29, Page::Schedule, v15, true, true);
        row("player view of the same in 1.4", 29, Page::Player, v14, true, true);
        row("never shown", 16, Page::Player, v15, true, false);
        row("no view on that page", 26, Page::Player, v15, true, false);
        row("only view", 51, Page::Description, v14, true, true);
    }

    void versionDecidesExistenceAndVisibility()
    {
        QFETCH(int, number);
        QFETCH(Page, page);
        QFETCH(QString, version);
        QFETCH(bool, exists);
        QFETCH(bool, visible);

        const std::string target = version.toStdString();
        QCOMPARE(existsIn(*findElement(number), target), exists);
        QCOMPARE(visibleOn(*findElement(number), page, target), visible);
    }

    void onlyTheWebButtonsOfTwoPagesKeepTheirSize()
    {
        QCOMPARE(numbersWhere(keepsSizeForNewBitmap), (std::set<int>{50, 51}));
    }

    void pressHintsMatchTheElementGroups()
    {
        const auto hint = [](HintKind kind) {
            return [kind](const CatalogueEntry &e) { return hintKind(e) == kind; };
        };
        QCOMPARE(numbersWhere(hint(HintKind::None)), std::set<int>{25});
        QCOMPARE(numbersWhere(hint(HintKind::ChooseOfThreeWindowButton)),
                 unite({{5}, range(7, 12)}));
        QCOMPARE(numbersWhere(hint(HintKind::ChooseOfThree)),
                 unite({{15, 131, 132}, range(17, 23), range(49, 51)}));
        QCOMPARE(numbersWhere(hint(HintKind::ChooseOfFour)),
                 unite({{13, 14, 16, 24}, range(26, 48)}));
    }

    void lookupsByNumberAndSection()
    {
        QCOMPARE(findElement(29)->section, std::string_view("btn_play"));
        QCOMPARE(findElement(131)->numberText, std::string_view("131"));
        QCOMPARE(findElement(5)->numberText, std::string_view("05"));
        QVERIFY(findElement(6) == nullptr);
        QVERIFY(findElement(1) == nullptr);
        QCOMPARE(findElementBySection("BTN_Play")->number, 29);
        QCOMPARE(findElementBySection("btn_play1track")->number, 31);
        QVERIFY(findElementBySection("btn play") == nullptr);
        QVERIFY(findElementBySection("dlg_main") == nullptr);
        QCOMPARE(catalogueIndex(*findElement(51)), elementCount - 1);
    }

    void everyElementButTheTwoNewOnesIsRequired()
    {
        const std::set<std::string_view> required(requiredSections.begin(), requiredSections.end());
        QCOMPARE(required.size(), requiredSections.size());
        for (const CatalogueEntry &entry : catalogue()) {
            const bool isNew = entry.rule == VersionRule::OnlyFor15;
            QCOMPARE(required.count(entry.section) == 1, !isNew);
        }
        for (std::string_view section : version15Sections)
            QCOMPARE(findElementBySection(section)->rule, VersionRule::OnlyFor15);
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
