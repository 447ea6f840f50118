// How long the editor takes for the mouse work a user does most: one move event of
// a drag, which moves the pressed view and carries the element's other views along
// through the fields.
#include "editor/Unit1.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

// A user who cancels every dialog.
class SilentDialogs : public Dialogs {
public:
    QString openSkin() override { return {}; }
    QString saveSkinAs(const QString &) override { return {}; }
    QString openPicture() override { return {}; }
    void error(const QString &) override {}
    void message(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    bool yesNo(const QString &, const QString &) override { return false; }
};

void send(QWidget *view, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

// Widgets need an application; it lives as long as the benchmark program.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "velmor_bench_editor";
    static char *argv[] = {name, nullptr};
    // Measured without a display, as on the build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

// One move of a drag on the Schedule view of an element with views on all three pages.
void dragMoveEvent(benchmark::State &state)
{
    ensureApplication();
    TForm1 form(std::make_shared<SilentDialogs>());
    form.load(QStringLiteral(VELMOR_DEMO_SKIN));
    QWidget *view = form.findChild<QWidget *>(QStringLiteral("Image29s"));
    send(view, QEvent::MouseButtonPress, {2, 2});
    int step = 1;
    for (auto _ : state) {
        send(view, QEvent::MouseMove, {2 + step, 2});
        step = -step;
    }
    send(view, QEvent::MouseButtonRelease, {2, 2});
}
BENCHMARK(dragMoveEvent)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
