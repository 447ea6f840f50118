#include "editor/controls/PageView.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <set>

namespace {

using Probe = EditorProbe;

} // namespace

// The element outline beside the pages, and the live preview of the states, in which
// the pages answer the mouse as the player would and nothing can be edited.
class OutlinePreviewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    Shown view(const char *name) const { return probe_->view(name); }
    QTreeWidget *tree() const { return probe_->form->outline().tree(); }
    QTabWidget *notebook() const { return probe_->child<QTabWidget>(QStringLiteral("Notebook")); }
    PageView *player() const { return probe_->child<PageView>(QStringLiteral("PlayerPageView")); }
    QAction *command(const char *name) const { return probe_->command(name); }
    EditorDocument &document() const { return probe_->form->editorDocument(); }

    // The numbers of the rows in the outline, top to bottom; only those shown.
    QStringList rows(bool shownOnly = true) const
    {
        QStringList numbers;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            if (!shownOnly || !tree()->topLevelItem(i)->isHidden())
                numbers << tree()->topLevelItem(i)->text(0);
        }
        return numbers;
    }
    QTreeWidgetItem *row(const QString &number) const
    {
        const QList<QTreeWidgetItem *> found = tree()->findItems(number, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.front();
    }
    QStringList selectedRows() const
    {
        QStringList numbers;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            if (tree()->topLevelItem(i)->isSelected())
                numbers << tree()->topLevelItem(i)->text(0);
        }
        return numbers;
    }
    std::set<int> selected() const
    {
        std::set<int> numbers;
        for (const Selection &item : document().selectedItems())
            numbers.insert(item.kind == Selection::Kind::Element ? item.element->number : -1);
        return numbers;
    }
    // The elements the page shows, in catalogue order, as the outline numbers them.
    QStringList shownOn(Page page) const
    {
        QStringList numbers;
        for (const CatalogueEntry &entry : catalogue()) {
            const PageItem *onPage = probe_->form->scenes().views().view(entry, page);
            if (onPage && onPage->isVisible())
                numbers << QString::fromLatin1(entry.numberText);
        }
        return numbers;
    }

    // Every fixture bitmap is one colour of its own.
    QColor fileColour(const QString &file) const
    {
        return QImage(folder_->filePath(file)).pixelColor(0, 0);
    }
    QColor shownColour(const char *name) const
    {
        const QPixmap shown = view(name).pixmap();
        return shown.isNull() ? QColor() : shown.toImage().pixelColor(1, 1);
    }
    void leavePage() const
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(player(), &leave);
    }
    void startPreview() const
    {
        command("StatePreview")->setChecked(true);
        QVERIFY(command("StatePreview")->isChecked());
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        probe_->open(folder_->path());
        QCOMPARE(probe_->dialogs->calls().size(), 0);
        notebook()->setCurrentIndex(0);
        QCoreApplication::processEvents();
    }

    void outlineListsThePageShownAndItsPlaces()
    {
        QCOMPARE(probe_->form->outline().objectName(), QStringLiteral("ElementOutline"));
        const QTreeWidgetItem *header = tree()->headerItem();
        QCOMPARE((QStringList{header->text(0), header->text(1), header->text(2), header->text(3),
                              header->text(4)}),
                 (QStringList{"Nr.", "Abschnitt", "Name", "Position", "Größe"}));
        QCOMPARE(rows(), shownOn(Page::Player));
        QVERIFY(rows().contains(QStringLiteral("15")));
        QVERIFY(!rows().contains(QStringLiteral("16")));
        QVERIFY(!rows().contains(QStringLiteral("26")));

        const QTreeWidgetItem *seven = row(QStringLiteral("07"));
        QCOMPARE(seven->text(1), QStringLiteral("btn_player"));
        QVERIFY(!seven->text(2).isEmpty());
        QCOMPARE(seven->text(3).split(QRegularExpression(QStringLiteral("\\D+"))),
                 (QStringList{"31", "107"}));
        QCOMPARE(seven->text(4).split(QRegularExpression(QStringLiteral("\\D+"))),
                 (QStringList{"20", "12"}));
        // The row follows the element as it moves.
        Probe::drag(view("Image07s"), {10, 5});
        QCOMPARE(row(QStringLiteral("07"))->text(3).split(QRegularExpression("\\D+")),
                 (QStringList{"41", "112"}));

        notebook()->setCurrentIndex(1);
        QCOMPARE(rows(), shownOn(Page::Schedule));
        QVERIFY(rows().contains(QStringLiteral("26")));
        QVERIFY(!rows().contains(QStringLiteral("15")));
        notebook()->setCurrentIndex(2);
        QCOMPARE(rows(), shownOn(Page::Description));
        QVERIFY(rows().contains(QStringLiteral("51")));
        notebook()->setCurrentIndex(3);
        QCOMPARE(tree()->topLevelItemCount(), 0);
    }

    // What a 1.4 skin does not show has no row either.
    void outlineFollowsTheSkinOpened()
    {
        probe_->open(folder_->path(), SkinFixture(false));
        QCOMPARE(rows(), shownOn(Page::Player));
        QVERIFY(!rows().contains(QStringLiteral("131")));
        notebook()->setCurrentIndex(1);
        QCOMPARE(rows(), shownOn(Page::Schedule));
        QVERIFY(!rows().contains(QStringLiteral("29")));
        QVERIFY(rows().contains(QStringLiteral("07")));
    }

    void filterHidesRowsThatDoNotMatch()
    {
        QLineEdit *filter = probe_->form->outline().filter();
        QCOMPARE(filter->objectName(), QStringLiteral("ElementFilter"));
        filter->setText(QStringLiteral("ZOOM"));
        QCOMPARE(rows(), (QStringList{"32", "33", "34", "35", "36"}));
        // The filter holds for the page shown next.
        notebook()->setCurrentIndex(1);
        QCOMPARE(rows(), QStringList());
        notebook()->setCurrentIndex(0);
        filter->setText(QStringLiteral("13"));
        QCOMPARE(rows(), (QStringList{"13", "131", "132"}));
        filter->clear();
        QCOMPARE(rows(), shownOn(Page::Player));
    }

    void outlineAndPagesSelectTogether()
    {
        row(QStringLiteral("09"))->setSelected(true);
        row(QStringLiteral("07"))->setSelected(true);
        QCOMPARE(selected(), (std::set<int>{7, 9}));
        QCOMPARE(probe_->form->scenes().scene(Page::Player).frames().size(), std::size_t{2});
        // The element selected first stays the key element.
        QVERIFY(probe_->form->selection().isElement(*findElement(9)));

        Probe::click(view("Image08p"));
        QCOMPARE(selectedRows(), QStringList{"08"});
        Probe::mouse(view("Image10p"), QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton,
                     Qt::ControlModifier);
        Probe::mouse(view("Image10p"), QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton,
                     Qt::ControlModifier);
        QCOMPARE(selectedRows(), (QStringList{"08", "10"}));
        command("EditSelectAll")->trigger();
        QCOMPARE(selectedRows(), shownOn(Page::Player));
        QTest::keyClick(player(), Qt::Key_Escape);
        QCOMPARE(selectedRows(), QStringList());
        QCOMPARE(document().history().count(), 0);
    }

    void previewShowsTheStateUnderThePointer()
    {
        EditorProbe unopened;
        QVERIFY(!unopened.command("StatePreview")->isEnabled());
        QVERIFY(command("StatePreview")->isEnabled());
        QCOMPARE(command("StatePreview")->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(!command("PreviewDisabled")->isEnabled());

        const QColor up = shownColour("Image07p");
        QCOMPARE(up, fileColour(QStringLiteral("e07_up.bmp")));
        startPreview();
        QVERIFY(command("PreviewDisabled")->isEnabled());
        Probe::hover(view("Image07p"));
        QCOMPARE(shownColour("Image07p"), fileColour(QStringLiteral("e07_mo.bmp")));
        Probe::press(view("Image07p"));
        QCOMPARE(shownColour("Image07p"), fileColour(QStringLiteral("e07_do.bmp")));
        Probe::mouse(view("Image07p"), QEvent::MouseButtonRelease, {2, 2});
        QCOMPARE(shownColour("Image07p"), fileColour(QStringLiteral("e07_mo.bmp")));
        // On to another element, and off the page.
        Probe::hover(view("Image13p"));
        QCOMPARE(shownColour("Image07p"), up);
        QCOMPARE(shownColour("Image13p"), fileColour(QStringLiteral("e13_mo.bmp")));
        leavePage();
        QCOMPARE(shownColour("Image13p"), fileColour(QStringLiteral("e13_up.bmp")));
        QCOMPARE(probe_->form->selection().kind, Selection::Kind::None);
        QCOMPARE(probe_->dialogs->calls().size(), 0);

        // Ending the preview under the pointer shows the up bitmap again.
        Probe::hover(view("Image07p"));
        command("StatePreview")->setChecked(false);
        QCOMPARE(shownColour("Image07p"), up);
        QVERIFY(!command("PreviewDisabled")->isEnabled());
    }

    // A sign over the view, not in the page: it stays put and no export draws it.
    void previewShowsItsModeOnThePage()
    {
        auto *badge = player()->findChild<QLabel *>(QStringLiteral("ModeBadge"));
        QVERIFY(badge && !badge->isVisible());
        startPreview();
        QVERIFY(badge->isVisible());
        QCOMPARE(badge->text(), QStringLiteral("Vorschau läuft – F5 beendet"));
        QVERIFY(player()->viewport()->geometry().contains(badge->geometry()));
        command("StatePreview")->setChecked(false);
        QVERIFY(!badge->isVisible());
    }

    void nothingIsEditableDuringThePreview()
    {
        Probe::drag(view("Image05p"), {3, 0});
        Probe::click(view("Image07p"));
        Probe::mouse(view("Image08p"), QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton,
                     Qt::ControlModifier);
        Probe::mouse(view("Image08p"), QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton,
                     Qt::ControlModifier);
        QVERIFY(command("EditUndo")->isEnabled());
        QAction *alignLeft = command("AlignLeft");
        QVERIFY(alignLeft->isEnabled());

        startPreview();
        QVERIFY(!command("EditUndo")->isEnabled());
        QVERIFY(!alignLeft->isEnabled());
        QVERIFY(!command("EditSelectAll")->isEnabled());
        QVERIFY(!probe_->field("PositionX")->isEnabled());
        QVERIFY(!probe_->field("grossY")->isEnabled());

        Probe::drag(view("Image09p"), {10, 5});
        Probe::drag(view("Image07p"), {10, 5});
        QTest::keyClick(player(), Qt::Key_Right);
        QTest::keyClick(player(), Qt::Key_Escape);
        QCOMPARE(view("Image07d")->geometry(), SkinFixture::place(7));
        QCOMPARE(view("Image08d")->geometry(), SkinFixture::place(8));
        QCOMPARE(view("Image09d")->geometry(), SkinFixture::place(9));
        QCOMPARE(document().history().count(), 1);
        QCOMPARE(selected(), (std::set<int>{7, 8}));
        QVERIFY(!probe_->due(7));
        QVERIFY(!probe_->due(9));

        command("StatePreview")->setChecked(false);
        QVERIFY(command("EditUndo")->isEnabled());
        QVERIFY(alignLeft->isEnabled());
        QVERIFY(probe_->field("PositionX")->isEnabled());
        QCOMPARE(probe_->dialogs->calls().size(), 0);
    }

    void disabledStateShowsOnEveryFourStateElement()
    {
        startPreview();
        command("PreviewDisabled")->setChecked(true);
        for (const char *name : {"Image13p", "Image13s", "Image13d"})
            QCOMPARE(shownColour(name), fileColour(QStringLiteral("e13_da.bmp")));
        QCOMPARE(shownColour("Image26s"), fileColour(QStringLiteral("e26_da.bmp")));
        QCOMPARE(shownColour("Image07p"), fileColour(QStringLiteral("e07_up.bmp")));
        // A disabled element takes no notice of the mouse; the others still do.
        Probe::hover(view("Image13p"));
        QCOMPARE(shownColour("Image13p"), fileColour(QStringLiteral("e13_da.bmp")));
        Probe::hover(view("Image07p"));
        QCOMPARE(shownColour("Image07p"), fileColour(QStringLiteral("e07_mo.bmp")));
        QCOMPARE(shownColour("Image13p"), fileColour(QStringLiteral("e13_da.bmp")));

        command("PreviewDisabled")->setChecked(false);
        QCOMPARE(shownColour("Image13s"), fileColour(QStringLiteral("e13_up.bmp")));
        command("PreviewDisabled")->setChecked(true);
        command("StatePreview")->setChecked(false);
        for (const char *name : {"Image13p", "Image13s", "Image13d"})
            QCOMPARE(shownColour(name), fileColour(QStringLiteral("e13_up.bmp")));
    }

    void missingStateBitmapShowsItsNameWithoutABox()
    {
        SkinFixture fixture(true);
        fixture.set("btn_player", "bitmap_mo", "fehlt_mo.bmp");
        probe_->open(folder_->path(), fixture);
        QVERIFY(QFile::remove(folder_->filePath(QStringLiteral("fehlt_mo.bmp"))));
        const QColor up = shownColour("Image07p");
        startPreview();
        Probe::hover(view("Image07p"));
        QCOMPARE(view("Image07p").text(), QStringLiteral("fehlt_mo.bmp"));
        Probe::press(view("Image07p"));
        QCOMPARE(shownColour("Image07p"), fileColour(QStringLiteral("e07_do.bmp")));
        QCOMPARE(view("Image07p").text(), QString());
        Probe::mouse(view("Image07p"), QEvent::MouseButtonRelease, {2, 2});
        leavePage();
        QCOMPARE(view("Image07p").text(), QString());
        QCOMPARE(shownColour("Image07p"), up);
        command("StatePreview")->setChecked(false);
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 0);
    }
};

QTEST_MAIN(OutlinePreviewTest)
#include "tst_outlinepreview.moc"
