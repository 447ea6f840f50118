#include "editor/controls/WindowActions.h"

#include "editor/document/ArrangementNames.h"
#include "platform/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>

namespace {

struct CommandTraits {
    QAction *WindowActions::*action;
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *hint; // short text "|" long text; the short one is the tooltip
    QStyle::StandardPixmap glyph;
    bool enabled;
};

constexpr auto noGlyph = QStyle::SP_CustomBase;

// Captions and hints are translated where they are shown, so that a change of language
// sets them anew from this one table.
const CommandTraits commandTraits[] = {
    {&WindowActions::fileNew, "DateiNeu", QT_TRANSLATE_NOOP("WindowActions", "&Neu"), "Ctrl+N", "",
     QStyle::SP_FileIcon, false},
    {&WindowActions::newFromTemplate, "FileNewFromTemplate",
     QT_TRANSLATE_NOOP("WindowActions", "Neu aus &Vorlage..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Neu aus Vorlage|Ein neues Skin aus einem Demo-Skin anlegen"),
     noGlyph, true},
    {&WindowActions::open, "FileOpen1", QT_TRANSLATE_NOOP("WindowActions", "Ö&ffnen..."), "Ctrl+O",
     QT_TRANSLATE_NOOP("WindowActions", "Öffnen|Vorhandene Datei öffnen"),
     QStyle::SP_DialogOpenButton, true},
    {&WindowActions::save, "FileSave1", QT_TRANSLATE_NOOP("WindowActions", "&Speichern"), "Ctrl+S",
     "", QStyle::SP_DialogSaveButton, false},
    {&WindowActions::saveAs, "FileSaveAs1",
     QT_TRANSLATE_NOOP("WindowActions", "Speichern &unter..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Speichern unter|Aktive Datei unter einem neuen Namen speichern"),
     noGlyph, false},
    {&WindowActions::compare, "FileCompare",
     QT_TRANSLATE_NOOP("WindowActions", "Ver&gleichen mit..."), "",
     QT_TRANSLATE_NOOP("WindowActions", "Vergleichen mit|Zeigen, worin sich das Skin von einer "
                                        "anderen Skin-Datei unterscheidet"),
     noGlyph, false},
    {&WindowActions::openPackage, "FileOpenPackage",
     QT_TRANSLATE_NOOP("WindowActions", "Skin-&Paket öffnen..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Skin-Paket öffnen|Ein Skin aus einer ZIP-Datei entpacken und öffnen"),
     noGlyph, true},
    {&WindowActions::exportPackage, "FileExportZip",
     QT_TRANSLATE_NOOP("WindowActions", "Als ZIP &weitergeben..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Als ZIP weitergeben|Das Skin mit seinen Bitmaps in eine ZIP-Datei packen"),
     noGlyph, false},
    {&WindowActions::quit, "FileExit1", QT_TRANSLATE_NOOP("WindowActions", "&Beenden"), "",
     QT_TRANSLATE_NOOP("WindowActions", "Beenden|Anwendung beenden"), noGlyph, true},
    {&WindowActions::skinName, "EditName", QT_TRANSLATE_NOOP("WindowActions", "&Skinname"),
     "Ctrl+J", "", QStyle::SP_FileDialogDetailedView, false},
    {&WindowActions::undo, "EditUndo", QT_TRANSLATE_NOOP("WindowActions", "&Rückgängig"), "Ctrl+Z",
     "", noGlyph, false},
    {&WindowActions::redo, "EditRedo", QT_TRANSLATE_NOOP("WindowActions", "&Wiederholen"), "Ctrl+Y",
     "", noGlyph, false},
    {&WindowActions::checkSkin, "SkinCheck", QT_TRANSLATE_NOOP("WindowActions", "Skin &prüfen"),
     "F7", QT_TRANSLATE_NOOP("WindowActions", "Skin prüfen|Alle Probleme des Skins auflisten"),
     noGlyph, false},
    {&WindowActions::zoomIn, "ViewZoomIn", QT_TRANSLATE_NOOP("WindowActions", "Ver&größern"),
     "Ctrl++", QT_TRANSLATE_NOOP("WindowActions", "Vergrößern|Die Seiten größer zeigen"), noGlyph,
     true},
    {&WindowActions::zoomOut, "ViewZoomOut", QT_TRANSLATE_NOOP("WindowActions", "Ver&kleinern"),
     "Ctrl+-", QT_TRANSLATE_NOOP("WindowActions", "Verkleinern|Die Seiten kleiner zeigen"), noGlyph,
     true},
    {&WindowActions::zoomReset, "ViewZoomReset",
     QT_TRANSLATE_NOOP("WindowActions", "&Originalgröße"), "Ctrl+0",
     QT_TRANSLATE_NOOP("WindowActions", "Originalgröße|Die Seiten in 100 % zeigen"), noGlyph, true},
    {&WindowActions::zoomFit, "ViewZoomFit", QT_TRANSLATE_NOOP("WindowActions", "Ganze &Seite"), "",
     QT_TRANSLATE_NOOP("WindowActions", "Ganze Seite|Die ganze Seite ins Fenster einpassen"),
     noGlyph, true},
    {&WindowActions::pixelGrid, "ViewPixelGrid", QT_TRANSLATE_NOOP("WindowActions", "&Pixelraster"),
     "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Pixelraster|Ab 400 % ein Raster zwischen den Pixeln zeigen"),
     noGlyph, true},
    {&WindowActions::selectAll, "EditSelectAll",
     QT_TRANSLATE_NOOP("WindowActions", "&Alles auswählen"), "Ctrl+A",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Alles auswählen|Jedes Element der gezeigten Seite auswählen"),
     noGlyph, false},
    {&WindowActions::snapToElements, "SnapToElements",
     QT_TRANSLATE_NOOP("WindowActions", "An &Elementen einrasten"), "",
     QT_TRANSLATE_NOOP("WindowActions", "An Elementen einrasten|Beim Ziehen an Kanten und Mitten "
                                        "der anderen Elemente einrasten"),
     noGlyph, true},
    {&WindowActions::snapToGrid, "SnapToGrid",
     QT_TRANSLATE_NOOP("WindowActions", "Am &Raster einrasten"), "",
     QT_TRANSLATE_NOOP("WindowActions", "Am Raster einrasten|Beim Ziehen auf das Raster einrasten"),
     noGlyph, true},
    {&WindowActions::statePreview, "StatePreview",
     QT_TRANSLATE_NOOP("WindowActions", "&Zustände vorführen"), "F5",
     QT_TRANSLATE_NOOP("WindowActions", "Zustände vorführen|Die Seiten reagieren auf Maus und "
                                        "Klick wie der Player; nichts lässt sich bearbeiten"),
     noGlyph, false},
    {&WindowActions::previewDisabled, "PreviewDisabled",
     QT_TRANSLATE_NOOP("WindowActions", "&Deaktiviert zeigen"), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Deaktiviert zeigen|Jedes Element mit vier Zuständen deaktiviert zeigen"),
     noGlyph, true},
    {&WindowActions::checkForUpdates, "Update",
     QT_TRANSLATE_NOOP("WindowActions", "&Versions-Update"), "", "", noGlyph, true},
    {&WindowActions::about, "Info", QT_TRANSLATE_NOOP("WindowActions", "Ü&ber Velmor"), "", "",
     noGlyph, true},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("WindowActions", text);
}

