#include "editor/controls/NumberField.h"
#include "editor/controls/PageView.h"
#include "editor/scene/SnapGuides.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QFile>
#include <QGraphicsRectItem>
#include <QMenu>
#include <QTabWidget>
#include <QtTest>

#include <functional>

namespace {

using Probe = EditorProbe;

// The elements the tests work with stand in a quiet stretch of every page; all the
// others are stacked far off, so no line of theirs comes near and every snap below is
// to one of these four (or to nothing).
const std::map<int, QRect> places{{7, {100, 400, 20, 12}},
                                  {8, {160, 430, 21, 13}},
                                  {9, {230, 410, 22, 14}},
                                  {10, {300, 450, 23, 10}}};

SkinFixture apart()
{
    SkinFixture fixture(true);
    for (const CatalogueEntry &entry : catalogue()) {
        const auto found = places.find(entry.number);
        const QRect place = found == places.end() ? QRect(1000, 1000, 20, 10) : found->second;
        const std::string section(entry.section);
        fixture.set(section, "position",
                    QStringLiteral("%1, %2, 0, 0").arg(place.x()).arg(place.y()).toStdString());
        fixture.set(section, "size",
                    QStringLiteral("%1, %2").arg(place.width()).arg(place.height()).toStdString());
    }
    return fixture;
}

// The left and top the skin file gives the section, however the line is spaced.
QPoint savedPosition(const QString &path, const QByteArray &section)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, -1};
    bool inside = false;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith('['))
            inside = line.trimmed() == "[" + section + "]";
        const QByteArrayList pair = line.split('=');
        if (inside && pair.size() == 2 && pair[0].trimmed() == "position") {
            const QByteArrayList numbers = pair[1].split(',');
            return {numbers.value(0).trimmed().toInt(), numbers.value(1).trimmed().toInt()};
        }
    }
    return {-1, -1};
}

