#include "app/Shell.h"

#include "app/AboutDialog.h"
#include "app/ActivationWatch.h"
#include "app/RecentSkinsWriter.h"
#include "app/SkinNameDialog.h"
#include "app/ToolWindowPlaces.h"
#include "editor/MainWindow.h"
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
    : platform_(std::move(platform)), form1_(std::make_unique<MainWindow>(platform_.dialogs)),
      form2_(std::make_unique<AboutDialog>(form1_.get())),
      form3_(std::make_unique<SkinNameDialog>(form1_.get())),
      form4_(std::make_unique<VersionChecker>(platform_, form1_.get())),
      recentWriter_(std::make_unique<RecentSkinsWriter>())
{
    connectCommands();
    activation_ = new ActivationWatch(*form1_);
    QObject::connect(activation_, &ActivationWatch::activated, form1_.get(),
                     [this] { readSettings(); });
    QObject::connect(form1_.get(), &MainWindow::closing, form1_.get(), [this] { writeSettings(); });
    QObject::connect(form1_.get(), &MainWindow::skinOpened, form1_.get(),
                     [this](const QString &path) { rememberSkin(path); });
    QObject::connect(form1_.get(), &MainWindow::recentSkinGone, form1_.get(),
                     [this](const QString &path) { forgetSkin(path); });
    form1_->showRecentSkins(AppSettings().recentSkins());
    // The zoom is kept the moment it changes, as the language is.
    form1_->zoom().setPercent(AppSettings().zoom());
    QObject::connect(&form1_->zoom(), &PageZoom::changed, form1_.get(),
                     [](int percent) { AppSettings().writeZoom(percent); });
    keepViewSettings();
    // Each lives as long as its window, which deletes it.
    new ToolWindowPlaces(*form1_, form1_->checkReport(), "BerichtFenster");
    new ToolWindowPlaces(*form1_, form1_->comparison(), "VergleichFenster");
}

// Snapping is kept the moment it is switched. The docks' places and the window's are
// kept at the close when the user changed them: they are taken as laid out when the
// window first comes up, so that a start and a close alone leave the settings as they
// were.
void Shell::keepViewSettings()
{
    const AppSettings settings;
    const WindowActions &commands = form1_->commands();
    commands.SnapToElements->setChecked(settings.snapToElements());
    commands.SnapToGrid->setChecked(settings.snapToGrid());
    commands.SnapToGrid->setData(settings.gridStep());
    form1_->restoreState(settings.windowLayout());
    placeWindow(*form1_, settings.windowPlace());
    for (QAction *snap : {commands.SnapToElements, commands.SnapToGrid}) {
        QObject::connect(snap, &QAction::toggled, form1_.get(), [commands] {
            AppSettings().writeSnapping(commands.SnapToElements->isChecked(),
                                        commands.SnapToGrid->isChecked());
        });
    }
    QObject::connect(activation_, &ActivationWatch::activated, form1_.get(), [this] {
        if (laidOut_.isEmpty()) {
            laidOut_ = form1_->saveState();
            placed_ = form1_->saveGeometry();
        }
    });
    QObject::connect(form1_.get(), &MainWindow::closing, form1_.get(), [this] {
        const QByteArray layout = form1_->saveState();
        if (!laidOut_.isEmpty() && layout != laidOut_)
            AppSettings().writeWindowLayout(layout);
        const QByteArray place = form1_->saveGeometry();
        if (!placed_.isEmpty() && place != placed_)
            AppSettings().writeWindowPlace(place);
    });
}

Shell::~Shell() = default;

void Shell::connectCommands()
{
    const WindowActions &commands = form1_->commands();
    QObject::connect(commands.Update, &QAction::triggered, form4_.get(), &QDialog::exec);
    QObject::connect(commands.Info, &QAction::triggered, form2_.get(), &QDialog::exec);
    QObject::connect(commands.EditName, &QAction::triggered, form3_.get(), [this] { editName(); });
    QObject::connect(commands.LanguageGerman, &QAction::triggered, form1_.get(),
                     [] { chooseLanguage(Language::German); });
    QObject::connect(commands.LanguageEnglish, &QAction::triggered, form1_.get(),
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
    form4_->Serverwahl1->setCurrentText(settings.server());
    form4_->ServerwahlChange();
    form4_->Memo2->setPlainText(settings.news());
    updateSettingsRead_ = true;
}

// Until the window was activated once, the version checker holds nothing read from the
// file, and writing its empty fields would wipe the stored choice.
void Shell::writeSettings()
{
    if (!updateSettingsRead_)
        return;
    std::optional<QString> news;
    if (form4_->showsNews())
        news = form4_->Memo2->toPlainText();
    AppSettings().writeUpdate(form4_->Serverwahl1->currentText(), news);
}

// Once a name has been confirmed, every later use of the dialog marks the skin
// changed, even one that ends with "Abbrechen": the name still has to be saved.
void Shell::editName()
{
    form3_->exec();
    if (form3_->nameConfirmed())
        form1_->confirmSkinName(form3_->skinName());
}

// The list is read afresh each time: another copy of the program may have added to it.
void Shell::rememberSkin(const QString &path)
{
    form1_->showRecentSkins(recentWriter_->opened(path));
}

void Shell::forgetSkin(const QString &path)
{
    recentWriter_->flush();
    AppSettings settings;
    QStringList recent = settings.recentSkins();
    recent.removeAll(path);
    settings.writeRecentSkins(recent);
    form1_->showRecentSkins(recent);
}
