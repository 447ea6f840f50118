// The editor held to its bars on the demo skin, in one process. Open and save are
// timed round by round against the floor (each round the floor's work first, then the
// editor's), and their figure is the median of the rounds' ratios, so that a busy
// disk or a slow spell of the machine weighs on both sides of a ratio alike. The
// repaints at the largest zoom, the move events of a drag, those of a drag of every
// element a rubber band took on the Player page, and an arrangement of forty elements
// have bars in time.
//
// The window is on the screen: an open is timed until the window's paint that draws
// the page is over, a save until the window has painted, and a round only counts when
// that paint was seen to happen.
#include "app/AppSettings.h"
#include "app/Shell.h"
#include "bench/Floor.h"
#include "bench/PaddedSkin.h"
#include "bench/PageTarget.h"
#include "editor/controls/PageView.h"
#include "editor/controls/WindowActions.h"
#include "editor/controls/ZoomSteps.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/ElementViews.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"
#include "editor/windows/MainWindow.h"
#include "platform/CancellingDialogs.h"
#include "platform/PictureHeap.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int openRounds = 41;
constexpr int saveRounds = 31;
constexpr int repaintRounds = 41;
constexpr int movesPerZoom = 201;
constexpr int groupMoves = 401;
constexpr int groupReach = 20; // screen pixels the pointer strays from the press
constexpr int arrangeRounds = 60;
constexpr std::size_t arrangedCount = 40;

