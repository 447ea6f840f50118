#include "editor/document/EditorDocument.h"

#include <QTest>

Q_DECLARE_METATYPE(Selection)

// The rules of the document alone, with no window and no scene around it.
class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    // --- Selecting, and what the size fields can show ---

    void aLoneSelectedItemIsCutToTheFieldRange_data()
    {
        QTest::addColumn<Selection>("item");
        QTest::addColumn<bool>("together");
        const CatalogueEntry *exitButton = findElement(9);
        QTest::newRow("element") << Selection::of(*exitButton) << false;
        QTest::newRow("page background") << Selection::backgroundOf(Page::Schedule) << false;
        QTest::newRow("Player list") << Selection{Selection::Kind::PlayerList} << false;
        QTest::newRow("track lists") << Selection{Selection::Kind::TrackLists} << false;
        // The fields then show no one item, so none is cut.
        QTest::newRow("among several elements") << Selection::of(*exitButton) << true;
    }

    void aLoneSelectedItemIsCutToTheFieldRange()
    {
        QFETCH(Selection, item);
        QFETCH(bool, together);
        const CatalogueEntry *exitButton = findElement(9);
        EditorDocument document;
        document.select(item);
        document.editEdge(Edge::Width, 1500); // as typed, before the field is left
        const int steps = document.history().count();
        const SaveDue due = document.due();
        document.select({});
        if (together)
            document.selectElements({exitButton, findElement(7)});
        else
            document.select(item);
        QCOMPARE(document.referenceGeometry(item).width, together ? 1500 : 1000);
        QCOMPARE(document.history().count(), steps);
        QVERIFY(document.due().elements == due.elements);
    }

    // --- Changes from outside the editing ---

    void outsideChangesMakeNoStepAndEnableNoSave_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("elementDue");
        QTest::newRow("graphic rewritten") << 0 << false;
        QTest::newRow("up state rewritten") << 1 << false;
        QTest::newRow("state gathered by its name") << 2 << false;
        // The file still gives the old name, until a save writes the element's keys.
        QTest::newRow("state gathered by another name") << 3 << true;
    }

    void outsideChangesMakeNoStepAndEnableNoSave()
    {
        QFETCH(int, change);
        QFETCH(bool, elementDue);
        const CatalogueEntry *exitButton = findElement(9);
        EditorDocument document;
        const OutsideChanges outside = document.outsideChanges();
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        if (change == 0) {
            outside.graphicRewritten(Graphic::Stream, red);
            QCOMPARE(document.graphicPicture(Graphic::Stream), red);
        } else if (change == 1) {
            outside.stateBitmapRewritten(*exitButton, StateBitmap::Up, red);
            QCOMPARE(document.upPicture(*exitButton), red);
        } else {
            outside.stateBitmapGathered(*exitButton, StateBitmap::Up, "exit.bmp", change == 3);
            QVERIFY(document.skin().element(*exitButton).statePath(StateBitmap::Up) == "exit.bmp");
        }
        QCOMPARE(document.history().count(), 0);
        QVERIFY(!document.isChanged());
        QCOMPARE(document.due().elements.test(catalogueIndex(*exitButton)), elementDue);
    }
};

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
