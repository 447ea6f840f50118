#include "editor/controls/PageView.h"
#include "editor/controls/ZoomSteps.h"
#include "editor/scene/SelectionFrame.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QWheelEvent>
#include <QtTest>

#include <cstdlib>

namespace {

using Probe = EditorProbe;

const std::array<const char *, 4> viewNames{"PlayerPageView", "SchedulePageView",
                                            "DescriptionPageView", "PlayerSichtPageView"};

PageView *viewOf(const PageItem *item)
{
    return static_cast<PageView *>(item->scene()->views().front());
}

// A mouse event on the view's viewport, at a point in its own pixels.
void send(PageView *view, QEvent::Type type, QPoint at, Qt::MouseButtons held = Qt::LeftButton,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonRelease)
        held = Qt::NoButton;
    QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(view->viewport(), &event);
}

void wheel(PageView *view, QPoint at, int delta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(at, view->viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &event);
}

// How many colours the view shows inside the item, a pixel away from its edges.
qsizetype coloursInside(const PageItem *item)
{
    QCoreApplication::processEvents();
    PageView *view = viewOf(item);
    const QImage shown = view->viewport()->grab().toImage();
    const QRect inside =
        view->mapFromScene(item->sceneBoundingRect()).boundingRect().adjusted(1, 1, -2, -2);
    QSet<QRgb> colours;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            colours.insert(shown.pixel(x, y));
    }
    return colours.size();
}

} // namespace

