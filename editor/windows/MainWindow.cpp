#include "editor/windows/MainWindow.h"

#include "editor/controls/ClientArea.h"
#include "editor/controls/PageView.h"
#include "editor/controls/SelectionHint.h"
#include "editor/controls/SkinTextView.h"
#include "editor/controls/StartPanel.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTabWidget>

namespace {

ClientArea &createClient(QMainWindow &window)
{
    auto *client = new ClientArea(&window);
    window.setCentralWidget(client);
    return *client;
}

} // namespace

MainWindow::MainWindow(std::shared_ptr<Dialogs> dialogs, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)), scenes_(document_), commands_(WindowActions::create(*this)),
      client_(createClient(*this)), panel_(EditingPanel::create(client_.panelStrip())),
      pages_(SkinPages::create(client_, scenes_)), zoom_(pages_, commands_),
      status_(StatusReadout::create(*statusBar(), document_, pages_, zoom_)),
      workspace_{document_, scenes_, pages_, panel_, commands_, *dialogs_},
      loader_(*this, workspace_), fields_(workspace_), previews_(workspace_),
      snapping_(document_, scenes_, *commands_.snapToElements, *commands_.snapToGrid),
      dragging_(workspace_, snapping_), graphics_(workspace_), keyboard_(workspace_, dragging_),
      drops_(previews_, graphics_, scenes_),
      files_(document_, *dialogs_, [this](const QString &path) { return open(path); }),
      report_(
          document_, *dialogs_, [this](const SkinProblem &problem) { reveal(problem); },
          {[this](const QString &bitmap) { files_.watch().bitmapChanged(bitmap); },
           [this](const QString &skin) {
               return files_.keepWork() && load(skin) == LoadOutcome::Loaded;
           }},
          this),
      comparison_(
          document_, scenes_, *dialogs_,
          [this](const SkinDifference &difference) { reveal(difference); }, this),
      arranging_(workspace_),
      menu_(workspace_, previews_, arranging_,
            [this](const CatalogueEntry &entry) { report_.showForElement(entry); }),
      livePreview_(workspace_), navigation_(workspace_),
      startPanel_(new StartPanel(commands_, &client_)),
      outline_(new ElementOutline(workspace_, this))
{
    setObjectName(QStringLiteral("Form1"));
    loader_.showTitle();
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    commands_.followHistory(document_.history());
    showPictureNames(document_, panel_);
    client_.setPages(pages_.notebook, startPanel_);
    addDockWidget(Qt::RightDockWidgetArea, outline_);
    outline_->toggleViewAction()->setObjectName(QStringLiteral("ViewElementOutline"));
    commands_.viewMenu->addAction(outline_->toggleViewAction());
    connect(&document_, &EditorDocument::changedStateChanged, commands_.save, &QAction::setEnabled);
    panel_.skinText->setSource([this] { return readableText(document_.skin()); });
    connect(&document_, &EditorDocument::skinTextChanged, panel_.skinText,
            &SkinTextView::sourceChanged);
    connectFiles();
    connect(commands_.quit, &QAction::triggered, this, &QWidget::close);
    connect(commands_.checkSkin, &QAction::triggered, &report_, &SkinCheckReport::showForDocument);
    connect(commands_.compare, &QAction::triggered, this, &MainWindow::compareWithOther);
    setAcceptDrops(true);
    // Shown without a size, a window would take at most two thirds of the screen.
    resize(sizeHint());
}

