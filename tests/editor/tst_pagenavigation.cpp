#include "editor/controls/PageView.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

using Probe = EditorProbe;

QPoint scrolled(const PageView *page)
{
    return {page->horizontalScrollBar()->value(), page->verticalScrollBar()->value()};
}

// Where the view shows the item, in its viewport's pixels.
QRect shownAt(const PageView *page, const Shown &item)
{
    return page->mapFromScene(item.item()->sceneBoundingRect()).boundingRect();
}

} // namespace

// The page views move without changing the skin: a hand pans them, they follow a
// selection made elsewhere than on them, and the fields show nothing of a selection
// that ended.
class PageNavigationTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    Shown view(const char *name) const { return probe_->view(name); }
    PageView *player() const { return probe_->child<PageView>(QStringLiteral("PlayerPageView")); }
    EditorDocument &document() const { return probe_->form->editorDocument(); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        probe_->open(folder_->path());
        probe_->child<QTabWidget>(QStringLiteral("Notebook"))->setCurrentIndex(0);
        probe_->form->zoom().setPercent(800);
        QCoreApplication::processEvents();
    }

    void handPansThePageAndChangesNothing_data()
    {
        QTest::addColumn<bool>("withSpace");
        QTest::newRow("middle button") << false;
        QTest::newRow("left button with Space held") << true;
    }

    void handPansThePageAndChangesNothing()
    {
        QFETCH(bool, withSpace);
        PageView *page = player();
        const Shown target = view("Image15p");
        page->centerOn(target.item());
        const QPoint before = scrolled(page);
        const Shown viewport(page->viewport());
        const QPoint from = shownAt(page, target).center();
        const Qt::MouseButton button = withSpace ? Qt::LeftButton : Qt::MiddleButton;
        if (withSpace)
            QTest::keyPress(page, Qt::Key_Space);

        Probe::mouse(viewport, QEvent::MouseButtonPress, from, button);
        QCOMPARE(page->viewport()->cursor().shape(), Qt::ClosedHandCursor);
        Probe::mouse(viewport, QEvent::MouseMove, from - QPoint(40, 24), button);
        Probe::mouse(viewport, QEvent::MouseButtonRelease, from - QPoint(40, 24), button);
        QCOMPARE(scrolled(page), before + QPoint(40, 24));
        QCOMPARE(target->geometry(), SkinFixture::place(15));
        QCOMPARE(document().history().count(), 0);
        QVERIFY(!probe_->due(15) && !probe_->saveEnabled());
        QCOMPARE(document().selection().kind, Selection::Kind::None);
        if (withSpace) {
            QCOMPARE(page->viewport()->cursor().shape(), Qt::OpenHandCursor);
            QTest::keyRelease(page, Qt::Key_Space);
        }
        QCOMPARE(page->viewport()->cursor().shape(), Qt::ArrowCursor);
    }

    // A click on the page selects what the user already sees: the view stays still.
    void pageFollowsASelectionMadeElsewhere()
    {
        PageView *page = player();
        QTreeWidget *tree = probe_->form->outline().tree();
        QTreeWidgetItem *row = tree->findItems(QStringLiteral("15"), Qt::MatchExactly).front();
        QVERIFY(!page->viewport()->rect().intersects(shownAt(page, view("Image15p"))));
        tree->scrollToItem(row);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
        QVERIFY(document().selection().isElement(*findElement(15)));
        QVERIFY(page->viewport()->rect().contains(shownAt(page, view("Image15p"))));

        // Element 20 in front of its neighbours, its left edge alone in sight.
        Probe::hover(view("Image20p"));
        const QRect twenty = shownAt(page, view("Image20p"));
        page->horizontalScrollBar()->setValue(page->horizontalScrollBar()->value() + twenty.left() -
                                              page->viewport()->width() + 40);
        const QPoint before = scrolled(page);
        Probe::click(view("Image20p"));
        QVERIFY(document().selection().isElement(*findElement(20)));
        QCOMPARE(scrolled(page), before);
    }

    // With nothing selected the fields show nothing of what was, and what is typed or
    // stepped there changes nothing.
    void anEndedSelectionLeavesNothingInTheFields()
    {
        Probe::click(view("Image15p"));
        const QRect placed = view("Image15p")->geometry();
        document().select({});
        for (const char *name : {"PositionX", "PositionY", "grossX", "grossY"}) {
            QVERIFY2(probe_->field(name)->isEnabled() && probe_->field(name)->isReadOnly(), name);
            QVERIFY2(probe_->field(name)->text().isEmpty(), name);
        }
        probe_->field("grossX")->setFocus();
        QTest::keyClicks(probe_->field("grossX"), QStringLiteral("600"));
        QTest::keyClick(probe_->field("PositionX"), Qt::Key_Up);
        QCOMPARE(view("Image15p")->geometry(), placed);
        QVERIFY(!probe_->saveEnabled());
        QCOMPARE(probe_->child<QLineEdit>(QStringLiteral("edit1"))->text(), QString());
        for (const char *name : {"Image01up", "Image01do", "Image01mo"}) {
            QVERIFY2(view(name).pixmap().isNull(), name);
            QVERIFY2(view(name).text().isEmpty(), name);
        }
        Probe::click(view("Image15p"));
        QVERIFY(!probe_->field("grossX")->isReadOnly());
    }
};

QTEST_MAIN(PageNavigationTest)
#include "tst_pagenavigation.moc"
