#include "editor/document/EditorDocument.h"
#include "editor/files/PageLoad.h"
#include "editor/scene/PageScenes.h"
#include "tests/editor/SavedFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A skin opened into the document, with the scenes a load fills, and no window.
struct OpenSkin {
    explicit OpenSkin(const QString &folder)
        : scenes(document), path(SkinFixture(true).write(folder))
    {
        loadPages(path, document, scenes, dialogs);
    }

    ScriptedDialogs dialogs;
    EditorDocument document;
    PageScenes scenes;
    QString path;
};

const CatalogueEntry &entry(int number)
{
    return *findElement(number);
}

QByteArray positionLine(int left, int top)
{
    return QStringLiteral("position=%1,%2, 0, 0\r").arg(left).arg(top).toLatin1();
}

} // namespace

Q_DECLARE_METATYPE(Selection)

// The rules of the open skin, on the document alone: what makes one step of the
// history, and what a save writes.
class DocumentTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<OpenSkin> skin_;

    EditorDocument &document() const { return skin_->document; }
    QUndoStack &history() const { return document().history(); }
    void select(int number) const { document().select(Selection::of(entry(number))); }
    QRect placeOf(int number) const
    {
        const Rect &r = document().skin().element(entry(number)).geometry;
        return {r.left, r.top, r.width, r.height};
    }
    bool due(int number) const { return document().due().has(entry(number)); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        skin_ = std::make_unique<OpenSkin>(folder_->path());
    }

    // Steps and saves

    void runsOfOneKindOnOneItemMerge()
    {
        select(8);
        for (int typed : {1, 12, 120})
            document().editEdge(Edge::Width, typed);
        QCOMPARE(history().count(), 1);
        document().editEdge(Edge::Top, SkinFixture::top(8) + 1);
        document().editEdge(Edge::Top, SkinFixture::top(8) + 2);
        QCOMPARE(history().count(), 2);

        // Arrow keys that move and those that resize are one run.
        document().nudge(1, 0, 0, 0);
        document().nudge(0, 0, 0, 1);
        document().nudge(-10, 0, 0, 0);
        QCOMPARE(history().count(), 3);
        // Selecting ends the run, even when it selects the same item again.
        select(8);
        document().nudge(1, 0, 0, 0);
        QCOMPARE(history().count(), 4);

        for (int step = 0; step < 4; ++step)
            history().undo();
        QCOMPARE(placeOf(8), SkinFixture::place(8));
        QVERIFY(!document().isChanged());
    }

    void savedStepIsTheCleanPointInBothDirections()
    {
        select(9);
        document().nudge(4, 0, 0, 0);
        QVERIFY(document().save());
        QVERIFY(!document().isChanged());

        // The file holds the move: taking it back is a change, taking it again is none.
        history().undo();
        QVERIFY(document().isChanged());
        QVERIFY(due(9));
        history().redo();
        QVERIFY(!document().isChanged());
        QVERIFY(!due(9));

        // A new step after undoing the saved one leaves the file's state out of reach.
        history().undo();
        select(10);
        document().nudge(0, 4, 0, 0);
        history().undo();
        QVERIFY(document().isChanged());
        QVERIFY(due(9));
        QVERIFY(!due(10));
    }

    void secondSaveKeepsWhatTheFirstWrote()
    {
        select(5);
        document().nudge(3, 0, 0, 0);
        QVERIFY(document().save());
        select(7);
        document().nudge(4, 0, 0, 0);
        QVERIFY(document().save());
        const QByteArrayList after = linesOf(skin_->path);
        QVERIFY(sectionOf(after, "btn_schedule")
                    .contains(positionLine(SkinFixture::left(5) + 3, SkinFixture::top(5))));
        QVERIFY(sectionOf(after, "btn_player")
                    .contains(positionLine(SkinFixture::left(7) + 4, SkinFixture::top(7))));
    }

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

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"