// The shared zoom of the page views, the status bar, and the selection's frame with
// its resize handles, worked with the mouse as a user does.
class ZoomAndHandlesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    Shown view(const char *name) const { return probe_->view(name); }
    PageItem *item(const char *name) const { return view(name).item(); }
    PageView *pageView(const char *name) const { return probe_->child<PageView>(name); }
    QString label(const char *name) const
    {
        return probe_->child<QLabel>(QString::fromLatin1(name))->text();
    }
    int zoom() const { return probe_->form->zoom().percent(); }
    // The scale every page view shows, in the order of their tabs.
    QList<qreal> scales() const
    {
        QList<qreal> result;
        for (const char *name : viewNames)
            result << pageView(name)->transform().m11();
        return result;
    }
    // The pages learn how far they reach once the event loop runs, as it does between
    // any two things a user does.
    static void settle() { QCoreApplication::processEvents(); }
    void trigger(const char *command) const { probe_->command(command)->trigger(); }
    void showPage(const PageItem *on) const
    {
        probe_->child<QTabWidget>(QStringLiteral("Notebook"))
            ->setCurrentWidget(viewOf(on)->parentWidget());
    }
    // Where a press takes hold of the handle: a handle stands just outside the frame.
    static QPoint handlePoint(const PageItem *target, HandleEdges edges)
    {
        const SelectionFrame &frame = static_cast<PageScene *>(target->scene())->selectionFrame();
        for (QGraphicsItem *child : frame.childItems()) {
            const auto *handle = dynamic_cast<SelectionHandle *>(child);
            if (handle && handle->edges().x == edges.x && handle->edges().y == edges.y)
                return viewOf(target)->mapFromScene(handle->scenePos()) +
                       QPoint(3 * edges.x, 3 * edges.y);
        }
        qFatal("no handle");
    }
    // Takes the selected item's handle and moves it by `by` screen pixels in three moves.
    static void dragHandle(const PageItem *target, HandleEdges edges, QPoint by,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        PageView *shownOn = viewOf(target);
        const QPoint from = handlePoint(target, edges);
        send(shownOn, QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        for (int step = 1; step <= 3; ++step)
            send(shownOn, QEvent::MouseMove, from + by * step / 3, Qt::LeftButton, modifiers);
        send(shownOn, QEvent::MouseButtonRelease, from + by, Qt::NoButton, modifiers);
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        probe_->open(folder_->path());
        QCOMPARE(probe_->dialogs->calls().size(), 0);
        settle();
    }

    void zoomCommandsStepThroughTheRangeOnEveryView()
    {
        QCOMPARE(label("ZoomLevel"), QStringLiteral("100 %"));
        QList<int> zooms;
        for (int step = 0; step < 6; ++step) {
            trigger("ViewZoomIn");
            zooms << zoom();
            QCOMPARE(scales(), QList<qreal>(4, zoom() / 100.0));
        }
        QCOMPARE(zooms, (QList<int>{200, 300, 400, 600, 800, 800}));
        QCOMPARE(label("ZoomLevel"), QStringLiteral("800 %"));
        zooms.clear();
        for (int step = 0; step < 8; ++step) {
            trigger("ViewZoomOut");
            zooms << zoom();
        }
        QCOMPARE(zooms, (QList<int>{600, 400, 300, 200, 100, 50, 25, 25}));
        QCOMPARE(scales(), QList<qreal>(4, 0.25));
        QCOMPARE(label("ZoomLevel"), QStringLiteral("25 %"));
        trigger("ViewZoomReset");
        QCOMPARE(scales(), QList<qreal>(4, 1.0));
        QCOMPARE(label("ZoomLevel"), QStringLiteral("100 %"));
    }

    void fitShowsTheWholePageAtTheLargestZoomThatFits_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QPoint>("moveTo"); // where element 09 goes first

        QTest::newRow("player") << 0 << SkinFixture::place(9).topLeft();
        QTest::newRow("description") << 2 << SkinFixture::place(9).topLeft();
        QTest::newRow("player-sicht") << 3 << SkinFixture::place(9).topLeft();
        QTest::newRow("wide page") << 1 << QPoint(3000, 40);
        QTest::newRow("tall page") << 1 << QPoint(40, 1500);
    }
    void fitShowsTheWholePageAtTheLargestZoomThatFits()
    {
        QFETCH(int, page);
        QFETCH(QPoint, moveTo);
        const QRect nine = SkinFixture::place(9);
        EditorDocument &document = probe_->form->editorDocument();
        document.select(Selection::of(*findElement(9)));
        document.placeSelection({moveTo.x(), moveTo.y(), nine.width(), nine.height()}, true);
        document.select({});
        settle();
        probe_->child<QTabWidget>(QStringLiteral("Notebook"))->setCurrentIndex(page);
        PageView *shown = pageView(viewNames[static_cast<std::size_t>(page)]);
        trigger("ViewZoomFit");
        settle();
        const int fitted = zoom();
        QCOMPARE(scales(), QList<qreal>(4, fitted / 100.0));
        QCOMPARE(label("ZoomLevel"), QStringLiteral("%1 %").arg(fitted));

        const QRect area = static_cast<PageScene *>(shown->scene())->shownArea();
        const QSize room = shown->viewport()->size();
        const auto fitsAt = [&](int percent) {
            return area.width() * percent <= room.width() * 100 &&
                   area.height() * percent <= room.height() * 100;
        };
        QVERIFY2(fitsAt(fitted), qPrintable(QStringLiteral("%1 %").arg(fitted)));
        QVERIFY(fitted == largestZoom || !fitsAt(fitted + 1));
        QCOMPARE(shown->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(shown->verticalScrollBar()->maximum(), 0);

        // A fitted zoom lies between the steps; the commands go on to the next one.
        trigger("ViewZoomOut");
        QCOMPARE(zoom(), zoomedOut(fitted));
        QVERIFY(zoom() < fitted);
    }

    void ctrlWheelZoomsAboutThePointer()
    {
        PageView *shown = pageView("DescriptionPageView");
        trigger("ViewZoomIn");
        const QPoint at(400, 100);
        const QPointF held = shown->mapToScene(at);
        wheel(shown, at, 120, Qt::ControlModifier);
        QCOMPARE(zoom(), 300);
        QCOMPARE(scales(), QList<qreal>(4, 3.0));
        QVERIFY(QLineF(shown->mapToScene(at), held).length() < 1);
        // Half a notch twice is one step.
        wheel(shown, at, -60, Qt::ControlModifier);
        QCOMPARE(zoom(), 300);
        wheel(shown, at, -60, Qt::ControlModifier);
        QCOMPARE(zoom(), 200);
        QVERIFY(QLineF(shown->mapToScene(at), held).length() < 1);
        // Without Ctrl the wheel scrolls the page and leaves the zoom.
        wheel(shown, at, -120, Qt::NoModifier);
        QCOMPARE(zoom(), 200);
    }

    void dragAtTwiceTheSizeMovesByHalfTheScreenDistance_data()
    {
        QTest::addColumn<int>("moves");
        QTest::newRow("one move") << 1;
        QTest::newRow("pixel by pixel") << 10;
    }
    void dragAtTwiceTheSizeMovesByHalfTheScreenDistance()
    {
        QFETCH(int, moves);
        trigger("ViewZoomIn");
        const Shown dragged = view("Image05d");
        PageView *shown = viewOf(dragged.item());
        const QPoint from = dragged.point(dragged.pressablePoint({2, 2}));
        const QPoint by(10, -6);
        send(shown, QEvent::MouseButtonPress, from);
        for (int step = 1; step <= moves; ++step)
            send(shown, QEvent::MouseMove, from + by * step / moves);
        send(shown, QEvent::MouseButtonRelease, from + by);
        const QRect moved = SkinFixture::place(5).translated(5, -3);
        QCOMPARE(probe_->placeOf(5), moved);
        QCOMPARE(dragged->geometry(), moved);
    }

    void pixelGridShowsFromFourTimesTheSizeWhileChecked()
    {
        const PageItem *lone = item("Image51d");
        QVERIFY(probe_->command("ViewPixelGrid")->isChecked());
        trigger("ViewZoomIn");
        QCOMPARE(coloursInside(lone), 1);
        trigger("ViewZoomIn");
        trigger("ViewZoomIn");
        viewOf(lone)->centerOn(lone);
        QVERIFY(coloursInside(lone) > 1);
        trigger("ViewPixelGrid");
        QVERIFY(!probe_->command("ViewPixelGrid")->isChecked());
        QCOMPARE(coloursInside(lone), 1);
    }

    void handleDragResizesKeepingTheOppositeEdges_data()
    {
        QTest::addColumn<int>("edgeX");
        QTest::addColumn<int>("edgeY");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QRect>("change"); // of left, top, width and height
        QTest::addColumn<int>("zoomIns");  // from 100 %

        QTest::newRow("right") << 1 << 0 << QPoint(15, 9) << QRect(0, 0, 15, 0) << 0;
        QTest::newRow("bottom") << 0 << 1 << QPoint(7, 6) << QRect(0, 0, 0, 6) << 0;
        QTest::newRow("left") << -1 << 0 << QPoint(-8, 3) << QRect(-8, 0, 8, 0) << 0;
        QTest::newRow("top") << 0 << -1 << QPoint(4, 5) << QRect(0, 5, 0, -5) << 0;
        QTest::newRow("top left") << -1 << -1 << QPoint(6, 3) << QRect(6, 3, -6, -3) << 0;
        QTest::newRow("bottom left") << -1 << 1 << QPoint(-5, 5) << QRect(-5, 0, 5, 5) << 0;
        QTest::newRow("past zero") << 1 << 0 << QPoint(-500, 0) << QRect(0, 0, -22, 0) << 0;
        QTest::newRow("left past zero") << -1 << 0 << QPoint(500, 0) << QRect(22, 0, -22, 0) << 0;
        QTest::newRow("top past zero") << 0 << -1 << QPoint(0, 300) << QRect(0, 14, 0, -14) << 0;
        QTest::newRow("left at 400 %") << -1 << 0 << QPoint(-20, 0) << QRect(-5, 0, 5, 0) << 3;
        QTest::newRow("beyond the range")
            << 1 << 1 << QPoint(1500, 1500) << QRect(0, 0, 978, 986) << 0;
    }
    void handleDragResizesKeepingTheOppositeEdges()
    {
        QFETCH(int, edgeX);
        QFETCH(int, edgeY);
        QFETCH(QPoint, by);
        QFETCH(QRect, change);
        QFETCH(int, zoomIns);
        for (int step = 0; step < zoomIns; ++step)
            trigger("ViewZoomIn");
        PageItem *nine = item("Image09d");
        Probe::click(nine);
        dragHandle(nine, {edgeX, edgeY}, by);

        const QRect start = SkinFixture::place(9);
        const QRect resized(start.x() + change.x(), start.y() + change.y(),
                            start.width() + change.width(), start.height() + change.height());
        QCOMPARE(probe_->placeOf(9), resized);
        for (const char *name : {"Image09p", "Image09s", "Image09d"})
            QCOMPARE(view(name)->geometry(), resized);
        QCOMPARE(probe_->fields(),
                 (QList<int>{resized.x(), resized.y(), resized.width(), resized.height()}));
        const SelectionFrame &frame =
            probe_->form->scenes().scene(Page::Description).selectionFrame();
        QVERIFY(frame.boundingRect().contains(QRectF(resized).topLeft()));
        QVERIFY(frame.boundingRect().contains(QRectF(resized).bottomRight()));
        QVERIFY(probe_->due(9));
    }

    // The tooltips and the status bar name the size the element has now.
    void handleDragIsOneUndoStepThatTheReadingsFollow()
    {
        PageItem *nine = item("Image09p");
        showPage(nine);
        Probe::click(nine);
        QCOMPARE(label("SelectionPlace"), QStringLiteral("x 37 · y 109 · 22 × 14"));
        dragHandle(nine, {1, 1}, {8, -3});
        dragHandle(nine, {1, 0}, {2, 0});
        QCOMPARE(probe_->form->editorDocument().history().count(), 2);
        QCOMPARE(probe_->command("EditUndo")->text(), QStringLiteral("&Rückgängig: Größe ändern"));
        for (const char *name : {"Image09p", "Image09s", "Image09d"})
            QCOMPARE(item(name)->toolTip(), QStringLiteral("Element 09 [btn_exit], 32 × 11"));

        trigger("EditUndo");
        QCOMPARE(probe_->placeOf(9), SkinFixture::place(9).adjusted(0, 0, 8, -3));
        QCOMPARE(item("Image09d")->toolTip(), QStringLiteral("Element 09 [btn_exit], 30 × 11"));
        trigger("EditUndo");
        QCOMPARE(view("Image09s")->geometry(), SkinFixture::place(9));
        QCOMPARE(item("Image09s")->toolTip(), QStringLiteral("Element 09 [btn_exit], 22 × 14"));
        QCOMPARE(label("SelectionPlace"), QStringLiteral("x 37 · y 109 · 22 × 14"));
        QCOMPARE(probe_->field("grossX")->value(), SkinFixture::place(9).width());
        QVERIFY(!probe_->saveEnabled());
    }

    void shiftOnACornerKeepsTheSideRatio_data()
    {
        QTest::addColumn<int>("edgeX");
        QTest::addColumn<int>("edgeY");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QRect>("resized");

        // Element 35 is 20 × 10 at 115, 135.
        QTest::newRow("wider") << 1 << 1 << QPoint(20, 2) << true << QRect(115, 135, 40, 20);
        QTest::newRow("taller") << 1 << 1 << QPoint(2, 15) << true << QRect(115, 135, 50, 25);
        QTest::newRow("top left") << -1 << -1 << QPoint(-20, -1) << true << QRect(95, 125, 40, 20);
        QTest::newRow("smaller") << 1 << 1 << QPoint(-10, -6) << true << QRect(115, 135, 10, 5);
        QTest::newRow("edge") << 1 << 0 << QPoint(10, 7) << true << QRect(115, 135, 30, 10);
        QTest::newRow("no shift") << 1 << 1 << QPoint(20, 2) << false << QRect(115, 135, 40, 12);
    }
    void shiftOnACornerKeepsTheSideRatio()
    {
        QFETCH(int, edgeX);
        QFETCH(int, edgeY);
        QFETCH(QPoint, by);
        QFETCH(bool, shift);
        QFETCH(QRect, resized);
        PageItem *element = item("Image35p");
        showPage(element);
        Probe::click(element);
        dragHandle(element, {edgeX, edgeY}, by, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(probe_->placeOf(35), resized);
        QCOMPARE(element->sceneBoundingRect(), QRectF(resized));
    }

    void cursorPositionShowsTheSkinPixelUnderThePointer_data()
    {
        QTest::addColumn<int>("zoomIns"); // from 100 %, negative zooms out
        QTest::addColumn<QPoint>("scroll");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("shown");

        QTest::newRow("100 %") << 0 << QPoint() << QPoint(123, 45) << "x 123 · y 45";
        QTest::newRow("200 %") << 1 << QPoint() << QPoint(101, 51) << "x 50 · y 25";
        QTest::newRow("200 % scrolled") << 1 << QPoint(40, 8) << QPoint(101, 51) << "x 70 · y 29";
        QTest::newRow("400 %") << 3 << QPoint() << QPoint(7, 3) << "x 1 · y 0";
        QTest::newRow("25 %") << -2 << QPoint() << QPoint(10, 11) << "x 40 · y 44";
    }
    void cursorPositionShowsTheSkinPixelUnderThePointer()
    {
        QFETCH(int, zoomIns);
        QFETCH(QPoint, scroll);
        QFETCH(QPoint, at);
        QFETCH(QString, shown);
        for (int step = 0; step < std::abs(zoomIns); ++step)
            trigger(zoomIns > 0 ? "ViewZoomIn" : "ViewZoomOut");
        settle();
        PageView *description = pageView("DescriptionPageView");
        description->horizontalScrollBar()->setValue(scroll.x());
        description->verticalScrollBar()->setValue(scroll.y());
        QCOMPARE(description->verticalScrollBar()->value(), scroll.y());
        QCOMPARE(label("CursorPosition"), QString());
        send(description, QEvent::MouseMove, at, Qt::NoButton);
        QCOMPARE(label("CursorPosition"), shown);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(description, &leave);
        QCOMPARE(label("CursorPosition"), QString());
    }

    void hoverWithinTheSelectionsFrameBringsAnotherElementToTheFront()
    {
        Probe::click(view("Image07p"));
        // Left of element 07, on element 05, but within the frame drawn around 07.
        PageView *player = viewOf(item("Image05p"));
        send(player, QEvent::MouseMove, player->mapFromScene(QPointF(27, 108)), Qt::NoButton);
        QVERIFY(item("Image05p")->zValue() > item("Image07p")->zValue());
    }

    void handleOnTheTrackListsLeavesThePlayerListAlone()
    {
        Probe::drag(view("ListPlayer"), {-6, 7}, {0, 0});
        PageItem *schedule = item("ListSchedule");
        // Selecting the track lists puts the Player list at their place, as the fields
        // do; the resize that follows must not move it again.
        Probe::click(schedule);
        const ListGeometry &lists = probe_->form->document().lists;
        const Rect player = lists.player;
        dragHandle(schedule, {1, 0}, {10, 0});
        QCOMPARE(lists.schedule, (Rect{490, 45, 270, 180}));
        QCOMPARE(lists.description, (Rect{490, 45, 270, 180}));
        QCOMPARE(lists.player, player);
    }
};

QTEST_MAIN(ZoomAndHandlesTest)
#include "tst_zoomandhandles.moc"