QString emptyListText()
{
    return translated(QT_TRANSLATE_NOOP("WindowActions", "(leer)"));
}

void showTexts(QAction *action, const CommandTraits &traits)
{
    action->setText(translated(traits.caption));
    const QString hint = *traits.hint ? translated(traits.hint) : QString();
    action->setToolTip(hint.isEmpty() ? action->text().remove(QLatin1Char('&'))
                                      : hint.section(QLatin1Char('|'), 0, 0));
    action->setStatusTip(hint.section(QLatin1Char('|'), 1));
}

QAction *makeAction(QMainWindow &window, const CommandTraits &traits)
{
    auto *action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(traits.name));
    if (*traits.shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(traits.shortcut)));
    showTexts(action, traits);
    if (traits.glyph != noGlyph)
        action->setIcon(window.style()->standardIcon(traits.glyph));
    action->setEnabled(traits.enabled);
    return action;
}

// A magnifier with the sign of what the command does, on a square of 16 units.
void drawMagnifier(QPainter &painter, char sign)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    painter.setPen(QPen(QColor(40, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setFont(QFont(QStringLiteral("Sans"), 6, QFont::Bold));
    painter.drawText(QRectF(1.5, 1.5, 9, 9), Qt::AlignCenter, QString(QLatin1Char(sign)));
}

// No icon theme is needed. The glyph is drawn anew for each common screen scale, so
// that a scaled screen gets sharp lines instead of the 16-pixel glyph blown up.
QIcon zoomGlyph(char sign)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        QPixmap glyph(QSize(16, 16) * ratio);
        glyph.setDevicePixelRatio(ratio);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        drawMagnifier(painter, sign);
        painter.end();
        icon.addPixmap(glyph);
    }
    return icon;
}

