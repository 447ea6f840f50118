#include "app/Shell.h"

#include "app/AboutDialog.h"
#include "app/ActivationWatch.h"
#include "app/RecentSkinsWriter.h"
#include "app/SkinNameDialog.h"
#include "app/ToolWindowPlaces.h"
#include "editor/windows/MainWindow.h"
#include "update/VersionChecker.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>

namespace {

// The window opens where and as it was closed; the first time it fills the screen's
// work area, the controls at their places and the rest of the room the page's.
void placeWindow(QMainWindow &window, const QByteArray &place)
{
    if (place.isEmpty() || !window.restoreGeometry(place))
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

} // namespace

Shell::Shell(Platform platform)
    : platform_(std::move(platform)), mainWindow_(std::make_unique<MainWindow>(platform_.dialogs)),
      aboutDialog_(std::make_unique<AboutDialog>(mainWindow_.get())),
      skinNameDialog_(std::make_unique<SkinNameDialog>(mainWindow_.get())),
      versionChecker_(std::make_unique<VersionChecker>(platform_, mainWindow_.get())),
      recentWriter_(std::make_unique<RecentSkinsWriter>(*mainWindow_))
{
    connectCommands();
    activation_ = new ActivationWatch(*mainWindow_);
    QObject::connect(activation_, &ActivationWatch::activated, mainWindow_.get(),
                     [this] { readSettings(); });
    QObject::connect(mainWindow_.get(), &MainWindow::closing, mainWindow_.get(),
                     [this] { writeSettings(); });
    QObject::connect(mainWindow_.get(), &MainWindow::skinOpened, mainWindow_.get(),
                     [this](const QString &path) { rememberSkin(path); });
    QObject::connect(mainWindow_.get(), &MainWindow::recentSkinGone, mainWindow_.get(),
                     [this](const QString &path) { forgetSkin(path); });
    mainWindow_->showRecentSkins(AppSettings().recentSkins());
    // The zoom is kept the moment it changes, as the language is.
    mainWindow_->zoom().setPercent(AppSettings().zoom());
    QObject::connect(&mainWindow_->zoom(), &PageZoom::changed, mainWindow_.get(),
                     [](int percent) { AppSettings().writeZoom(percent); });
    keepViewSettings();
    // Each lives as long as its window, which deletes it.
    new ToolWindowPlaces(*mainWindow_, mainWindow_->checkReport(), "BerichtFenster");
    new ToolWindowPlaces(*mainWindow_, mainWindow_->comparison(), "VergleichFenster");
}

// Snapping is kept the moment it is switched. The docks' places and the window's are
// kept at the close when the user changed them: they are taken as laid out when the
// window first comes up, so that a start and a close alone leave the settings as they
// were.
void Shell::keepViewSettings()
{
    const AppSettings settings;
    const WindowActions &commands = mainWindow_->commands();
    commands.snapToElements->setChecked(settings.snapToElements());
    commands.snapToGrid->setChecked(settings.snapToGrid());
    commands.snapToGrid->setData(settings.gridStep());
    mainWindow_->restoreState(settings.windowLayout());
    placeWindow(*mainWindow_, settings.windowPlace());
    for (QAction *snap : {commands.snapToElements, commands.snapToGrid}) {
        QObject::connect(snap, &QAction::toggled, mainWindow_.get(), [commands] {
            AppSettings().writeSnapping(commands.snapToElements->isChecked(),
                                        commands.snapToGrid->isChecked());
        });
    }
    QObject::connect(activation_, &ActivationWatch::activated, mainWindow_.get(), [this] {
        if (laidOut_.isEmpty()) {
            laidOut_ = mainWindow_->saveState();
            placed_ = mainWindow_->saveGeometry();
        }
    });
    QObject::connect(mainWindow_.get(), &MainWindow::closing, mainWindow_.get(), [this] {
        const QByteArray layout = mainWindow_->saveState();
        if (!laidOut_.isEmpty() && layout != laidOut_)
            AppSettings().writeWindowLayout(layout);
        const QByteArray place = mainWindow_->saveGeometry();
        if (!placed_.isEmpty() && place != placed_)
            AppSettings().writeWindowPlace(place);
    });
}

Shell::~Shell() = default;

void Shell::connectCommands()
{
    const WindowActions &commands = mainWindow_->commands();
    QObject::connect(commands.checkForUpdates, &QAction::triggered, versionChecker_.get(),
                     &QDialog::exec);
    QObject::connect(commands.about, &QAction::triggered, aboutDialog_.get(), &QDialog::exec);
    QObject::connect(commands.skinName, &QAction::triggered, skinNameDialog_.get(),
                     [this] { editName(); });
    QObject::connect(commands.german, &QAction::triggered, mainWindow_.get(),
                     [] { chooseLanguage(Language::German); });
    QObject::connect(commands.english, &QAction::triggered, mainWindow_.get(),
                     [] { chooseLanguage(Language::English); });
}

// Every window shows the new language at once; later starts begin with it.
void Shell::chooseLanguage(Language language)
{
    applyLanguage(language);
    AppSettings().writeLanguage(language);
}

void Shell::readSettings()
{
    const AppSettings settings;
    versionChecker_->serverChoice->setCurrentText(settings.server());
    versionChecker_->ServerwahlChange();
    versionChecker_->newsText->setPlainText(settings.news());
    updateSettingsRead_ = true;
}

// Until the window was activated once, the version checker holds nothing read from the
// file, and writing its empty fields would wipe the stored choice.
void Shell::writeSettings()
{
    if (!updateSettingsRead_)
        return;
    std::optional<QString> news;
    if (versionChecker_->showsNews())
        news = versionChecker_->newsText->toPlainText();
    AppSettings().writeUpdate(versionChecker_->serverChoice->currentText(), news);
}

// Once a name has been confirmed, every later use of the dialog marks the skin
// changed, even one that ends with "Abbrechen": the name still has to be saved.
void Shell::editName()
{
    skinNameDialog_->exec();
    if (skinNameDialog_->nameConfirmed())
        mainWindow_->confirmSkinName(skinNameDialog_->skinName());
}

// The list is read afresh each time: another copy of the program may have added to it.
void Shell::rememberSkin(const QString &path)
{
    mainWindow_->showRecentSkins(recentWriter_->opened(path));
}

void Shell::forgetSkin(const QString &path)
{
    recentWriter_->flush();
    AppSettings settings;
    QStringList recent = settings.recentSkins();
    recent.removeAll(path);
    settings.writeRecentSkins(recent);
    mainWindow_->showRecentSkins(recent);
}