constexpr double openBar = 2.0;     // × reading and decoding the skin
constexpr double saveBar = 1.5;     // × one atomic write of its text
constexpr double frameMs = 16.0;    // one frame at 60 Hz
constexpr double moveMs = 0.2;      // one mouse move of a drag
constexpr double groupMoveMs = 1.0; // one mouse move of a drag of every element of a page
constexpr double arrangeMs = 5.0;   // one arrangement of forty elements

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double largest(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

// A measurement that cannot be made; the temporary skins are removed on the way out.
[[noreturn]] void fail(const std::string &why)
{
    throw std::runtime_error(why);
}

// Runs the event loop for a while without timing it, so that what the last round left
// to timers (the watch's look at the file the save replaced, above all) is done before
// the next round starts.
void quiet(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A user who picks the demo skin in the open dialog and cancels every other question.
class OpeningDialogs : public CancellingDialogs {
public:
    explicit OpeningDialogs(const std::string &skin) : skin_(QString::fromStdString(skin)) {}
    QString openSkin() override { return skin_; }

private:
    QString skin_;
};

// The program keeps its settings in the current folder; the bench's go into one of its
// own, where the list of skins opened last starts empty.
class SettingsFolder {
public:
    SettingsFolder() { QDir::setCurrent(folder_.path()); }
    ~SettingsFolder() { QDir::setCurrent(previous_); }
    SettingsFolder(const SettingsFolder &) = delete;
    SettingsFolder &operator=(const SettingsFolder &) = delete;

private:
    QString previous_ = QDir::currentPath();
    QTemporaryDir folder_;
};

Platform userPlatform(std::shared_ptr<Dialogs> dialogs)
{
    Platform platform;
    platform.dialogs = std::move(dialogs);
    platform.openUrl = [](const QUrl &) {};
    return platform;
}

// Counts the paint events of one widget, or of every widget of a window, and tells when
// the window's paint that drew a given widget was over.
class Paints : public QObject {
public:
    explicit Paints(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~Paints() override { qApp->removeEventFilter(this); }

    int of(const QWidget *widget) const { return counts_.value(widget); }
    int total() const { return total_; }
    QHash<const QWidget *, int> counts() const { return counts_; }

    // From now on, the end of the first paint of the window that draws the widget.
    void await(const QWidget *widget)
    {
        awaited_ = widget;
        drawnAt_.reset();
    }
    std::optional<Clock::time_point> drawnAt() const { return drawnAt_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window paints what is due, and shows it, when it takes an update request;
        // the request is handed on from here, so that the paint's end is seen.
        if (event->type() == QEvent::UpdateRequest && watched == window_ && !handingOn_) {
            const int before = of(awaited_);
            const QScopedValueRollback handing(handingOn_, true);
            QCoreApplication::sendEvent(watched, event);
            if (!drawnAt_ && of(awaited_) != before)
                drawnAt_ = Clock::now();
            return true;
        }
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->window() == window_) {
                ++counts_[widget];
                ++total_;
            }
        }
        return false;
    }

private:
    QWidget *window_;
    QHash<const QWidget *, int> counts_;
    int total_ = 0;
    const QWidget *awaited_ = nullptr;
    std::optional<Clock::time_point> drawnAt_;
    bool handingOn_ = false;
};

struct Verdict {
    std::string name;
    std::string figure;
    std::string bar;
    bool holds;
};

std::string format(const char *pattern, double a, double b = 0, double c = 0, double d = 0)
{
    char text[200];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

// A piece of the timed work, or what follows it, with its own median.
struct Piece {
    const char *name = nullptr;
    std::vector<double> times;
};

class Bars {
public:
    Bars()
        : skin_(VELMOR_DEMO_SKIN, 0), floorCopy_(VELMOR_DEMO_SKIN, 0),
          dialogs_(std::make_shared<OpeningDialogs>(skin_.path())), shell_(userPlatform(dialogs_)),
          form_(shell_.mainWindow()), paints_(&form_)
    {
        form_.show();
        load();
        QApplication::processEvents();
        check("the first open");
    }

    // As a user opens: "Ö&ffnen...", the skin chosen in the dialog, until the window's
    // paint that draws the page is over. What the open leaves for after the paint (the
    // list of skins opened last written to the settings file) runs after it, and the
    // turn of the event loop that follows the command is timed apart.
    void open()
    {
        QAction *open = form_.commands().open;
        int opened = 0;
        const QMetaObject::Connection counting =
            QObject::connect(&form_, &MainWindow::skinOpened, [&opened] { ++opened; });
        std::vector<double> floors, editors, ratios, commands, turns;
        int pagePaints = 0;
        for (int round = 0; round < openRounds; ++round) {
            quiet(40);
            Clock::time_point start = Clock::now();
            std::string error;
            if (!readAndDecode(skin_.path(), &error))
                fail("the floor could not decode a picture: " + error);
            floors.push_back(millisecondsSince(start));

            QWidget *page = currentViewport();
            const int pagePaintsBefore = paints_.of(page);
            const int openedBefore = opened;
            paints_.await(page);
            start = Clock::now();
            open->trigger();
            commands.push_back(millisecondsSince(start));
            // Whatever the command left to the event loop, one turn of it does. No
            // grab(): that would paint the whole window once more, into a picture,
            // which no user waits for.
            QApplication::processEvents();
            turns.push_back(millisecondsSince(start));
            if (opened == openedBefore)
                fail("the Open command did not open the demo skin");
            if (!paints_.drawnAt())
                fail("the open ended without painting the page");
            editors.push_back(
                std::chrono::duration<double, std::milli>(*paints_.drawnAt() - start).count());
            pagePaints += paints_.of(page) - pagePaintsBefore;
            check("an open");
            ratios.push_back(editors.back() / floors.back());
        }
        QObject::disconnect(counting);
        report("open the demo skin as a user, until painted", floors, editors, ratios, openBar,
               {"the Open command alone", commands});
        std::printf("%-48s %.3f ms\n", "  median until the event loop's turn is over",
                    median(turns));
        // Each paint of the page after the first is work the open could spare.
        std::printf("%-48s %.2f\n", "  paints of the shown page per open",
                    double(pagePaints) / openRounds);
        quiet(40);
        if (AppSettings().recentSkins().value(0) !=
            QFileInfo(QString::fromStdString(skin_.path())).absoluteFilePath())
            fail("the open did not keep the skin in the list of skins opened last");
    }

    void saveAfterDrag()
    {
        const PageTarget target(form_, QStringLiteral("Image29s"));
        target.bringIntoView();
        QApplication::processEvents();
        QAction *save = form_.commands().save;
        std::vector<double> floors, editors, ratios, saves;
        int step = 1;
        for (int round = 0; round < saveRounds; ++round) {
            target.drag({step, 0});
            step = -step;
            if (!save->isEnabled())
                fail("the drag did not make a save due");
            QApplication::processEvents();
            quiet(400);
            // The floor writes what the editor is about to write, give or take the
            // digit the drag changed, into a copy in a folder of its own.
            const std::string text = fileBytes(skin_.path());
            Clock::time_point start = Clock::now();
            if (!replaceSafely(floorCopy_.path(), text))
                fail("the floor could not write " + floorCopy_.path());
            floors.push_back(millisecondsSince(start));

            const int before = paints_.total();
            start = Clock::now();
            save->trigger();
            saves.push_back(millisecondsSince(start));
            QApplication::processEvents();
            editors.push_back(millisecondsSince(start));
            if (paints_.total() == before)
                fail("the save ended without painting the window");
            if (save->isEnabled())
                fail("the save left Save enabled");
            check("a save");
            ratios.push_back(editors.back() / floors.back());
        }
        quiet(400);
        report("save after a drag, until painted", floors, editors, ratios, saveBar,
               {"the Save command alone", saves});
    }

    // The Player page at the largest zoom, the view at its normal size, looked at in
    // places spread over the page: a zoom step into it, and a notch of the wheel down or
    // across. The pixel grid is on, as it is for a new user; the same once more without
    // it tells the grid's share, which has no bar of its own.
    void repaintsAtLargestZoom()
    {
        form_.pages().notebook->setCurrentIndex(static_cast<int>(Page::Player));
        QAction *grid = form_.commands().pixelGrid;
        if (!grid->isChecked())
            fail("the pixel grid is off before anyone turned it off");
        const Repaints withGrid = repaintsOfPlayerPage();
        grid->setChecked(false);
        const Repaints withoutGrid = repaintsOfPlayerPage();
        grid->setChecked(true);

        reportTime(format("zoom %.0f %% -> %.0f %%, Player page, %.0fx%.0f view",
                          zoomedOut(largestZoom), largestZoom, withGrid.viewport.width(),
                          withGrid.viewport.height()),
                   withGrid.steps, {"the repaint alone", withGrid.paintsAfterStep}, frameMs);
        reportTime(format("scroll by a wheel notch at %.0f %%, Player page", largestZoom),
                   withGrid.scrolls, {}, frameMs);
        std::printf("%-48s zoom step: median %.4f ms, scroll: median %.4f ms (no bar)\n",
                    "  the same without the pixel grid", median(withoutGrid.steps),
                    median(withoutGrid.scrolls));
    }

    // One mouse move of a drag on the Schedule page, at every zoom step: the element
    // moves by a skin pixel and back. The paint the move causes follows in the event
    // loop, as it would for the user; it is timed apart.
    void dragMoves()
    {
        // A move by one pixel and back would snap back to where it began; the band bar
        // holds the cost of snapping.
        QAction &snapping = *form_.commands().snapToElements;
        const QSignalBlocker unsaved(snapping);
        snapping.setChecked(false);
        const PageTarget target(form_, QStringLiteral("Image29s"));
        for (const int zoom : zoomSteps) {
            form_.zoom().setPercent(zoom);
            target.bringIntoView();
            QApplication::processEvents();
            const QPoint from = target.grip();
            const QPoint by(target.skinPixelOnScreen(), 0);
            target.send(QEvent::MouseButtonPress, from);
            QApplication::processEvents();
            std::vector<double> moves, paints;
            for (int move = 0; move < movesPerZoom; ++move) {
                const QPoint place = target.item()->pos().toPoint();
                Clock::time_point start = Clock::now();
                target.send(QEvent::MouseMove, move % 2 ? from : from + by);
                moves.push_back(millisecondsSince(start));
                if (target.item()->pos().toPoint() == place)
                    fail("a move of the drag did not move the element");
                start = Clock::now();
                QApplication::processEvents();
                paints.push_back(millisecondsSince(start));
            }
            target.send(QEvent::MouseButtonRelease, from);
            QApplication::processEvents();
            check("a drag");
            reportTime(format("drag move at %.0f %%, Schedule page", zoom), moves,
                       {"the event loop after it", paints}, moveMs);
        }
        form_.zoom().setPercent(100);
        snapping.setChecked(true);
        QApplication::processEvents();
    }

    // A rubber band drawn over every element the Player page shows, from a press on the
    // page's background above and left of them all, then one of them pressed and all
    // dragged together, snapping to the page as they go: each move of the pointer a screen
    // pixel further across and down, twenty out, then back, and out again.
    void bandAndGroupDrag()
    {
        if (!form_.commands().snapToElements->isChecked())
            fail("snapping to elements is off before anyone turned it off");
        form_.pages().notebook->setCurrentIndex(static_cast<int>(Page::Player));
        PageView *view = playerView();
        const std::vector<PageItem *> shown = shownOnPlayerPage();
        if (shown.size() < 2)
            fail("the Player page shows fewer than two elements");
        QRectF reach;
        for (const PageItem *item : shown)
            reach |= item->sceneBoundingRect();
        // The whole band on the screen, as the user draws it.
        for (const int zoom : {100, 50, 25}) {
            form_.zoom().setPercent(zoom);
            const QSizeF onScreen = reach.size() * view->transform().m11() + QSizeF(16, 16);
            if (onScreen.width() <= view->viewport()->width() &&
                onScreen.height() <= view->viewport()->height())
                break;
        }
        view->ensureVisible(reach, 8, 8);
        QApplication::processEvents();

        const QPoint from = bandStart(view, shown, reach);
        const QPoint to = view->mapFromScene(reach.bottomRight()) + QPoint(4, 4);
        sendTo(view, QEvent::MouseButtonPress, from);
        const int stretches = 10;
        for (int move = 1; move <= stretches; ++move)
            sendTo(view, QEvent::MouseMove, from + (to - from) * move / stretches);
        sendTo(view, QEvent::MouseButtonRelease, to);
        QApplication::processEvents();
        EditorDocument &document = form_.editorDocument();
        if (document.selectedItems().size() != shown.size())
            fail("the band selected " + std::to_string(document.selectedItems().size()) +
                 " of the " + std::to_string(shown.size()) + " elements the Player page shows");

        const std::vector<Rect> before = selectedPlaces();
        const PageTarget target(form_, largestOf(shown)->objectName());
        const QPoint grip = target.grip();
        const int pixel = target.skinPixelOnScreen();
        const int steps = history().index();
        target.send(QEvent::MouseButtonPress, grip);
        QApplication::processEvents();
        std::vector<double> moves, paints;
        for (int move = 1; move <= groupMoves; ++move) {
            const int away = move % (2 * groupReach) < groupReach
                                 ? move % (2 * groupReach)
                                 : 2 * groupReach - move % (2 * groupReach);
            const Clock::time_point start = Clock::now();
            target.send(QEvent::MouseMove, grip + QPoint(away, away) * pixel);
            moves.push_back(millisecondsSince(start));
            const Clock::time_point moved = Clock::now();
            QApplication::processEvents();
            paints.push_back(millisecondsSince(moved));
        }
        const QPoint end = grip + QPoint(groupReach, groupReach) * pixel;
        target.send(QEvent::MouseMove, end);
        target.send(QEvent::MouseButtonRelease, end);
        QApplication::processEvents();
        check("a drag of the band's elements");

        // Every element went the same way, the drag is one step, the band's choice stays.
        const std::vector<Rect> after = selectedPlaces();
        if (after.size() != before.size())
            fail("the drag changed the selection");
        const int dx = after.front().left - before.front().left;
        const int dy = after.front().top - before.front().top;
        if (dx == 0 && dy == 0)
            fail("the elements did not move");
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i].left - before[i].left != dx || after[i].top - before[i].top != dy)
                fail("the selected elements did not move together");
        }
        if (history().index() != steps + 1)
            fail("the drag made " + std::to_string(history().index() - steps) +
                 " steps on the history");
        history().undo();
        if (selectedPlaces() != before)
            fail("the undo of the drag did not restore the places");
        QApplication::processEvents();

        reportTime(format("group drag move, %.0f elements at %.0f %%, Player", double(shown.size()),
                          form_.zoom().percent()),
                   moves, {"the event loop after it", paints}, groupMoveMs);
        form_.zoom().setPercent(100);
        QApplication::processEvents();
    }

    // Forty elements lined up by the key element and spread out, in turn; the step is
    // undone after each, so that every arrangement moves them.
    void arrangeForty()
    {
        EditorDocument &document = form_.editorDocument();
        std::vector<const CatalogueEntry *> elements;
        for (const PageItem *item : shownOnPlayerPage())
            elements.push_back(form_.scenes().views().entryOf(item));
        if (elements.size() < arrangedCount) {
            elements.clear();
            for (const CatalogueEntry &entry : catalogue()) {
                if (existsIn(entry, document.skin().targetVersion))
                    elements.push_back(&entry);
            }
        }
        if (elements.size() < arrangedCount)
            fail("the demo skin has fewer than " + std::to_string(arrangedCount) + " elements");
        elements.resize(arrangedCount);
        document.selectElements(elements);
        QApplication::processEvents();
        if (document.selectedItems().size() != arrangedCount)
            fail("selectElements did not select the forty elements");

        constexpr std::array turns{Arrangement::AlignLeft, Arrangement::AlignTop,
                                   Arrangement::DistributeHorizontally};
        std::array<std::vector<double>, turns.size()> each;
        std::vector<double> times, paints;
        for (int round = 0; round < arrangeRounds; ++round) {
            const std::size_t turn = static_cast<std::size_t>(round) % turns.size();
            const std::vector<Rect> before = selectedPlaces();
            const int steps = history().index();
            const Clock::time_point start = Clock::now();
            document.arrange(turns[turn]);
            times.push_back(millisecondsSince(start));
            each[turn].push_back(times.back());
            const Clock::time_point arranged = Clock::now();
            QApplication::processEvents();
            paints.push_back(millisecondsSince(arranged));
            if (history().index() != steps + 1 || history().count() != steps + 1)
                fail("an arrangement made " + std::to_string(history().count() - steps) +
                     " steps on the history");
            if (selectedPlaces() == before)
                fail("an arrangement moved nothing");
            history().undo();
            QApplication::processEvents();
            if (selectedPlaces() != before)
                fail("the undo of an arrangement did not restore the places");
        }
        check("the arrangements");
        reportTime(format("arrange %.0f elements: left, top, distribute", arrangedCount), times,
                   {"the event loop after it", paints}, arrangeMs);
        std::printf("%-48s left: median %.3f ms, top: %.3f ms, distribute: %.3f ms\n",
                    "  by arrangement", median(each[0]), median(each[1]), median(each[2]));
    }

    int summary() const
    {
        std::printf("\n%-48s %-10s %-10s %s\n", "Bar", "Figure", "Bar", "Holds");
        bool all = true;
        for (const Verdict &verdict : verdicts_) {
            std::printf("%-48s %-10s %-10s %s\n", verdict.name.c_str(), verdict.figure.c_str(),
                        verdict.bar.c_str(), verdict.holds ? "yes" : "NO");
            all = all && verdict.holds;
        }
        std::printf("%s\n", all ? "Every bar holds." : "A bar is missed.");
        return 0;
    }