QAction *entryIn(const QMenu &menu, const QString &text)
{
    for (QAction *action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

// Several elements selected at once, by Ctrl+click, rubber band, Ctrl+A or the
// outline, and everything that then acts on all of them: drags, fields, the arrange
// commands and pasting a place. Snapping is part of the drag and tested here too.
class MultiSelectionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    QString skinPath_;

    EditorDocument &document() const { return probe_->form->editorDocument(); }
    Shown view(const char *name) const { return probe_->view(name); }
    PageView *player() const { return probe_->child<PageView>(QStringLiteral("PlayerPageView")); }
    PageScene &playerScene() const { return probe_->form->scenes().scene(Page::Player); }
    NumberField *field(const char *name) const
    {
        return probe_->child<NumberField>(QString::fromLatin1(name));
    }
    QRect placeOf(int number) const
    {
        const Rect &r = probe_->element(number).geometry;
        return {r.left, r.top, r.width, r.height};
    }
    QList<int> selected() const
    {
        QList<int> numbers;
        for (const Selection &item : document().selectedItems())
            numbers << (item.kind == Selection::Kind::Element ? item.element->number : -1);
        return numbers;
    }
    // The element's view on a page: 'p', 's' or 'd'.
    Shown viewOf(int number, char page) const
    {
        return view(qPrintable(QStringLiteral("Image%1%2")
                                   .arg(number, 2, 10, QLatin1Char('0'))
                                   .arg(QLatin1Char(page))));
    }
    int steps() const { return document().history().count(); }
    QAction *arrange(Arrangement a) const { return probe_->form->commands().arrangeAction(a); }

    static void ctrlClick(const Shown &target)
    {
        Probe::mouse(target, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::ControlModifier);
        Probe::mouse(target, QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton,
                     Qt::ControlModifier);
    }
    void select(std::initializer_list<const char *> names) const
    {
        Probe::click(view(*names.begin()));
        for (auto name = names.begin() + 1; name != names.end(); ++name)
            ctrlClick(view(*name));
    }

    // A mouse event on the page view's viewport (the Player page's unless told), at a
    // point in its own pixels.
    void send(QEvent::Type type, QPoint at, Qt::KeyboardModifiers modifiers = {},
              PageView *on = nullptr) const
    {
        if (!on)
            on = player();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, player()->viewport()->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(player()->viewport(), &event);
    }
    // From one point of the Player page to another, both in skin pixels.
    void band(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers = {},
              const std::function<void()> &meanwhile = {}) const
    {
        send(QEvent::MouseButtonPress, player()->mapFromScene(from), modifiers);
        send(QEvent::MouseMove, player()->mapFromScene((from + to) / 2), modifiers);
        send(QEvent::MouseMove, player()->mapFromScene(to), modifiers);
        if (meanwhile)
            meanwhile();
        send(QEvent::MouseButtonRelease, player()->mapFromScene(to), modifiers);
    }
    // Takes the element by its middle on the Player page and moves the pointer by what
    // is `by` skin pixels at the zoom shown, in two moves.
    void dragElement(int number, QPoint by, Qt::KeyboardModifiers modifiers = {},
                     const std::function<void()> &meanwhile = {}) const
    {
        const qreal scale = player()->transform().m11();
        const QPoint from = player()->mapFromScene(QRectF(placeOf(number)).center());
        const QPoint screenBy = (QPointF(by) * scale).toPoint();
        send(QEvent::MouseButtonPress, from, modifiers);
        send(QEvent::MouseMove, from + screenBy / 2, modifiers);
        send(QEvent::MouseMove, from + screenBy, modifiers);
        if (meanwhile)
            meanwhile();
        send(QEvent::MouseButtonRelease, from + screenBy, modifiers);
    }
    void snapToElements(bool on) const { probe_->form->commands().snapToElements->setChecked(on); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        skinPath_ = probe_->open(folder_->path(), apart());
        QCOMPARE(probe_->dialogs->calls().size(), 0);
        probe_->child<QTabWidget>(QStringLiteral("Notebook"))->setCurrentIndex(0);
        QCoreApplication::processEvents();
    }

    void ctrlClickAddsAndTakesOutElements()
    {
        select({"Image07p", "Image08p", "Image09p"});
        QCOMPARE(selected(), (QList<int>{7, 8, 9}));
        QVERIFY(probe_->form->selection().isElement(*findElement(7)));
        // Every page frames every selected element it shows.
        QCOMPARE(probe_->form->scenes().scene(Page::Schedule).frames().size(), std::size_t{3});

        ctrlClick(view("Image07s"));
        QCOMPARE(selected(), (QList<int>{8, 9}));
        QVERIFY(probe_->form->selection().isElement(*findElement(8)));
        QCOMPARE(playerScene().frames().size(), std::size_t{2});
        QCOMPARE(steps(), 0);

        // A click that does not drag on one of several selects it alone.
        Probe::click(view("Image09d"));
        QCOMPARE(selected(), (QList<int>{9}));
    }

    void rubberBandSelectsWhatItTouches()
    {
        bool shown = false;
        band({90, 390}, {170, 440}, {}, [&] { shown = playerScene().rubberBand().isVisible(); });
        QVERIFY(shown);
        QVERIFY(!playerScene().rubberBand().isVisible());
        QCOMPARE(selected(), (QList<int>{7, 8}));

        // With Ctrl the band adds to what is selected.
        band({225, 405}, {240, 412}, Qt::ControlModifier);
        QCOMPARE(selected(), (QList<int>{7, 8, 9}));
        // Without, it starts anew.
        band({295, 445}, {310, 455});
        QCOMPARE(selected(), (QList<int>{10}));
        QCOMPARE(steps(), 0);
    }

    void bandFromThePageBackgroundButAClickSelectsTheBackground()
    {
        const Shown background = view("ImageP");
        const QPointF onIt =
            background.item()->mapToScene(QPointF(background.pressablePoint({2, 2})));
        band(onIt, {125, 415});
        QCOMPARE(selected(), (QList<int>{7}));

        select({"Image08p", "Image09p"});
        Probe::click(background);
        QCOMPARE(probe_->form->selection().kind, Selection::Kind::Background);
        QCOMPARE(document().selectedItems().size(), std::size_t{1});
    }

    void groupDragIsOneStepThatEveryPageFollows()
    {
        select({"Image07p", "Image08p", "Image09p"});
        // Taken on another page than where it was selected, in three moves.
        auto *schedule = probe_->child<PageView>(QStringLiteral("SchedulePageView"));
        const QPoint from = schedule->mapFromScene(QRectF(places.at(8)).center());
        send(QEvent::MouseButtonPress, from, {}, schedule);
        for (int step = 1; step <= 3; ++step)
            send(QEvent::MouseMove, from + QPoint(5, -3) * step, {}, schedule);
        send(QEvent::MouseButtonRelease, from + QPoint(15, -9), {}, schedule);
        QCOMPARE(selected(), (QList<int>{7, 8, 9}));
        for (int number : {7, 8, 9}) {
            const QRect moved = places.at(number).translated(15, -9);
            QCOMPARE(placeOf(number), moved);
            for (char page : {'p', 's', 'd'})
                QCOMPARE(viewOf(number, page)->geometry(), moved);
            QVERIFY(probe_->due(number));
        }
        QCOMPARE(placeOf(10), places.at(10));
        QCOMPARE(steps(), 1);
        probe_->command("EditUndo")->trigger();
        for (int number : {7, 8, 9})
            QCOMPARE(viewOf(number, 'd')->geometry(), places.at(number));
        QVERIFY(!probe_->saveEnabled());
    }

    void arrowKeysMoveTheGroupAsOneStep()
    {
        select({"Image10p", "Image07p"});
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(player(), Qt::Key_Right);
        QTest::keyClick(player(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(placeOf(10), places.at(10).translated(3, 10));
        QCOMPARE(placeOf(7), places.at(7).translated(3, 10));
        QCOMPARE(viewOf(7, 'd')->pos(), places.at(7).topLeft() + QPoint(3, 10));
        QCOMPARE(placeOf(8), places.at(8));
        QCOMPARE(steps(), 1);
    }

    void fieldsShowWhatTheSelectedShareAndTypingSetsAll()
    {
        select({"Image07p", "Image08p"});
        for (const char *name : {"PositionX", "PositionY", "grossX", "grossY"}) {
            QVERIFY2(field(name)->isMixed(), name);
            QCOMPARE(field(name)->text(), QString());
        }
        probe_->field("grossX")->selectAll();
        QTest::keyClicks(field("grossX"), QStringLiteral("40"));
        QCOMPARE(placeOf(7).width(), 40);
        QCOMPARE(placeOf(8).width(), 40);
        QCOMPARE(view("Image08d")->width(), 40);
        QVERIFY(!field("grossX")->isMixed());
        QCOMPARE(field("grossX")->value(), 40);
        QVERIFY(field("grossY")->isMixed());
        QCOMPARE(steps(), 1);

        arrange(Arrangement::AlignTop)->trigger();
        QVERIFY(!field("PositionY")->isMixed());
        QCOMPARE(field("PositionY")->text(), QStringLiteral("400"));
        QVERIFY(field("PositionX")->isMixed());

        probe_->command("EditUndo")->trigger();
        probe_->command("EditUndo")->trigger();
        QCOMPARE(placeOf(7), places.at(7));
        QCOMPARE(placeOf(8), places.at(8));
        QVERIFY(field("grossX")->isMixed());
        QCOMPARE(field("grossX")->text(), QString());

        Probe::click(view("Image09p"));
        QCOMPARE(probe_->fields(), (QList<int>{230, 410, 22, 14}));
        QVERIFY(!field("PositionX")->isMixed());
        QCOMPARE(field("PositionX")->text(), QStringLiteral("230"));
    }

    void arrangeCommandsNeedEnoughElements()
    {
        const auto enabled = [&] {
            QList<bool> states;
            for (Arrangement a : allArrangements)
                states << arrange(a)->isEnabled();
            return states;
        };
        const QList<bool> none(10, false);
        QList<bool> two(10, true);
        two[6] = two[7] = false; // the two distributes
        QCOMPARE(enabled(), none);
        Probe::click(view("Image07p"));
        QCOMPARE(enabled(), none);
        ctrlClick(view("Image08p"));
        QCOMPARE(enabled(), two);
        ctrlClick(view("Image09p"));
        QCOMPARE(enabled(), QList<bool>(10, true));
        Probe::click(view("ImageP"));
        QCOMPARE(enabled(), none);
    }

    void alignFollowsTheKeyAndTheSaveWritesEveryPlace()
    {
        select({"Image08p", "Image07p", "Image10p"});
        arrange(Arrangement::AlignTop)->trigger();
        for (int number : {7, 8, 10})
            QCOMPARE(viewOf(number, 's')->y(), 430);
        QCOMPARE(placeOf(9), places.at(9));
        QCOMPARE(steps(), 1);
        QCOMPARE(document().history().undoText(), QStringLiteral("Oben ausrichten"));
        QCOMPARE(document().history().undoText(), arrange(Arrangement::AlignTop)->iconText());

        probe_->command("FileSave1")->trigger();
        QCOMPARE(probe_->dialogs->calls().size(), 0);
        QVERIFY(!probe_->saveEnabled());
        QCOMPARE(savedPosition(skinPath_, "btn_player"), QPoint(100, 430));
        QCOMPARE(savedPosition(skinPath_, "btn_description"), QPoint(160, 430));
        QCOMPARE(savedPosition(skinPath_, "btn_minimize"), QPoint(300, 430));
        QCOMPARE(savedPosition(skinPath_, "btn_exit"), QPoint(230, 410));
    }

    void distributeAndSameSizeAreOneStepEach()
    {
        select({"Image09p", "Image10p", "Image07p", "Image08p"});
        arrange(Arrangement::DistributeHorizontally)->trigger();
        QCOMPARE(placeOf(7), places.at(7));
        QCOMPARE(placeOf(10), places.at(10));
        const int gap1 = placeOf(8).left() - (placeOf(7).right() + 1);
        const int gap2 = placeOf(9).left() - (placeOf(8).right() + 1);
        const int gap3 = placeOf(10).left() - (placeOf(9).right() + 1);
        QVERIFY(std::max({gap1, gap2, gap3}) - std::min({gap1, gap2, gap3}) <= 1);
        QCOMPARE(placeOf(8).top(), places.at(8).top());
        QCOMPARE(steps(), 1);

        arrange(Arrangement::SameHeight)->trigger();
        for (int number : {7, 8, 9, 10})
            QCOMPARE(viewOf(number, 'p')->height(), 14);
        QCOMPARE(steps(), 2);
        probe_->command("EditUndo")->trigger();
        probe_->command("EditUndo")->trigger();
        for (int number : {7, 8, 9, 10})
            QCOMPARE(placeOf(number), places.at(number));
    }

    void selectAllTakesThePageShownAndEscapeLetsGo()
    {
        QAction *all = probe_->command("EditSelectAll");
        QCOMPARE(all->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QVERIFY(all->isEnabled());
        auto *notebook = probe_->child<QTabWidget>(QStringLiteral("Notebook"));
        for (Page page : allPages) {
            notebook->setCurrentIndex(static_cast<int>(page));
            all->trigger();
            QList<int> shown;
            for (const CatalogueEntry &entry : catalogue()) {
                const PageItem *onPage = probe_->form->scenes().views().view(entry, page);
                if (onPage && onPage->isVisible())
                    shown << entry.number;
            }
            QCOMPARE(selected(), shown);
        }
        QVERIFY(selected().contains(51));
        QVERIFY(!selected().contains(26));

        notebook->setCurrentIndex(0);
        all->trigger();
        QTest::keyClick(player(), Qt::Key_Escape);
        QCOMPARE(document().selectedItems().size(), std::size_t{0});
        QCOMPARE(playerScene().frames().size(), std::size_t{0});

        EditorProbe unopened;
        QVERIFY(!unopened.command("EditSelectAll")->isEnabled());
    }

    void dragSnapsWithinSixScreenPixels_data()
    {
        QTest::addColumn<int>("zoom"); // -1 zooms out a step, 1 in
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<int>("left");

        // Element 08 goes left, towards the right edge of element 07 at 120; nothing
        // lies near its top, middle or bottom after the move.
        QTest::newRow("100 %, 4 px") << 0 << QPoint(-36, -80) << 120;
        QTest::newRow("100 %, 6 px") << 0 << QPoint(-34, -80) << 120;
        QTest::newRow("100 %, 7 px") << 0 << QPoint(-33, -80) << 127;
        QTest::newRow("200 %, 4 px") << 1 << QPoint(-36, -80) << 124;
        QTest::newRow("200 %, 2 px") << 1 << QPoint(-38, -80) << 120;
        QTest::newRow("50 %, 10 px") << -1 << QPoint(-30, -80) << 120;
    }
    void dragSnapsWithinSixScreenPixels()
    {
        QFETCH(int, zoom);
        QFETCH(QPoint, by);
        QFETCH(int, left);
        snapToElements(true);
        if (zoom)
            probe_->command(zoom > 0 ? "ViewZoomIn" : "ViewZoomOut")->trigger();
        QCoreApplication::processEvents();
        std::optional<double> guideX;
        std::optional<double> guideY;
        dragElement(8, by, {}, [&] {
            guideX = playerScene().guides().x();
            guideY = playerScene().guides().y();
        });
        QCOMPARE(placeOf(8), places.at(8).translated(0, by.y()).translated(left - 160, 0));
        QCOMPARE(guideX, left == 120 ? std::optional<double>(120) : std::nullopt);
        QVERIFY(!guideY);
        // The guides go with the drag.
        QVERIFY(!playerScene().guides().x());
        QCOMPARE(steps(), 1);
    }

    // What snaps is the whole group's outline: its right edge finds element 08's,
    // where the pressed element alone would have found element 07's left.
    void groupSnapsByItsBounds()
    {
        snapToElements(true);
        select({"Image09p", "Image10p"});
        dragElement(9, {-140, -100});
        QCOMPARE(placeOf(9).topLeft(), QPoint(88, 310));
        QCOMPARE(placeOf(10).topLeft(), QPoint(158, 350));
    }

    void altAndTheArrowKeysNeverSnap()
    {
        snapToElements(true);
        bool guided = true;
        dragElement(8, {-36, -80}, Qt::AltModifier,
                    [&] { guided = playerScene().guides().x().has_value(); });
        QVERIFY(!guided);
        QCOMPARE(placeOf(8).topLeft(), QPoint(124, 350));

        probe_->command("EditUndo")->trigger();
        Probe::click(view("Image08p"));
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(player(), Qt::Key_Left, Qt::ShiftModifier);
        for (int step = 0; step < 6; ++step)
            QTest::keyClick(player(), Qt::Key_Left);
        QCOMPARE(placeOf(8).topLeft(), QPoint(124, 430));
        QVERIFY(!playerScene().guides().x());
    }

    void gridTakesOverWhereNoLineIsInReach()
    {
        QAction *grid = probe_->command("SnapToGrid");
        QVERIFY(!grid->isChecked());
        QCOMPARE(grid->data().toInt(), 8);
        grid->setChecked(true);
        dragElement(8, {-37, -75});
        QCOMPARE(placeOf(8).topLeft(), QPoint(120, 352));

        probe_->command("EditUndo")->trigger();
        snapToElements(true);
        // Across, element 07's right edge is in reach; down, only the grid is.
        dragElement(8, {-35, -77});
        QCOMPARE(placeOf(8).topLeft(), QPoint(120, 352));
    }

    void contextMenuCopiesAPlaceOntoTheSelection()
    {
        std::unique_ptr<QMenu> menu = probe_->form->elementMenu().menuFor(*findElement(7));
        QVERIFY(probe_->form->selection().isElement(*findElement(7)));
        for (const char *state : {"up", "do", "mo"})
            QVERIFY(entryIn(
                *menu, QStringLiteral("Bild für bitmap_%1 wählen...").arg(QLatin1String(state))));
        QVERIFY(!entryIn(*menu, QStringLiteral("Bild für bitmap_da wählen...")));
        QVERIFY(menu->actions().contains(probe_->form->commands().arrangeMenu->menuAction()));
        QVERIFY(entryIn(*menu, QStringLiteral("Im Bericht zeigen")));
        QVERIFY(!entryIn(*menu, QStringLiteral("Position einfügen"))->isEnabled());
        QVERIFY(!entryIn(*menu, QStringLiteral("Position und Größe einfügen"))->isEnabled());
        entryIn(*menu, QStringLiteral("Position kopieren"))->trigger();
        QVERIFY(entryIn(*probe_->form->elementMenu().menuFor(*findElement(13)),
                        QStringLiteral("Bild für bitmap_da wählen...")));

        select({"Image08p", "Image09p"});
        menu = probe_->form->elementMenu().menuFor(*findElement(9));
        QCOMPARE(selected(), (QList<int>{8, 9}));
        entryIn(*menu, QStringLiteral("Position einfügen"))->trigger();
        QCOMPARE(placeOf(8), QRect(100, 400, 21, 13));
        QCOMPARE(placeOf(9), QRect(100, 400, 22, 14));
        QCOMPARE(view("Image09s")->pos(), QPoint(100, 400));
        QCOMPARE(steps(), 1);

        entryIn(*menu, QStringLiteral("Position und Größe einfügen"))->trigger();
        QCOMPARE(placeOf(8), places.at(7));
        QCOMPARE(placeOf(9), places.at(7));
        QCOMPARE(steps(), 2);
        probe_->command("EditUndo")->trigger();
        QCOMPARE(placeOf(9), QRect(100, 400, 22, 14));
    }
};

QTEST_MAIN(MultiSelectionTest)
#include "tst_multiselection.moc"
