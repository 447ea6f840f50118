#include "editor/windows/MainWindow.h"

#include "editor/controls/ClientArea.h"
#include "editor/controls/PageView.h"
#include "editor/controls/SelectionHint.h"
#include "editor/controls/SkinTextView.h"
#include "editor/controls/StartPanel.h"
#include "editor/files/BitmapGathering.h"
#include "platform/FileWrites.h"
#include "platform/Platform.h"
#include "platform/SkinPackage.h"
#include "platform/Templates.h"
#include "skin/SkinFormat.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
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
      watch_(document_, *dialogs_, [this](const QString &path) { load(path); }),
      report_(
          document_, *dialogs_, [this](const SkinProblem &problem) { reveal(problem); },
          {[this](const QString &bitmap) { watch_.bitmapChanged(bitmap); },
           [this](const QString &skin) { return keepWork() && load(skin) == LoadOutcome::Loaded; }},
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
    connect(startPanel_, &StartPanel::recentChosen, this, &MainWindow::openRecent);
    addDockWidget(Qt::RightDockWidgetArea, outline_);
    outline_->toggleViewAction()->setObjectName(QStringLiteral("ViewElementOutline"));
    commands_.viewMenu->addAction(outline_->toggleViewAction());
    connect(&document_, &EditorDocument::changedStateChanged, commands_.save, &QAction::setEnabled);
    panel_.skinText->setSource([this] { return readableText(document_.skin()); });
    connect(&document_, &EditorDocument::skinTextChanged, panel_.skinText,
            &SkinTextView::sourceChanged);
    connect(commands_.fileNew, &QAction::triggered, this, [this] {
        dialogs_->message(tr("Neue Skins lassen sich nicht anlegen. Öffne ein vorhandenes Skin "
                             "und speichere es unter einem neuen Namen."));
    });
    connect(commands_.open, &QAction::triggered, this, &MainWindow::openSkin);
    connect(commands_.newFromTemplate, &QAction::triggered, this, &MainWindow::newFromTemplate);
    connect(commands_.openPackage, &QAction::triggered, this, &MainWindow::choosePackage);
    connect(commands_.exportPackage, &QAction::triggered, this, &MainWindow::exportZip);
    connect(commands_.save, &QAction::triggered, this, &MainWindow::save);
    connect(commands_.saveAs, &QAction::triggered, this, &MainWindow::saveAs);
    connect(commands_.quit, &QAction::triggered, this, &QWidget::close);
    connect(commands_.checkSkin, &QAction::triggered, &report_, &SkinCheckReport::showForDocument);
    connect(commands_.compare, &QAction::triggered, this, &MainWindow::compareWithOther);
    connect(commands_.recentSkins, &QMenu::triggered, this,
            [this](QAction *action) { openRecent(action->data().toString()); });
    setAcceptDrops(true);
    templateFolder_ = defaultTemplateFolder();
    // Shown without a size, a window would take at most two thirds of the screen.
    resize(sizeHint());
}

LoadOutcome MainWindow::load(const QString &path)
{
    const LoadOutcome outcome = open(path);
    // The error box named the first bitmap that failed; the report names them all.
    if (outcome == LoadOutcome::PictureFailed)
        report_.showForFile(path);
    if (outcome == LoadOutcome::Loaded) {
        watch_.watchSkin();
        emit skinOpened(path);
    }
    return outcome;
}

LoadOutcome MainWindow::open(const QString &path)
{
    // A comparison belongs to the skin it was made with.
    comparison_.stop();
    previews_.forgetReports();
    const LoadOutcome outcome = loader_.load(path);
    outline_->refill();
    return outcome;
}

void MainWindow::openSkin()
{
    const QString path =
        dialogs_->askForFile({Dialogs::FileKind::OpenSkin, tr("Skin öffnen"),
                              QString::fromStdString(document_.skin().skinFolder)});
    if (!path.isEmpty())
        openAfterAsking(path);
}

void MainWindow::openAfterAsking(const QString &path)
{
    if (keepWork())
        load(path);
}

void MainWindow::newFromTemplate()
{
    const QString version =
        dialogs_->chooseItem(tr("Neu aus Vorlage"), tr("Für welchen Player ist das neue Skin?"),
                             {QString::fromLatin1(version15), QString::fromLatin1(version14)});
    if (version.isEmpty())
        return;
    const QString path =
        dialogs_->askForFile({Dialogs::FileKind::SaveSkin, tr("Neues Skin speichern unter"),
                              QString::fromStdString(folderOf(document_.skin().skinPath))});
    if (!path.isEmpty() && keepWork())
        createFromTemplate(version.toStdString(), path);
}

// The template is opened and saved under the new name, so that its bitmaps come along
// by the rules of every save into another folder.
bool MainWindow::createFromTemplate(std::string_view version, const QString &path)
{
    const QString source = templateSkin(templateFolder_, version);
    if (source.isEmpty()) {
        dialogs_->error(tr("Die Vorlage für %1 fehlt.").arg(QLatin1String(version)));
        return false;
    }
    if (open(source) != LoadOutcome::Loaded)
        return false;
    document_.setSkinPath(path.toStdString());
    if (!write())
        return false;
    watch_.watchSkin();
    emit skinOpened(path);
    return true;
}

