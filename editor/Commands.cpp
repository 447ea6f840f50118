#include "editor/Commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

namespace {

struct CommandTraits {
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *hint; // short text "|" long text; the short one is the tooltip
    QStyle::StandardPixmap glyph;
    bool enabled;
};

QAction *makeAction(QMainWindow &window, const CommandTraits &traits)
{
    auto *action = new QAction(QString::fromUtf8(traits.caption), &window);
    action->setObjectName(QString::fromLatin1(traits.name));
    if (*traits.shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(traits.shortcut)));
    const QString hint = QString::fromUtf8(traits.hint);
    action->setToolTip(hint.isEmpty() ? action->text().remove(QLatin1Char('&'))
                                      : hint.section(QLatin1Char('|'), 0, 0));
    action->setStatusTip(hint.section(QLatin1Char('|'), 1));
    if (traits.glyph != QStyle::SP_CustomBase)
        action->setIcon(window.style()->standardIcon(traits.glyph));
    action->setEnabled(traits.enabled);
    return action;
}

constexpr auto noGlyph = QStyle::SP_CustomBase;

} // namespace

Commands Commands::create(QMainWindow &window)
{
    Commands c;
    c.DateiNeu = makeAction(window, {"DateiNeu", "&Neu", "Ctrl+N", "", QStyle::SP_FileIcon, false});
    c.FileNewFromTemplate = makeAction(
        window, {"FileNewFromTemplate", "Neu aus &Vorlage...", "",
                 "Neu aus Vorlage|Ein neues Skin aus einem Demo-Skin anlegen", noGlyph, true});
    c.FileOpen1 =
        makeAction(window, {"FileOpen1", "Ö&ffnen...", "Ctrl+O", "Öffnen|Vorhandene Datei öffnen",
                            QStyle::SP_DialogOpenButton, true});
    c.FileSave1 = makeAction(
        window, {"FileSave1", "&Speichern", "Ctrl+S", "", QStyle::SP_DialogSaveButton, false});
    c.FileSaveAs1 = makeAction(window, {"FileSaveAs1", "Speichern &unter...", "",
                                        "Speichern unter|Aktive Datei unter einem neuen Namen "
                                        "speichern",
                                        QStyle::SP_DriveFDIcon, false});
    c.FileOpenPackage = makeAction(window, {"FileOpenPackage", "Skin-&Paket öffnen...", "",
                                            "Skin-Paket öffnen|Ein Skin aus einer ZIP-Datei "
                                            "entpacken und öffnen",
                                            noGlyph, true});
    c.FileExportZip = makeAction(window, {"FileExportZip", "Als ZIP &weitergeben...", "",
                                          "Als ZIP weitergeben|Das Skin mit seinen Bitmaps in "
                                          "eine ZIP-Datei packen",
                                          noGlyph, false});
    c.FileExit1 = makeAction(window, {"FileExit1", "&Beenden", "", "Beenden|Anwendung beenden",
                                      QStyle::SP_DialogCloseButton, true});
    c.EditName = makeAction(
        window, {"EditName", "&Skinname", "Ctrl+J", "", QStyle::SP_FileDialogDetailedView, false});
    c.EditUndo = makeAction(window, {"EditUndo", "&Rückgängig", "Ctrl+Z", "", noGlyph, false});
    c.EditRedo = makeAction(window, {"EditRedo", "&Wiederholen", "Ctrl+Y", "", noGlyph, false});
    c.EditRedo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    c.SkinCheck =
        makeAction(window, {"SkinCheck", "Skin &prüfen", "F7",
                            "Skin prüfen|Alle Probleme des Skins auflisten", noGlyph, false});
    c.Update = makeAction(window, {"Update", "Versions-Update", "", "", noGlyph, true});
    c.Info = makeAction(window, {"Info", "Über Velmor", "", "", noGlyph, true});

    QMenuBar *menus = window.menuBar();
    menus->setFixedHeight(25);
    QMenu *file = menus->addMenu(QStringLiteral("&Datei"));
    file->addActions({c.DateiNeu, c.FileNewFromTemplate, c.FileOpen1});
    c.RecentSkins = file->addMenu(QStringLiteral("Zuletzt geöffnet"));
    c.RecentSkins->setObjectName(QStringLiteral("RecentSkins"));
    c.RecentSkins->setToolTipsVisible(true);
    c.showRecentSkins({});
    file->addActions({c.FileOpenPackage, c.FileSave1, c.FileSaveAs1, c.FileExportZip, c.FileExit1});
    QMenu *edit = menus->addMenu(QStringLiteral("&Bearbeiten"));
    edit->addActions({c.EditUndo, c.EditRedo});
    edit->addSeparator();
    edit->addAction(c.EditName);
    edit->addAction(c.SkinCheck);
    menus->addMenu(QStringLiteral("I&nfo"))->addActions({c.Update, c.Info});

    auto *tools = new QToolBar(&window);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setFixedHeight(28);
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tools->addActions({c.FileOpen1, c.FileSave1});
    // The tool bar shows the skin-name command under a caption of its own; the
    // button still follows the one command.
    QAction *nameButton = tools->addAction(c.EditName->icon(), QStringLiteral("S&kinname"));
    nameButton->setObjectName(QStringLiteral("EditNameButton"));
    nameButton->setToolTip(c.EditName->toolTip());
    nameButton->setEnabled(c.EditName->isEnabled());
    QObject::connect(c.EditName, &QAction::changed, nameButton,
                     [c, nameButton] { nameButton->setEnabled(c.EditName->isEnabled()); });
    QObject::connect(nameButton, &QAction::triggered, c.EditName, &QAction::trigger);
    window.addToolBar(Qt::TopToolBarArea, tools);
    return c;
}

namespace {

void followStep(QAction *action, const QString &caption, const QString &step)
{
    action->setText(step.isEmpty() ? caption : caption + QStringLiteral(": ") + step);
    action->setToolTip(action->text().remove(QLatin1Char('&')));
}

} // namespace

void Commands::followHistory(QUndoStack &history) const
{
    QAction *undo = EditUndo;
    QAction *redo = EditRedo;
    QObject::connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    QObject::connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    QObject::connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(&history, &QUndoStack::undoTextChanged, undo, [undo](const QString &step) {
        followStep(undo, QStringLiteral("&Rückgängig"), step);
    });
    QObject::connect(&history, &QUndoStack::redoTextChanged, redo, [redo](const QString &step) {
        followStep(redo, QStringLiteral("&Wiederholen"), step);
    });
}

void Commands::showRecentSkins(const QStringList &paths) const
{
    RecentSkins->clear();
    if (paths.isEmpty()) {
        RecentSkins->addAction(QStringLiteral("(leer)"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QFileInfo file(paths[i]);
        // A name's own "&" would otherwise underline the letter after it.
        QString name = file.fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = RecentSkins->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(QDir::toNativeSeparators(file.absolutePath()));
        action->setData(paths[i]);
    }
}