// Each language names itself, so that someone who cannot read the other finds it.
QMenu *makeLanguageMenu(QMenu &info, WindowActions &c)
{
    QMenu *menu = info.addMenu(QStringLiteral("&Sprache / Language"));
    menu->setObjectName(QStringLiteral("Language"));
    auto *group = new QActionGroup(menu);
    c.german = group->addAction(QStringLiteral("&Deutsch"));
    c.german->setObjectName(QStringLiteral("LanguageGerman"));
    c.english = group->addAction(QStringLiteral("&English"));
    c.english->setObjectName(QStringLiteral("LanguageEnglish"));
    for (QAction *entry : group->actions())
        entry->setCheckable(true);
    menu->addActions(group->actions());
    return menu;
}

} // namespace

WindowActions WindowActions::create(QMainWindow &window)
{
    WindowActions c;
    for (const CommandTraits &traits : commandTraits)
        c.*traits.action = makeAction(window, traits);
    c.redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    c.zoomIn->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    // Windows has no quit key of its own, Alt+F4 closes any window; Ctrl+Q is the one
    // the other desktops agree on.
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    c.quit->setShortcuts(quit.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quit);
    for (QAction *toggle :
         {c.pixelGrid, c.snapToElements, c.snapToGrid, c.statePreview, c.previewDisabled})
        toggle->setCheckable(true);
    c.pixelGrid->setChecked(true);
    c.snapToElements->setChecked(true);
    c.snapToGrid->setData(defaultGridStep);
    for (Arrangement arrangement : allArrangements) {
        auto *action = new QAction(&window);
        action->setObjectName(arrangementCommandName(arrangement));
        action->setShortcut(arrangementShortcut(arrangement));
        action->setEnabled(false);
        c.arrange[static_cast<std::size_t>(arrangement)] = action;
    }
    for (auto [action, sign] : {std::pair{c.zoomIn, '+'}, std::pair{c.zoomOut, '-'},
                                std::pair{c.zoomReset, '1'}, std::pair{c.zoomFit, '#'}})
        action->setIcon(zoomGlyph(sign));

    QMenuBar *menus = window.menuBar();
    menus->setFixedHeight(25);
    c.fileMenu = menus->addMenu(QString());
    c.fileMenu->addActions({c.fileNew, c.newFromTemplate, c.open});
    c.recentSkins = c.fileMenu->addMenu(QString());
    c.recentSkins->setObjectName(QStringLiteral("RecentSkins"));
    c.recentSkins->setToolTipsVisible(true);
    c.fileMenu->addActions({c.openPackage, c.save, c.saveAs, c.compare, c.exportPackage, c.quit});
    c.editMenu = menus->addMenu(QString());
    c.editMenu->addActions({c.undo, c.redo});
    c.editMenu->addSeparator();
    c.editMenu->addAction(c.selectAll);
    c.editMenu->addSeparator();
    c.editMenu->addAction(c.skinName);
    c.editMenu->addAction(c.checkSkin);
    c.viewMenu = menus->addMenu(QString());
    c.viewMenu->addActions({c.zoomIn, c.zoomOut, c.zoomReset, c.zoomFit});
    c.viewMenu->addSeparator();
    c.viewMenu->addActions({c.pixelGrid, c.snapToElements, c.snapToGrid});
    c.viewMenu->addSeparator();
    c.viewMenu->addActions({c.statePreview, c.previewDisabled});
    c.viewMenu->addSeparator();
    c.arrangeMenu = menus->addMenu(QString());
    c.arrangeMenu->setObjectName(QStringLiteral("ArrangeMenu"));
    for (Arrangement arrangement : allArrangements) {
        if (arrangement == Arrangement::DistributeHorizontally ||
            arrangement == Arrangement::SameWidth)
            c.arrangeMenu->addSeparator();
        c.arrangeMenu->addAction(c.arrangeAction(arrangement));
    }
    c.infoMenu = menus->addMenu(QString());
    c.infoMenu->addActions({c.checkForUpdates, c.about});
    c.languageMenu = makeLanguageMenu(*c.infoMenu, c);

    auto *tools = new QToolBar(&window);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setFixedHeight(28);
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tools->addActions({c.open, c.save});
    // The tool bar shows the skin-name command under a caption of its own; the
    // button still follows the one command.
    c.skinNameButton = tools->addAction(c.skinName->icon(), QString());
    c.skinNameButton->setObjectName(QStringLiteral("EditNameButton"));
    c.skinNameButton->setEnabled(c.skinName->isEnabled());
    QObject::connect(c.skinName, &QAction::changed, c.skinNameButton,
                     [c] { c.skinNameButton->setEnabled(c.skinName->isEnabled()); });
    QObject::connect(c.skinNameButton, &QAction::triggered, c.skinName, &QAction::trigger);
    tools->addSeparator();
    tools->addActions({c.zoomIn, c.zoomOut, c.zoomReset, c.zoomFit});
    window.addToolBar(Qt::TopToolBarArea, tools);
    c.showMenuTexts();
    c.showRecentSkins({});
    return c;
}

