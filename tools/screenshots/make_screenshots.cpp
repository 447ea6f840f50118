// Renders the main window before a skin is open, then with one open, once per notebook
// page, once as small as a laptop leaves it and once zoomed to 400 %, a group drag, a
// comparison, the check report and the three dialogs, to PNG files:
//   QT_QPA_PLATFORM=offscreen velmor_make_screenshots <skin.lkv> <folder>
// With QT_SCALE_FACTOR set, it renders only the Player page as that scaled screen shows it.
#include "app/AboutDialog.h"
#include "app/Shell.h"
#include "app/SkinNameDialog.h"
#include "editor/controls/PageView.h"
#include "editor/windows/MainWindow.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "update/VersionChecker.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QMouseEvent>
#include <QTabWidget>

#include <cstdio>

namespace {

// A tool run has no user to ask: every box goes to the console and ends the run.
class ConsoleDialogs : public Dialogs {
public:
    QString openSkin() override { return {}; }
    QString saveSkinAs(const QString &) override { return {}; }
    QString openPicture() override { return {}; }
    void error(const QString &text) override { fail(text); }
    void message(const QString &text) override { fail(text); }
    bool confirm(const QString &) override { return false; }
    bool yesNo(const QString &, const QString &) override { return false; }

    bool failed = false;

private:
    void fail(const QString &text)
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        failed = true;
    }
};

bool saveGrab(QWidget &window, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    return window.grab().save(folder.filePath(QStringLiteral("screenshot-%1.png").arg(name)));
}

// A dialog is shown only for its picture.
bool saveDialogGrab(QWidget &dialog, const QDir &folder, const QString &name)
{
    dialog.show();
    const bool saved = saveGrab(dialog, folder, name);
    dialog.hide();
    return saved;
}

// The report on the skin with two elements moved astray, an edit taken back afterwards.
bool saveCheckReport(MainWindow &form, const QDir &folder)
{
    EditorDocument &document = form.editorDocument();
    document.select(Selection::of(*findElement(9)));
    document.editEdge(Edge::Left, 930);
    document.select(Selection::of(*findElement(15)));
    document.editEdge(Edge::Top, 150);
    form.commands().checkSkin->trigger();
    const bool saved = saveGrab(form.checkReport(), folder, QStringLiteral("check"));
    form.checkReport().hide();
    document.history().undo();
    document.history().undo();
    return saved;
}

// A click in the middle of the item, as the user makes it.
void click(PageView &view, const QGraphicsItem &item)
{
    const QPoint at = view.mapFromScene(item.sceneBoundingRect().center());
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
}

// The Player page with an element selected, at 100 % and at 400 % with the pixel grid,
// the selection in the middle of the view.
bool saveZoomed(MainWindow &form, const QDir &folder)
{
    const CatalogueEntry &exit = *findElement(9);
    form.pages().notebook->setCurrentIndex(0);
    click(*form.pages().views[0], *form.scenes().views().view(exit, Page::Player));
    if (!saveGrab(form, folder, QStringLiteral("player")))
        return false;
    form.zoom().setPercent(400);
    PageView &view = *form.pages().views[0];
    view.centerOn(form.scenes().views().view(exit, Page::Player));
    const bool saved = saveGrab(form, folder, QStringLiteral("zoom-400"));
    form.zoom().setPercent(100);
    form.editorDocument().select({});
    return saved;
}

void sendMouse(PageView &view, QEvent::Type type, QPointF scenePoint, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPoint at = view.mapFromScene(scenePoint);
    QMouseEvent event(type, at, view.viewport()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      modifiers);
    QApplication::sendEvent(view.viewport(), &event);
}

// A row of buttons selected with Ctrl+click and dragged together, caught while the
// drag snaps to another element, with the outline beside the page.
bool saveArranged(MainWindow &form, const QDir &folder)
{
    form.pages().notebook->setCurrentIndex(0);
    PageView &view = *form.pages().views[0];
    const ElementViews &views = form.scenes().views();
    const std::array<int, 5> row{31, 32, 33, 34, 35};
    for (int number : row) {
        const QPointF centre =
            views.view(*findElement(number), Page::Player)->sceneBoundingRect().center();
        sendMouse(view, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::ControlModifier);
        sendMouse(view, QEvent::MouseButtonRelease, centre, Qt::NoButton, Qt::ControlModifier);
    }
    const PageItem &pressed = *views.view(*findElement(row.front()), Page::Player);
    const QPointF from = pressed.sceneBoundingRect().center();
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 6; ++step)
        sendMouse(view, QEvent::MouseMove, from + QPointF(step * 2, step * -3), Qt::LeftButton);
    const bool saved = saveGrab(form, folder, QStringLiteral("arrange"));
    sendMouse(view, QEvent::MouseButtonRelease, from + QPointF(12, -18), Qt::NoButton);
    form.editorDocument().history().undo();
    form.editorDocument().select({});
    return saved;
}