private:
    struct Repaints {
        std::vector<double> steps, paintsAfterStep, scrolls;
        QSize viewport; // at the largest zoom, its scroll bars shown
    };

    PageView *playerView() const
    {
        return form_.pages().views[static_cast<std::size_t>(Page::Player)];
    }

    QUndoStack &history() { return form_.editorDocument().history(); }

    std::vector<Rect> selectedPlaces()
    {
        const EditorDocument &document = form_.editorDocument();
        std::vector<Rect> places;
        for (const Selection &item : document.selectedItems())
            places.push_back(document.itemGeometry(item).rect);
        return places;
    }

    // The element views the Player page shows, in catalogue order.
    std::vector<PageItem *> shownOnPlayerPage() const
    {
        std::vector<PageItem *> shown;
        for (const CatalogueEntry &entry : catalogue()) {
            PageItem *item = form_.scenes().views().view(entry, Page::Player);
            if (item && item->isVisible())
                shown.push_back(item);
        }
        return shown;
    }

    static const PageItem *largestOf(const std::vector<PageItem *> &items)
    {
        return *std::max_element(items.begin(), items.end(), [](auto *a, auto *b) {
            return a->width() * a->height() < b->width() * b->height();
        });
    }

    // Where on the viewport a press starts a band that reaches every shown element: the
    // point nearest the top-left corner of them all, above and left of it, where neither
    // an element nor a list panel takes the press, only the page's picture or the empty
    // page.
    QPoint bandStart(PageView *view, const std::vector<PageItem *> &shown,
                     const QRectF &reach) const
    {
        const QPoint corner = view->mapFromScene(reach.topLeft());
        const QGraphicsItem *background = form_.scenes().background(Page::Player);
        const PageScene &scene = form_.scenes().scene(Page::Player);
        for (int ring = 0; ring <= 40; ++ring) {
            for (int d = 0; d <= ring; ++d) {
                for (const QPoint at : {corner - QPoint(ring, d), corner - QPoint(d, ring)}) {
                    const QPointF point = view->mapToScene(at);
                    const bool reachesAll =
                        std::all_of(shown.begin(), shown.end(), [&point](const PageItem *item) {
                            const QRectF place = item->sceneBoundingRect();
                            return place.right() > point.x() && place.bottom() > point.y();
                        });
                    if (!reachesAll)
                        continue;
                    const QGraphicsItem *top = nullptr;
                    for (const QGraphicsItem *item : view->items(at)) {
                        if (!scene.isOverlay(item)) {
                            top = item;
                            break;
                        }
                    }
                    if (!top || top == background)
                        return at;
                }
            }
        }
        fail("no place near the Player page's top-left corner starts a band over every element");
    }

    static void sendTo(PageView *view, QEvent::Type type, QPoint at)
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }

    Repaints repaintsOfPlayerPage()
    {
        PageView *view = playerView();
        const QRect page = form_.scenes().scene(Page::Player).shownArea();
        const auto placeOf = [&page](int round) {
            const int across = 5;
            const int cell = round % (across * across);
            return QPointF(page.left() + page.width() * (cell % across + 0.5) / across,
                           page.top() + page.height() * (cell / across + 0.5) / across);
        };
        QWidget *viewport = view->viewport();
        const auto repaint = [&] {
            const int before = paints_.of(viewport);
            viewport->repaint();
            if (paints_.of(viewport) == before)
                fail("the page view did not paint");
        };

        Repaints result;
        for (int round = 0; round < repaintRounds; ++round) {
            form_.zoom().setPercent(zoomedOut(largestZoom));
            view->centerOn(placeOf(round));
            repaint();
            QApplication::processEvents();
            const Clock::time_point start = Clock::now();
            form_.zoom().setPercent(largestZoom);
            const Clock::time_point zoomed = Clock::now();
            repaint();
            result.steps.push_back(millisecondsSince(start));
            result.paintsAfterStep.push_back(millisecondsSince(zoomed));
        }
        if (form_.zoom().percent() != largestZoom)
            fail("the zoom did not reach its largest step");
        result.viewport = viewport->size();

        for (int round = 0; round < repaintRounds; ++round) {
            view->centerOn(placeOf(round));
            repaint();
            QApplication::processEvents();
            QScrollBar *bar = round % 2 ? view->horizontalScrollBar() : view->verticalScrollBar();
            const int notch = QApplication::wheelScrollLines() * bar->singleStep();
            const int to = bar->value() + notch <= bar->maximum() ? bar->value() + notch
                                                                  : bar->value() - notch;
            const Clock::time_point start = Clock::now();
            bar->setValue(to);
            repaint();
            result.scrolls.push_back(millisecondsSince(start));
            if (bar->value() != to)
                fail("the page did not scroll");
        }
        form_.zoom().setPercent(100);
        QApplication::processEvents();
        return result;
    }

    void load()
    {
        if (form_.load(QString::fromStdString(skin_.path())) != LoadOutcome::Loaded)
            fail("the demo skin did not open");
    }

    QWidget *currentViewport() const
    {
        const int page = form_.pages().notebook->currentIndex();
        return form_.pages().views[static_cast<std::size_t>(page)]->viewport();
    }

    // An error box during a measurement spoils its figure.
    void check(const char *during) const
    {
        if (!dialogs_->shown.isEmpty())
            fail(std::string("the editor reported an error during ") + during + ": " +
                 dialogs_->shown.front().toStdString());
    }

    void report(const std::string &name, const std::vector<double> &floors,
                const std::vector<double> &editors, const std::vector<double> &ratios, double bar,
                const Piece &piece)
    {
        const double ratio = median(ratios);
        std::printf("%-48s floor %7.3f ms  editor %7.3f ms  ratio %.2f x (rounds %zu, "
                    "ratios %.2f..%.2f; %s: median %.3f ms)\n",
                    name.c_str(), median(floors), median(editors), ratio, ratios.size(),
                    *std::min_element(ratios.begin(), ratios.end()), largest(ratios), piece.name,
                    median(piece.times));
        verdicts_.push_back({name, format("%.2f x", ratio), format("%.1f x", bar), ratio <= bar});
    }

    void reportTime(const std::string &name, const std::vector<double> &times, const Piece &piece,
                    double bar)
    {
        const double figure = median(times);
        std::printf("%-48s median %8.4f ms  largest %8.4f ms", name.c_str(), figure,
                    largest(times));
        if (piece.name)
            std::printf("  (%s: median %.4f ms)", piece.name, median(piece.times));
        std::printf("\n");
        verdicts_.push_back({name, format(figure < 1 ? "%.3f ms" : "%.2f ms", figure),
                             format("< %g ms", bar), figure < bar});
    }

    PaddedSkin skin_;
    PaddedSkin floorCopy_;
    SettingsFolder settings_;
    std::shared_ptr<OpeningDialogs> dialogs_;
    Shell shell_;
    MainWindow &form_;
    Paints paints_;
    std::vector<Verdict> verdicts_;
};

} // namespace

int main(int argc, char **argv)
{
    // As the program does, before the first picture.
    keepPictureMemoryInHeap();
    // Measured without a display, as on the build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Naming bars (open, save, repaint, drag, band, align) measures only those, e.g. under a
    // profiler.
    const QStringList chosen = application.arguments().mid(1);
    const auto wanted = [&chosen](const char *bar) {
        return chosen.isEmpty() || chosen.contains(QLatin1String(bar));
    };
    // A missed bar is a figure like any other, so that make bench runs on; only a
    // measurement that could not be made fails the program.
    try {
        Bars bars;
        if (wanted("open"))
            bars.open();
        if (wanted("save"))
            bars.saveAfterDrag();
        if (wanted("repaint"))
            bars.repaintsAtLargestZoom();
        if (wanted("drag"))
            bars.dragMoves();
        if (wanted("band"))
            bars.bandAndGroupDrag();
        if (wanted("align"))
            bars.arrangeForty();
        return bars.summary();
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "velmor_bench_bars: %s\n", failure.what());
        return 1;
    }
}
