#include "editor/document/EditorDocument.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

using DocumentChange = std::function<void(EditorDocument &)>;

const CatalogueEntry &exitButton()
{
    return *findElement(9);
}

QImage filled(QColor colour)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

Q_DECLARE_METATYPE(DocumentChange)
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
        QTest::addColumn<int>("width");
        const auto row = [](const char *title, Selection item, bool together, int width) {
            QTest::newRow(title) << item << together << width;
        };
        row("element", Selection::of(exitButton()), false, 1000);
        row("page background", Selection::backgroundOf(Page::Schedule), false, 1000);
        row("Player list", {Selection::Kind::PlayerList}, false, 1000);
        row("track lists", {Selection::Kind::TrackLists}, false, 1000);
        // The fields show no one item then, so none takes what they show.
        row("among several elements", Selection::of(exitButton()), true, 1500);
    }

    void aLoneSelectedItemIsCutToTheFieldRange()
    {
        QFETCH(Selection, item);
        QFETCH(bool, together);
        QFETCH(int, width);
        EditorDocument document;
        document.select(item);
        document.editEdge(Edge::Width, 1500); // as typed, before the field is left
        document.editEdge(Edge::Left, -20000);
        const int steps = document.history().count();
        const SaveDue due = document.due();
        document.select({});
        if (together)
            document.selectElements({&exitButton(), findElement(7)});
        else
            document.select(item);
        QCOMPARE(document.referenceGeometry(item).width, width);
        if (item.kind != Selection::Kind::Background)
            QCOMPARE(document.referenceGeometry(item).left, -20000);
        if (item.kind == Selection::Kind::TrackLists)
            QCOMPARE(document.skin().lists.description.width, width);
        QCOMPARE(document.history().count(), steps);
        QVERIFY(document.due().elements == due.elements);
    }

    // --- Changes from outside the editing ---

    void outsideChangesMakeNoStepAndEnableNoSave_data()
    {
        QTest::addColumn<DocumentChange>("change");
        QTest::addColumn<bool>("elementDue");
        const auto row = [](const char *title, DocumentChange change, bool elementDue) {
            QTest::newRow(title) << change << elementDue;
        };
        row(
            "graphic rewritten",
            [](EditorDocument &document) {
                document.outsideChanges().graphicRewritten(Graphic::Stream, filled(Qt::red));
                QCOMPARE(document.graphicPicture(Graphic::Stream), filled(Qt::red));
            },
            false);
        row(
            "up state rewritten",
            [](EditorDocument &document) {
                document.outsideChanges().stateBitmapRewritten(exitButton(), StateBitmap::Up,
                                                               filled(Qt::red));
                QCOMPARE(document.upPicture(exitButton()), filled(Qt::red));
            },
            false);
        row(
            "pressed state rewritten",
            [](EditorDocument &document) {
                QSignalSpy reread(&document, &EditorDocument::statePathChanged);
                document.outsideChanges().stateBitmapRewritten(exitButton(), StateBitmap::Do,
                                                               filled(Qt::red));
                QCOMPARE(reread.count(), 1);
                QVERIFY(document.upPicture(exitButton()).isNull());
            },
            false);
        row(
            "graphic gathered",
            [](EditorDocument &document) {
                document.outsideChanges().graphicGathered(Graphic::Curpos, "/skin/cur.bmp");
                QVERIFY(document.skin().graphicPaths[static_cast<int>(Graphic::Curpos)] ==
                        "/skin/cur.bmp");
            },
            false);
        row(
            "state gathered by its name",
            [](EditorDocument &document) {
                document.outsideChanges().stateBitmapGathered(exitButton(), StateBitmap::Up,
                                                              "/skin/exit.bmp", false);
                QVERIFY(document.skin().element(exitButton()).statePath(StateBitmap::Up) ==
                        "/skin/exit.bmp");
            },
            false);
        // The file still gives the old name; only a save that writes the keys renames it.
        row(
            "state gathered by another name",
            [](EditorDocument &document) {
                document.outsideChanges().stateBitmapGathered(exitButton(), StateBitmap::Up,
                                                              "/skin/exit 2.bmp", true);
            },
            true);
    }

    void outsideChangesMakeNoStepAndEnableNoSave()
    {
        QFETCH(DocumentChange, change);
        QFETCH(bool, elementDue);
        EditorDocument document;
        change(document);
        QCOMPARE(document.history().count(), 0);
        QVERIFY(!document.isChanged());
        QCOMPARE(document.due().elements.test(catalogueIndex(exitButton())), elementDue);
    }
};

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
