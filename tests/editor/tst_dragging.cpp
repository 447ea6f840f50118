#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QLineEdit>
#include <QtTest>

namespace {

using Probe = EditorProbe;

} // namespace

class DraggingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    Shown view(const char *name) const { return probe_->view(name); }
    QSpinBox *field(const char *name) const { return probe_->field(name); }
    QList<int> fields() const { return probe_->fields(); }
    QString hint() const { return probe_->child<QLineEdit>(QStringLiteral("edit1"))->text(); }
    QString open(SkinFixture fixture = SkinFixture(true))
    {
        const QString path = probe_->open(folder_->path(), std::move(fixture));
        [&] { QCOMPARE(probe_->dialogs->calls().size(), 0); }();
        return path;
    }
    void typeInto(const char *name, const QString &text)
    {
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        open();
    }

    void pressWithoutMoveSelectsButMarksNothing()
    {
        Probe::click(view("Image29s"));
        QVERIFY(probe_->form->selection().isElement(*findElement(29)));
        const QRect place = SkinFixture::place(29);
        QCOMPARE(fields(), (QList<int>{place.x(), place.y(), place.width(), place.height()}));
        QCOMPARE(hint(), QStringLiteral("Einen von 4 Bilder auswählen."));
        QVERIFY(!probe_->due(29));
        QVERIFY(!probe_->saveEnabled());
    }

    void draggingOneViewMovesTheElementOnEveryPage()
    {
        Probe::drag(view("Image07s"), {10, 5});
        const QRect moved = SkinFixture::place(7).translated(10, 5);
        for (const char *name : {"Image07p", "Image07s", "Image07d"})
            QCOMPARE(view(name)->geometry(), moved);
        QCOMPARE(field("PositionX")->value(), moved.x());
        QCOMPARE(field("PositionY")->value(), moved.y());
        QCOMPARE(probe_->element(7).geometry,
                 (Rect{moved.x(), moved.y(), moved.width(), moved.height()}));
        QVERIFY(probe_->due(7));
        QVERIFY(probe_->saveEnabled());
        QCOMPARE(view("Image08s")->geometry(), SkinFixture::place(8));
    }

    void everyMoveOfADragMarksTheElementEvenInPlace()
    {
        Probe::press(view("Image15p"));
        Probe::mouse(view("Image15p"), QEvent::MouseMove, {2, 2});
        QVERIFY(probe_->due(15));
        QVERIFY(probe_->saveEnabled());
    }

    void rightButtonDragsLikeTheLeft()
    {
        const Shown target = view("Image26s");
        Probe::press(target, {2, 2}, Qt::RightButton);
        Probe::mouse(target, QEvent::MouseMove, {7, 2}, Qt::RightButton);
        Probe::mouse(target, QEvent::MouseButtonRelease, {7, 2}, Qt::RightButton);
        QCOMPARE(target->x(), SkinFixture::place(26).x() + 5);
        Probe::mouse(target, QEvent::MouseMove, {30, 30}, Qt::NoButton);
        QCOMPARE(target->x(), SkinFixture::place(26).x() + 5);
    }

    void dragPastThePageEdgeGivesNegativePlaces()
    {
        Probe::drag(view("Image05p"), {-200, -300});
        QCOMPARE(field("PositionX")->value(), SkinFixture::place(5).x() - 200);
        QCOMPARE(field("PositionY")->value(), SkinFixture::place(5).y() - 300);
        QCOMPARE(view("Image05d")->pos(), SkinFixture::place(5).topLeft() - QPoint(200, 300));
    }

    void hoveringBringsAllViewsToTheFrontBelowTheLists()
    {
        Probe::hover(view("Image29p"));
        QCOMPARE(probe_->form->selection().kind, Selection::Kind::None);
        for (const char *name : {"Image29p", "Image29s", "Image29d"}) {
            const PageItem *hovered = view(name).item();
            const auto *scene = static_cast<PageScene *>(hovered->scene());
            for (QGraphicsItem *item : scene->items()) {
                if (item == hovered || item->parentItem() || !item->isVisible() ||
                    scene->isOverlay(item))
                    continue;
                const bool isList =
                    item->toGraphicsObject()->objectName().startsWith(QLatin1String("List"));
                QCOMPARE(item->zValue() > hovered->zValue(), isList);
            }
        }
    }

    void pressFillsThePreviewsAndHintByStateCount()
    {
        auto *disabled = probe_->child<QLabel>(QStringLiteral("Image01da"));
        auto *up = probe_->child<QLabel>(QStringLiteral("Image01up"));
        Probe::click(view("Image05p"));
        QCOMPARE(hint(), QStringLiteral("Wähl Eines der 3 Bilder aus."));
        QVERIFY(disabled->isHidden());
        Probe::click(view("Image14p"));
        QVERIFY(!disabled->isHidden());
        QCOMPARE(disabled->pixmap().size(), SkinFixture::place(14).size());
        QCOMPARE(hint(), QStringLiteral("Einen von 4 Bilder auswählen."));
        Probe::click(view("Image15p"));
        QVERIFY(disabled->isHidden());
        QCOMPARE(hint(), QStringLiteral("Einen von 3 Bilder auswählen."));
        Probe::click(view("Image13p"));
        QCOMPARE(hint(), QStringLiteral("Einen von 4 Bilder auswählen."));

        // The stream label has no bitmaps: the previews and the hint stay.
        Probe::click(view("Image25s"));
        QVERIFY(probe_->form->selection().isElement(*findElement(25)));
        QCOMPARE(up->pixmap().size(), SkinFixture::place(13).size());
        QVERIFY(disabled->isHidden());
        QCOMPARE(hint(), QStringLiteral("Einen von 4 Bilder auswählen."));
        QCOMPARE(field("PositionX")->value(), SkinFixture::place(25).x());
    }

    // A box opened during the press would take the mouse from the drag, and one per
    // press would block the element for good: the file is reported once, at the release.
    void unloadableStateBitmapIsReportedOnceAndTheElementStillDrags()
    {
        SkinFixture fixture(true);
        fixture.set("btn_stop", "bitmap_mo", "missing.bmp");
        const QString skin = open(fixture);
        QVERIFY(QFile::remove(folder_->filePath(QStringLiteral("missing.bmp"))));
        Probe::click(view("Image05p"));
        Probe::press(view("Image30s"));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 0);
        QVERIFY(probe_->form->selection().isElement(*findElement(30)));
        QCOMPARE(field("PositionX")->value(), SkinFixture::place(30).x());
        QCOMPARE(hint(), QStringLiteral("Einen von 4 Bilder auswählen."));
        QCOMPARE(probe_->child<QLabel>(QStringLiteral("Image01mo"))->text(),
                 QStringLiteral("missing.bmp"));
        Probe::mouse(view("Image30s"), QEvent::MouseMove, {5, 2});
        QCOMPARE(field("PositionX")->value(), SkinFixture::place(30).x() + 3);
        QVERIFY(probe_->due(30));
        Probe::mouse(view("Image30s"), QEvent::MouseButtonRelease, {5, 2});
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        QVERIFY(probe_->dialogs->texts(ScriptedDialogs::Error)[0].contains(
            QStringLiteral("missing.bmp")));

        Probe::drag(view("Image30p"), {4, 0});
        QCOMPARE(field("PositionX")->value(), SkinFixture::place(30).x() + 7);
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        // Opened again, the skin's files may fail anew.
        probe_->form->load(skin);
        Probe::click(view("Image30p"));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 2);
    }

    void trackListsMoveTogetherAndCarryThePlayerList()
    {
        const Shown description = view("ListDescription");
        Probe::press(description, {1, 1});
        QCOMPARE(hint(), QStringLiteral("Vorschau oder Liedersammlung-Ansicht-Ansicht"));
        QCOMPARE(fields(), (QList<int>{490, 45, 260, 180}));
        Probe::mouse(description, QEvent::MouseMove, {4, 9});
        Probe::mouse(description, QEvent::MouseButtonRelease, {4, 9});
        for (const char *name : {"ListPlayer", "ListSchedule", "ListDescription"})
            QCOMPARE(view(name)->pos(), QPoint(493, 53));
        QVERIFY(probe_->saveEnabled());
        QCOMPARE(probe_->form->document().lists.player.left, 493);
        QCOMPARE(probe_->form->document().lists.description.top, 53);

        // Resizing the track lists leaves the Player list's size alone.
        field("grossX")->setValue(300);
        QCOMPARE(view("ListSchedule")->width(), 300);
        QCOMPARE(view("ListDescription")->width(), 300);
        QCOMPARE(view("ListPlayer")->width(), 260);
    }

    void playerListMovesAlone()
    {
        const Shown player = view("ListPlayer");
        Probe::drag(player, {-6, 7}, {0, 0});
        QCOMPARE(hint(), QStringLiteral("Player-Ansicht"));
        QCOMPARE(player->pos(), QPoint(484, 52));
        QCOMPARE(view("ListSchedule")->pos(), QPoint(490, 45));
        QCOMPARE(probe_->form->document().lists.player.top, 52);
        QCOMPARE(field("grossY")->value(), 60);
        QVERIFY(probe_->saveEnabled());
    }

    void picturesInsideAListPanelDoNotTakeHoldOfIt()
    {
        Probe::click(view("Image05p"));
        Probe::drag(view("Listheader2"), {5, 5});
        Probe::drag(view("Image2"), {5, 5});
        QVERIFY(probe_->form->selection().isElement(*findElement(5)));
        QCOMPARE(view("ListSchedule")->pos(), QPoint(490, 45));
        QCOMPARE(view("ListPlayer")->pos(), QPoint(490, 45));
    }

    void fieldsBeforeAnySelectionMoveNothing()
    {
        field("PositionX")->setValue(3);
        field("grossY")->setValue(3);
        QCOMPARE(view("Image05p")->geometry(), SkinFixture::place(5));
        QCOMPARE(view("ListPlayer")->pos(), QPoint(490, 45));
    }

    void fieldsActOnTheSelectedElementsViewsOnly_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("views");
        QTest::newRow("three pages") << 7 << QStringList{"Image07p", "Image07s", "Image07d"};
        QTest::newRow("schedule only") << 26 << QStringList{"Image26s"};
        QTest::newRow("player and description") << 47 << QStringList{"Image47p", "Image47d"};
        QTest::newRow("description only") << 51 << QStringList{"Image51d"};
        QTest::newRow("1.5 extra") << 131 << QStringList{"Image131p", "Image131s", "Image131d"};
    }
    void fieldsActOnTheSelectedElementsViewsOnly()
    {
        QFETCH(int, number);
        QFETCH(QStringList, views);
        Probe::click(probe_->view(qPrintable(views.first())));
        field("PositionX")->setValue(400);
        field("PositionY")->setValue(-20);
        field("grossX")->setValue(33);
        field("grossY")->setValue(44);
        for (const CatalogueEntry &entry : catalogue()) {
            const QRect expected =
                entry.number == number ? QRect(400, -20, 33, 44) : SkinFixture::place(entry.number);
            for (const PageItem *shown : probe_->form->scenes().views().views(entry))
                QCOMPARE(shown->geometry(), expected);
        }
        QCOMPARE(probe_->element(number).geometry, (Rect{400, -20, 33, 44}));
    }

    void typingIntoAFieldFollowsEveryKeystrokeAndMarksTheElement()
    {
        Probe::click(view("Image07d"));
        QVERIFY(!probe_->saveEnabled());
        QList<int> widths;
        connect(field("grossX"), &QSpinBox::valueChanged, this,
                [&] { widths << view("Image07s")->width(); });
        typeInto("grossX", QString());
        QTest::keyClick(field("grossX"), Qt::Key_Backspace);
        QTest::keyClicks(field("grossX"), QStringLiteral("120"));
        QCOMPARE(widths, (QList<int>{0, 1, 12, 120}));
        QVERIFY(probe_->due(7));
        QVERIFY(probe_->saveEnabled());
    }

    void typedSizeBeyondTheRangeHoldsUntilTheFieldIsLeft()
    {
        Probe::click(view("Image08p"));
        typeInto("grossY", QStringLiteral("1500"));
        QCOMPARE(view("Image08d")->height(), 1500);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field("grossY"), &focusOut);
        QCOMPARE(view("Image08d")->height(), 1000);
        field("grossY")->setValue(1500);
        QCOMPARE(field("grossY")->value(), 1000);
    }

    void stepButtonsOnAListEnableSaveButMarkNoElement()
    {
        Probe::click(view("ListPlayer"));
        QTest::keyClick(field("PositionY"), Qt::Key_Up);
        QCOMPARE(view("ListPlayer")->y(), 46);
        QVERIFY(probe_->saveEnabled());
        QVERIFY(probe_->form->editorDocument().due().elements.none());
    }

    void releaseLostToAnErrorBoxEndsTheDrag()
    {
        SkinFixture fixture(true);
        fixture.set("btn_play1Track", "bitmap_mo", "missing.bmp");
        open(fixture);
        QVERIFY(QFile::remove(folder_->filePath(QStringLiteral("missing.bmp"))));
        Probe::press(view("Image31p"));
        // The release went to the error box; the pointer then only passes over views.
        Probe::mouse(view("Image05p"), QEvent::MouseMove, {9, 9}, Qt::NoButton);
        Probe::mouse(view("Image31p"), QEvent::MouseMove, {9, 9}, Qt::NoButton);
        QCOMPARE(view("Image05p")->geometry(), SkinFixture::place(5));
        QCOMPARE(view("Image31p")->geometry(), SkinFixture::place(31));
        QVERIFY(!probe_->due(31));
    }

    void dragOntoThePlaceTheFieldsShowStillMovesTheElement()
    {
        // Elements 05 and 40 have the same size, so no field changes on the move.
        SkinFixture fixture(true);
        fixture.set("btn_chadesc_start", "bitmap_mo", "missing.bmp");
        open(fixture);
        QVERIFY(QFile::remove(folder_->filePath(QStringLiteral("missing.bmp"))));
        Probe::click(view("Image05p"));
        const QPoint target = SkinFixture::place(5).topLeft();
        Probe::press(view("Image40p"), {0, 0});
        Probe::mouse(view("Image40p"), QEvent::MouseMove,
                     target - SkinFixture::place(40).topLeft());
        QCOMPARE(view("Image40p")->pos(), target);
        QCOMPARE(probe_->element(40).geometry.left, target.x());
        QCOMPARE(probe_->element(40).geometry.top, target.y());
    }

    void enterInAFieldChangesNothing()
    {
        Probe::click(view("Image07p"));
        QTest::keyClick(field("grossX"), Qt::Key_Return);
        QTest::keyClick(field("PositionY"), Qt::Key_Enter);
        QVERIFY(!probe_->due(7));
        QVERIFY(!probe_->saveEnabled());
    }

    void placesAtTheEdgeOfTheIntegerRangeStayWhereWidgetsCanBe()
    {
        SkinFixture fixture(true);
        fixture.set("btn_stop", "position", "2147483620, -2147483648, 0, 0");
        open(fixture);
        Probe::click(view("Image30p"));
        for (int step = 0; step < 40; ++step)
            QTest::keyClick(field("PositionX"), Qt::Key_Up);
        // No pointer reaches so far out; the drag itself goes to the document.
        Rect dragged = probe_->element(30).geometry;
        dragged.left = saturatedSum(dragged.left, 2000);
        dragged.top = saturatedSum(dragged.top, -50);
        probe_->form->editorDocument().drag(Selection::of(*findElement(30)), dragged);
        const SkinElement &stop = probe_->element(30);
        QCOMPARE(stop.geometry, (Rect{view("Image30p")->x(), view("Image30p")->y(),
                                      view("Image30p")->width(), view("Image30p")->height()}));
        QCOMPARE(view("Image30s")->geometry(), view("Image30p")->geometry());
        QVERIFY(stop.geometry.left > 2147483000);
    }

    void typedSizeTheViewCannotTakeIsNotKeptByTheModel()
    {
        Probe::click(view("Image08p"));
        typeInto("grossX", QStringLiteral("-5"));
        QCOMPARE(view("Image08s")->width(), 0);
        QCOMPARE(probe_->element(8).geometry.width, 0);
    }

    void typedValueLeftInAFieldDoesNotMarkTheNextSkin()
    {
        Probe::click(view("Image08p"));
        typeInto("grossY", QStringLiteral("1500"));
        open();
        QVERIFY(!probe_->saveEnabled());
    }
};

QTEST_MAIN(DraggingTest)
#include "tst_dragging.moc"