// The window only wires the file commands; what they do needs no window.
void MainWindow::connectFiles()
{
    connect(commands_.fileNew, &QAction::triggered, &files_, &SkinFiles::explainNew);
    connect(commands_.open, &QAction::triggered, &files_, &SkinFiles::openSkin);
    connect(commands_.newFromTemplate, &QAction::triggered, &files_, &SkinFiles::newFromTemplate);
    connect(commands_.openPackage, &QAction::triggered, &files_, &SkinFiles::choosePackage);
    connect(commands_.exportPackage, &QAction::triggered, &files_, &SkinFiles::exportPackage);
    connect(commands_.save, &QAction::triggered, &files_, &SkinFiles::save);
    connect(commands_.saveAs, &QAction::triggered, &files_, &SkinFiles::saveAs);
    connect(commands_.recentSkins, &QMenu::triggered, &files_,
            [this](QAction *action) { files_.openRecent(action->data().toString()); });
    connect(startPanel_, &StartPanel::recentChosen, &files_, &SkinFiles::openRecent);
    // The error box named the first bitmap that failed; the report names them all.
    connect(&files_, &SkinFiles::stoppedAtPicture, &report_, &SkinCheckReport::showForFile);
    connect(&files_, &SkinFiles::skinOpened, this, &MainWindow::skinOpened);
    connect(&files_, &SkinFiles::recentSkinGone, this, &MainWindow::recentSkinGone);
}

LoadOutcome MainWindow::open(const QString &path)
{
    // A comparison belongs to the skin it was made with.
    comparison_.stop();
    previews_.forgetReports();
    const LoadOutcome outcome = loader_.load(path);
    outline_->refill();
    // The window paints the skin here, before the watch and the list of skins opened
    // last take their turn, which show nothing.
    pages_.settleScenes();
    return outcome;
}

void MainWindow::showRecentSkins(const QStringList &paths) const
{
    commands_.showRecentSkins(paths);
    startPanel_->showRecentSkins(paths);
}

void MainWindow::reveal(const SkinProblem &problem)
{
    if (problem.element) {
        const CatalogueEntry &entry = *problem.element;
        pages_.notebook->setCurrentWidget(pages_.tab(problem.page.value_or(entry.referencePage())));
        document_.select(Selection::of(entry));
        // Its bitmaps that fail are said now, as after a press on the element.
        document_.endGesture();
    } else if (problem.graphic) {
        // A graphic of a page is shown with the page's background selected; the pieces
        // of the player view have a page of their own and no selection: their click
        // shows their file.
        if (problem.page) {
            pages_.notebook->setCurrentWidget(pages_.tab(*problem.page));
            document_.select(Selection::backgroundOf(*problem.page));
        } else {
            pages_.notebook->setCurrentWidget(pages_.playerViewTab());
            graphics_.click(*problem.graphic);
        }
    }
}

// The difference is shown where a problem of the same part would be.
void MainWindow::reveal(const SkinDifference &difference)
{
    SkinProblem place;
    place.element = elementInB(difference);
    place.graphic = difference.graphic;
    place.page = place.element        ? std::optional(place.element->referencePage())
                 : difference.graphic ? graphicPage(*difference.graphic)
                                      : std::nullopt;
    reveal(place);
}

void MainWindow::compareWithOther()
{
    const QString path =
        dialogs_->askForFile({Dialogs::FileKind::OpenSkin, tr("Skin zum Vergleichen wählen"),
                              QString::fromStdString(document_.skin().skinFolder)});
    if (!path.isEmpty())
        comparison_.compareWith(path);
}

void MainWindow::confirmSkinName(const QString &name)
{
    document_.confirmSkinName(name.toStdString());
}

// The window shows the new language at once, without being built again; the skin
// check window, a widget of its own, follows by itself.
void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

// Besides the fixed texts, those that depend on the skin and the history: the title,
// a hint in "Bildname", the undo and redo captions.
void MainWindow::retranslate()
{
    commands_.retranslate(document_.history());
    panel_.retranslate();
    pages_.retranslate();
    scenes_.retranslate();
    status_.showZoom(zoom_.percent());
    status_.showSelection(document_);
    loader_.showTitle();
}

// "Abbrechen", or a save that failed, keeps the window open with the work and its
// history; only a close that happens writes the settings.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!files_.keepWork()) {
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedSkin(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedSkin(event->mimeData()->urls());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    files_.openDropped(path);
}