// The open skin compared with its own file after two unsaved edits: the marks on the
// page with the saved places outlined, and the list of differences.
bool saveComparison(MainWindow &form, const QDir &folder)
{
    form.pages().notebook->setCurrentIndex(0);
    EditorDocument &document = form.editorDocument();
    document.select(Selection::of(*findElement(29)));
    document.editEdge(Edge::Left, document.skin().element(*findElement(29)).geometry.left + 36);
    document.select(Selection::of(*findElement(31)));
    document.editEdge(Edge::Width, 60);
    document.select({});
    form.comparison().compareWith(QString::fromStdString(document.skin().skinPath));
    const bool saved = saveGrab(form, folder, QStringLiteral("compare")) &&
                       saveGrab(form.comparison(), folder, QStringLiteral("compare-list"));
    form.comparison().stop();
    document.history().undo();
    document.history().undo();
    return saved;
}

// The window as small as a laptop leaves it: the page scrolls, the panel too.
bool saveSmall(MainWindow &form, const QDir &folder)
{
    const QSize drawn = form.size();
    form.resize(1024, 600);
    form.pages().notebook->setCurrentIndex(0);
    const bool saved = saveGrab(form, folder, QStringLiteral("small"));
    form.resize(drawn);
    return saved;
}

bool saveScaled(MainWindow &form, const QString &skin, const QDir &folder)
{
    form.load(skin);
    form.pages().notebook->setCurrentIndex(0);
    const int percent = qRound(form.devicePixelRatio() * 100);
    return saveGrab(form, folder, QStringLiteral("scaled-%1").arg(percent));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyLanguage(Language::German);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skin.lkv> <folder>\n", argv[0]);
        return 2;
    }
    auto dialogs = std::make_shared<ConsoleDialogs>();
    Platform platform;
    platform.dialogs = dialogs;
    platform.openUrl = [](const QUrl &) {};
    Shell shell(platform);
    MainWindow &form = shell.mainWindow();
    // Whatever zoom and size the folder's settings keep, the pictures show the pages at
    // 100 % in a window of the size its layout was drawn for.
    form.zoom().setPercent(100);
    form.setWindowState(Qt::WindowNoState);
    form.resize(form.sizeHint());
    form.show();
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const QString skin = QString::fromLocal8Bit(argv[1]);
    // On a scaled screen, only the window as a laptop shows it.
    if (form.devicePixelRatio() != 1.0)
        return saveScaled(form, skin, folder) ? 0 : 1;
    form.showRecentSkins({QFileInfo(skin).absoluteFilePath()});
    if (!saveGrab(form, folder, QStringLiteral("start")))
        return 1;
    form.load(skin);
    if (dialogs->failed || !saveSmall(form, folder))
        return 1;
    // The Player page is taken with the zoomed one.
    const QStringList names{"player", "schedule", "description", "player-view"};
    auto *notebook = form.findChild<QTabWidget *>(QStringLiteral("Notebook"));
    for (int page = 1; page < names.size(); ++page) {
        notebook->setCurrentIndex(page);
        if (!saveGrab(form, folder, names[page]))
            return 1;
    }
    if (!saveZoomed(form, folder) || !saveArranged(form, folder) || !saveComparison(form, folder))
        return 1;
    const bool dialogsSaved =
        saveCheckReport(form, folder) &&
        saveDialogGrab(shell.aboutDialog(), folder, QStringLiteral("about")) &&
        saveDialogGrab(shell.skinNameDialog(), folder, QStringLiteral("skinname")) &&
        saveDialogGrab(shell.versionChecker(), folder, QStringLiteral("update"));
    return dialogsSaved ? 0 : 1;
}
