// How long the editor takes for what a user does most: opening a skin, one move event
// of a drag, one arrow-key nudge, one change of a number field, the undo of a drag and
// a save; each on the demo skin as it is and grown to 10 000 and 100 000 lines.
#include "bench/PaddedSkin.h"
#include "bench/PageTarget.h"
#include "bench/Runs.h"
#include "editor/controls/NumberField.h"
#include "editor/controls/SkinTextView.h"
#include "editor/windows/MainWindow.h"
#include "platform/CancellingDialogs.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

// Widgets need an application; it lives as long as the benchmark program.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "velmor_bench_editor";
    static char *argv[] = {name, nullptr};
    // Measured without a display, as on the build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down among the other statics at exit, it crashes in Qt.
    static auto *application = new QApplication(argc, argv);
    (void)application;
}

// The main window on the screen with the demo skin, grown to the benchmark's size, open.
class OpenSkin {
public:
    explicit OpenSkin(benchmark::State &state)
        : skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0))),
          dialogs(std::make_shared<CancellingDialogs>()), form(dialogs)
    {
        form.show();
        form.load(QString::fromStdString(skin.path()));
        QApplication::processEvents();
        check(state);
        state.counters["lines"] = static_cast<double>(skin.lines().size());
    }

    bool check(benchmark::State &state) const
    {
        // An error box during a benchmark spoils its figure.
        if (dialogs->shown.isEmpty())
            return true;
        qWarning("%s", qPrintable(dialogs->shown.front()));
        state.SkipWithError("the editor reported an error");
        return false;
    }

    // A benchmark of work that did not happen measures nothing.
    static bool happened(benchmark::State &state, bool happened, const char *what)
    {
        if (!happened)
            state.SkipWithError(what);
        return happened;
    }
    bool selected(benchmark::State &state) const
    {
        return happened(state, form.selection().kind == Selection::Kind::Element,
                        "the click selected no element");
    }
    bool changed(benchmark::State &state)
    {
        return happened(state, form.editorDocument().history().count() > 0,
                        "the document did not change");
    }

    // The Schedule view of an element with views on all three pages, its page in front.
    PageTarget view() const
    {
        PageTarget target(form, QStringLiteral("Image29s"));
        target.bringIntoView();
        QApplication::processEvents();
        return target;
    }

    PaddedSkin skin;
    std::shared_ptr<CancellingDialogs> dialogs;
    MainWindow form;
};

// From the file to the window that shows it, its first painting included.
void openSkin(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    const QString path = QString::fromStdString(open.skin.path());
    for (auto _ : state) {
        open.form.load(path);
        QApplication::processEvents();
    }
    open.check(state);
}
BENCHMARK(openSkin)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

// The skin's text laid out in the hidden Memo1, which happens only when it is first
// shown or read, not when a skin is opened or saved.
void skinTextIntoMemo1(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    SkinTextView *memo = open.form.panel().skinText;
    for (auto _ : state) {
        memo->sourceChanged();
        benchmark::DoNotOptimize(memo->skinText());
    }
    open.check(state);
}
BENCHMARK(skinTextIntoMemo1)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

void dragMoveEvent(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    const PageTarget view = open.view();
    const QPoint from = view.grip();
    view.send(QEvent::MouseButtonPress, from);
    int step = 1;
    for (auto _ : state) {
        view.send(QEvent::MouseMove, from + QPoint(step, 0));
        step = -step;
    }
    view.send(QEvent::MouseButtonRelease, from);
    open.changed(state);
    open.check(state);
}
BENCHMARK(dragMoveEvent)->Apply(linesOfDemo)->Unit(benchmark::kMicrosecond);

// The width of the selected element typed or stepped by one.
void numberFieldChange(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    open.view().click();
    if (!open.selected(state))
        return;
    auto *width = open.form.findChild<NumberField *>(QStringLiteral("grossX"));
    const int start = width->value();
    int step = 1;
    for (auto _ : state) {
        width->setValue(start + step);
        step = step == 1 ? 0 : 1;
    }
    open.check(state);
}
BENCHMARK(numberFieldChange)->Apply(linesOfDemo)->Unit(benchmark::kMicrosecond);

// One arrow key on the page that holds the selected element: it moves by a pixel.
void arrowKeyNudge(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    const PageTarget view = open.view();
    view.click();
    if (!open.selected(state))
        return;
    QWidget *page = view.view();
    bool right = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(page, &press);
        right = !right;
    }
    open.changed(state);
    open.check(state);
}
BENCHMARK(arrowKeyNudge)->Apply(linesOfDemo)->Unit(benchmark::kMicrosecond);

// Undoing a drag of a view and redoing it, so that the next round has one to undo:
// the figure is that of two steps, an undo alone takes about half.
void undoRedoDrag(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    open.view().drag({7, 2});
    if (!open.changed(state))
        return;
    QUndoStack &history = open.form.editorDocument().history();
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
    open.check(state);
}
BENCHMARK(undoRedoDrag)->Apply(linesOfDemo)->Unit(benchmark::kMicrosecond);

// Save after one element was dragged by a pixel: the file written and the window
// updated (the drag that makes the save due is not timed: dragMoveEvent measures it).
void saveAfterDrag(benchmark::State &state)
{
    ensureApplication();
    OpenSkin open(state);
    const PageTarget view = open.view();
    QAction *save = open.form.commands().save;
    int step = 1;
    for (auto _ : state) {
        state.PauseTiming();
        view.drag({step, 0});
        step = -step;
        state.ResumeTiming();
        if (!save->isEnabled()) {
            state.SkipWithError("the drag did not enable Save");
            break;
        }
        save->trigger();
    }
    open.check(state);
}
BENCHMARK(saveAfterDrag)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
