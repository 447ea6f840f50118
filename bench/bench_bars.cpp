// The editor held to its bars on the demo skin, in one process. Open and save are
// timed round by round against the floor (each round the floor's work first, then the
// editor's), and their figure is the median of the rounds' ratios, so that a busy
// disk or a slow spell of the machine weighs on both sides of a ratio alike. The
// repaints at the largest zoom and the move events of a drag have bars in time.
//
// The window is on the screen: an open or a save is timed until the window has
// painted, and a round only counts when that paint was seen to happen.
#include "bench/Floor.h"
#include "bench/PaddedSkin.h"
#include "bench/PageTarget.h"
#include "editor/MainWindow.h"
#include "editor/PageView.h"
#include "editor/WindowActions.h"
#include "editor/ZoomSteps.h"
#include "platform/CancellingDialogs.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QHash>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int openRounds = 41;
constexpr int saveRounds = 31;
constexpr int repaintRounds = 41;
constexpr int movesPerZoom = 201;

constexpr double openBar = 2.0;  // × reading and decoding the skin
constexpr double saveBar = 1.5;  // × one atomic write of its text
constexpr double frameMs = 16.0; // one frame at 60 Hz
constexpr double moveMs = 0.2;   // one mouse move of a drag

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

// Counts the paint events of one widget, or of every widget of a window.
class Paints : public QObject {
public:
    explicit Paints(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~Paints() override { qApp->removeEventFilter(this); }

    int of(const QWidget *widget) const { return counts_.value(widget); }
    int total() const { return total_; }
    QHash<const QWidget *, int> counts() const { return counts_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
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
          dialogs_(std::make_shared<CancellingDialogs>()), form_(dialogs_), paints_(&form_)
    {
        form_.show();
        load();
        QApplication::processEvents();
        check("the first open");
    }

    void open()
    {
        std::vector<double> floors, editors, ratios, loads;
        int pagePaints = 0;
        for (int round = 0; round < openRounds; ++round) {
            quiet(20);
            Clock::time_point start = Clock::now();
            std::string error;
            if (!readAndDecode(skin_.path(), &error))
                fail("the floor could not decode a picture: " + error);
            floors.push_back(millisecondsSince(start));

            const QHash<const QWidget *, int> before = paints_.counts();
            start = Clock::now();
            load();
            loads.push_back(millisecondsSince(start));
            // The load leaves the painting to the event loop, as after any command; one
            // turn of it paints what the load changed, as the count of the page's paints
            // checks. No grab(): that would paint the whole window once more, into a
            // picture, which no user waits for.
            QApplication::processEvents();
            editors.push_back(millisecondsSince(start));
            const int painted = paints_.of(currentViewport()) - before.value(currentViewport());
            if (painted == 0)
                fail("the open ended without painting the page");
            pagePaints += painted;
            check("an open");
            ratios.push_back(editors.back() / floors.back());
        }
        report("open the demo skin, until painted", floors, editors, ratios, openBar,
               {"MainWindow::load alone", loads});
        // Each paint of the page after the first is work the open could spare.
        std::printf("%-48s %.2f\n", "  paints of the shown page per open",
                    double(pagePaints) / openRounds);
    }

    void saveAfterDrag()
    {
        const PageTarget target(form_, QStringLiteral("Image29s"));
        target.bringIntoView();
        QApplication::processEvents();
        QAction *save = form_.commands().FileSave1;
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
        form_.pages().Notebook->setCurrentIndex(static_cast<int>(Page::Player));
        QAction *grid = form_.commands().ViewPixelGrid;
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
        QApplication::processEvents();
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
        const int page = form_.pages().Notebook->currentIndex();
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
    std::shared_ptr<CancellingDialogs> dialogs_;
    MainWindow form_;
    Paints paints_;
    std::vector<Verdict> verdicts_;
};

} // namespace

int main(int argc, char **argv)
{
    // Measured without a display, as on the build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Naming bars (open, save, repaint, drag) measures only those, e.g. under a profiler.
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
        return bars.summary();
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "velmor_bench_bars: %s\n", failure.what());
        return 1;
    }
}
