#include "editor/document/EditorDocument.h"
#include "editor/scene/DifferenceMarks.h"
#include "editor/windows/SkinComparisonWindow.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/DemoSkinCopy.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

// The open skin compared with another file: the list, the marks on the pages, and how
// both follow the user's edits, a double click and the end of the comparison.
class ComparisonTest : public QObject {
    Q_OBJECT

    SkinComparisonWindow &window() const { return probe_->form->comparison(); }
    QTreeWidget *list() const { return probe_->child<QTreeWidget>("DifferenceList"); }
    const std::vector<DifferenceMarks::Mark> &marks(Page page) const
    {
        return probe_->form->scenes().scene(page).differenceMarks().marks();
    }
    void compareWith(const QString &path) const
    {
        probe_->dialogs->answerOpenSkin(path);
        probe_->command("FileCompare")->trigger();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        open_ = std::make_unique<DemoSkinCopy>(QStringLiteral("sonnengelb-15"),
                                               folder_->filePath(QStringLiteral("open")));
        other_ = std::make_unique<DemoSkinCopy>(QStringLiteral("sonnengelb-15"),
                                                folder_->filePath(QStringLiteral("other")));
    }

    void anIdenticalSkinMarksNothing()
    {
        QVERIFY(!probe_->command("FileCompare")->isEnabled());
        probe_->form->load(open_->path());
        QVERIFY(probe_->command("FileCompare")->isEnabled());
        // Comments and unknown keys are no differences.
        other_->appendLines(
            {QStringLiteral("; a comment"), QStringLiteral("[extra]"), QStringLiteral("foo=1")});
        compareWith(other_->path());
        QVERIFY(window().isVisible());
        QCOMPARE(list()->topLevelItemCount(), 0);
        QVERIFY(probe_->child<QLabel>("ComparisonSummary")->text().contains("gleicht"));
        for (Page page : allPages)
            QVERIFY(marks(page).empty());
    }

    void aMovedElementIsOutlinedWhereTheOtherSkinHasIt()
    {
        probe_->form->load(open_->path());
        const Rect here = probe_->element(9).geometry;
        other_->setKey("btn_exit", "position",
                       QStringLiteral("%1,%2, 0, 0").arg(here.left - 40).arg(here.top));
        compareWith(other_->path());
        QCOMPARE(list()->topLevelItemCount(), 1);
        QCOMPARE(list()->topLevelItem(0)->text(1), QStringLiteral("09"));
        const auto &player = marks(findElement(9)->referencePage());
        QCOMPARE(player.size(), std::size_t(1));
        QCOMPARE(player[0].now, QRectF(here.left, here.top, here.width, here.height));
        QVERIFY(player[0].before);
        QCOMPARE(*player[0].before, QRectF(here.left - 40, here.top, here.width, here.height));

        // The user's unsaved move to the other skin's place ends the difference.
        EditorDocument &document = probe_->form->editorDocument();
        document.select(Selection::of(*findElement(9)));
        document.editEdge(Edge::Left, here.left - 40);
        QTRY_COMPARE(list()->topLevelItemCount(), 0);
        QVERIFY(marks(findElement(9)->referencePage()).empty());
    }

    void aStateThatShowsOtherPixelsMarksItsElementAndADoubleClickSelectsIt()
    {
        open_->setKey("btn_schedule_delete", "bitmap_mo", "btn_schedule_delete_do.bmp");
        probe_->form->load(open_->path());
        compareWith(other_->path());
        QCOMPARE(list()->topLevelItemCount(), 1);
        const auto &schedule = marks(Page::Schedule);
        QCOMPARE(schedule.size(), std::size_t(1));
        QVERIFY(!schedule[0].before);

        QTreeWidgetItem *row = list()->topLevelItem(0);
        const QPoint at = list()->visualItemRect(row).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            EditorProbe::mouse(list()->viewport(), type, at);
        QVERIFY(probe_->form->selection().isElement(*findElement(28)));
        QCOMPARE(probe_->child<QTabWidget>("Notebook")->currentWidget()->objectName(),
                 QStringLiteral("TabSchedule"));
    }

    void closingTheWindowOrOpeningAnotherSkinTakesTheMarksOff()
    {
        other_->setKey("btn_exit", "size", QStringLiteral("31,29"));
        probe_->form->load(open_->path());
        compareWith(other_->path());
        QVERIFY(!marks(Page::Player).empty());
        window().close();
        QVERIFY(marks(Page::Player).empty());

        compareWith(other_->path());
        QVERIFY(!marks(Page::Player).empty());
        probe_->form->load(other_->path());
        QVERIFY(!window().isVisible());
        QVERIFY(marks(Page::Player).empty());
    }

    void aFileThatIsNoSkinIsReportedAndComparesNothing()
    {
        probe_->form->load(open_->path());
        other_->writeFile(QStringLiteral("sonnengelb.lkv"), "no skin at all");
        compareWith(other_->path());
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        QVERIFY(!window().isVisible());
        for (Page page : allPages)
            QVERIFY(marks(page).empty());
        // A cancelled choice does nothing.
        compareWith(QString());
        QVERIFY(!window().isVisible());
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    std::unique_ptr<DemoSkinCopy> open_;
    std::unique_ptr<DemoSkinCopy> other_;
};

QTEST_MAIN(ComparisonTest)
#include "tst_comparison.moc"