void WindowActions::showMenuTexts() const
{
    fileMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Datei")));
    recentSkins->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Zuletzt geöffnet")));
    editMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Bearbeiten")));
    viewMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Ansicht")));
    arrangeMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "An&ordnen")));
    for (Arrangement arrangement : allArrangements)
        arrangeAction(arrangement)->setText(arrangementCaption(arrangement));
    infoMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "I&nfo")));
    skinNameButton->setText(translated(QT_TRANSLATE_NOOP("WindowActions", "S&kinname")));
    skinNameButton->setToolTip(skinName->toolTip());
    const bool inEnglish = currentLanguage() == ::Language::English;
    english->setChecked(inEnglish);
    german->setChecked(!inEnglish);
}

namespace {

const CommandTraits &traitsOf(const QAction *action)
{
    return *std::find_if(std::begin(commandTraits), std::end(commandTraits),
                         [action](const CommandTraits &traits) {
                             return QLatin1String(traits.name) == action->objectName();
                         });
}

// The caption of undo or redo with the step it would take.
void followStep(QAction *action, const QString &step)
{
    const QString caption = translated(traitsOf(action).caption);
    action->setText(step.isEmpty() ? caption : caption + QStringLiteral(": ") + step);
    action->setToolTip(action->text().remove(QLatin1Char('&')));
}

} // namespace

void WindowActions::followHistory(QUndoStack &history) const
{
    QObject::connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    QObject::connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    QObject::connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(&history, &QUndoStack::undoTextChanged, undo,
                     [action = undo](const QString &step) { followStep(action, step); });
    QObject::connect(&history, &QUndoStack::redoTextChanged, redo,
                     [action = redo](const QString &step) { followStep(action, step); });
}

void WindowActions::showRecentSkins(const QStringList &paths) const
{
    recentSkins->clear();
    if (paths.isEmpty()) {
        recentSkins->addAction(emptyListText())->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QFileInfo file(paths[i]);
        // A name's own "&" would otherwise underline the letter after it.
        QString name = file.fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = recentSkins->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(QDir::toNativeSeparators(file.absolutePath()));
        action->setData(paths[i]);
    }
}

void WindowActions::retranslate(const QUndoStack &history) const
{
    for (const CommandTraits &traits : commandTraits)
        showTexts(this->*traits.action, traits);
    followStep(undo, history.undoText());
    followStep(redo, history.redoText());
    showMenuTexts();
    // The list's own entries are file names; only the empty list's entry is a text.
    const QList<QAction *> entries = recentSkins->actions();
    if (entries.size() == 1 && !entries.front()->data().isValid())
        entries.front()->setText(emptyListText());
}