void MainWindow::choosePackage()
{
    const QString zipPath = dialogs_->chooseFile(
        Dialogs::FileChoice::OpenPackage, QString::fromStdString(document_.skin().skinFolder));
    if (!zipPath.isEmpty())
        openPackage(zipPath);
}

void MainWindow::openPackage(const QString &zipPath)
{
    const QFileInfo zip(zipPath);
    const QString folder = dialogs_->chooseFile(Dialogs::FileChoice::UnpackFolder,
                                                zip.absoluteDir().filePath(zip.completeBaseName()));
    if (folder.isEmpty() || !keepWork())
        return;
    const PackageResult unpacked = unpackSkin(zipPath, folder);
    if (!unpacked.ok()) {
        dialogs_->error(unpacked.error);
        return;
    }
    const QString skin = unpacked.skins.size() == 1
                             ? unpacked.skins.front()
                             : dialogs_->chooseItem(tr("Skin-Paket öffnen"),
                                                    tr("Welches Skin des Pakets?"), unpacked.skins);
    if (!skin.isEmpty())
        load(QDir(folder).filePath(skin));
}

// The package holds the skin as it is on disk, so unsaved work is asked about first.
void MainWindow::exportZip()
{
    if (!keepWork())
        return;
    const QFileInfo skin(QString::fromStdString(document_.skin().skinPath));
    const QString zipPath = dialogs_->chooseFile(
        Dialogs::FileChoice::SavePackage,
        skin.absoluteDir().filePath(skin.completeBaseName() + QStringLiteral(".zip")));
    if (zipPath.isEmpty())
        return;
    const PackageResult packed = packSkin(skin.absoluteFilePath(), zipPath);
    if (!packed.ok())
        dialogs_->error(packed.error);
}

void MainWindow::openRecent(const QString &path)
{
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        dialogs_->message(tr("Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste genommen.")
                              .arg(QDir::toNativeSeparators(path)));
        emit recentSkinGone(path);
        return;
    }
    openAfterAsking(path);
}

void MainWindow::showRecentSkins(const QStringList &paths) const
{
    commands_.showRecentSkins(paths);
    startPanel_->showRecentSkins(paths);
}

bool MainWindow::keepWork()
{
    if (!document_.hasUnsavedChanges())
        return true;
    const std::optional<bool> save =
        dialogs_->yesNoCancel(tr("Bestätigung"), tr("Das Skin wurde geändert. Speichern ?"));
    return save && (!*save || write());
}

void MainWindow::save()
{
    if (document_.isChanged())
        write();
}

// The chosen file is always written, so that a copy exists whenever the user named
// one; into another folder every bitmap of the skin comes along. Should the write
// fail, the chosen file stays the one the next save writes, with all it would have.
void MainWindow::saveAs()
{
    const QString path =
        dialogs_->askForFile({Dialogs::FileKind::SaveSkin, tr("Skin speichern unter"),
                              QString::fromStdString(folderOf(document_.skin().skinPath))});
    if (path.isEmpty())
        return;
    document_.setSkinPath(path.toStdString());
    write();
}

bool MainWindow::write()
{
    // A name confirmed before any skin was opened has no skin to go into.
    if (document_.skin().targetVersion.empty())
        return true;
    if (!watch_.mayOverwrite())
        return false;
    const QString skinPath = QString::fromStdString(document_.skin().skinPath);
    const QString folder = QFileInfo(skinPath).absolutePath();
    const auto failed = [this](const QString &text) {
        dialogs_->error(text);
        return false;
    };
    if (!QFileInfo(folder).isDir())
        return failed(
            writeFailureText(skinPath, std::make_error_code(std::errc::no_such_file_or_directory)));
    const Gathering gathered =
        gatherBitmaps(document_, folder, document_.movesFolder(), [this](const QString &name) {
            return dialogs_->yesNo(
                tr("Bestätigung"),
                tr("Im Skin-Ordner gibt es schon eine Datei %1. Ersetzen?").arg(name));
        });
    if (!gathered.ok)
        return failed(gathered.failure);
    if (!document_.save())
        return failed(writeFailureText(skinPath, document_.lastSaveError()));
    if (!gathered.missing.isEmpty())
        dialogs_->message(tr("Diese Bitmaps gibt es nicht; das Skin nennt sie trotzdem:\n%1")
                              .arg(gathered.missing.join(QLatin1Char('\n'))));
    return true;
}

void MainWindow::reveal(const SkinProblem &problem)
{
    if (problem.element) {
        const CatalogueEntry &entry = *problem.element;
        pages_.notebook->setCurrentWidget(pages_.tab(problem.page.value_or(entry.referencePage())));
        dragging_.pressElement(entry);
    } else if (problem.graphic) {
        // A graphic of a page is shown with the page's background selected; the pieces
        // of the player view have a page of their own.
        if (problem.page) {
            pages_.notebook->setCurrentWidget(pages_.tab(*problem.page));
            for (Graphic background : pageBackgrounds) {
                if (backgroundPage(background) == problem.page)
                    graphics_.click(background);
            }
        } else {
            pages_.notebook->setCurrentIndex(3);
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
    if (!keepWork()) {
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}

namespace {

// The first skin or skin package among the dropped files; other files are nothing
// to open.
QString droppedSkin(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.endsWith(QLatin1String(".lkv"), Qt::CaseInsensitive) ||
            path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedSkin(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedSkin(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        openPackage(path);
    else
        openAfterAsking(path);
}
