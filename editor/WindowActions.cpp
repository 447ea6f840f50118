#include "editor/WindowActions.h"

#include "editor/ArrangementNames.h"
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
    {&WindowActions::DateiNeu, "DateiNeu", QT_TRANSLATE_NOOP("WindowActions", "&Neu"), "Ctrl+N", "",
     QStyle::SP_FileIcon, false},
    {&WindowActions::FileNewFromTemplate, "FileNewFromTemplate",
     QT_TRANSLATE_NOOP("WindowActions", "Neu aus &Vorlage..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Neu aus Vorlage|Ein neues Skin aus einem Demo-Skin anlegen"),
     noGlyph, true},
    {&WindowActions::FileOpen1, "FileOpen1", QT_TRANSLATE_NOOP("WindowActions", "Ö&ffnen..."),
     "Ctrl+O", QT_TRANSLATE_NOOP("WindowActions", "Öffnen|Vorhandene Datei öffnen"),
     QStyle::SP_DialogOpenButton, true},
    {&WindowActions::FileSave1, "FileSave1", QT_TRANSLATE_NOOP("WindowActions", "&Speichern"),
     "Ctrl+S", "", QStyle::SP_DialogSaveButton, false},
    {&WindowActions::FileSaveAs1, "FileSaveAs1",
     QT_TRANSLATE_NOOP("WindowActions", "Speichern &unter..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Speichern unter|Aktive Datei unter einem neuen Namen speichern"),
     noGlyph, false},
    {&WindowActions::FileCompare, "FileCompare",
     QT_TRANSLATE_NOOP("WindowActions", "Ver&gleichen mit..."), "",
     QT_TRANSLATE_NOOP("WindowActions", "Vergleichen mit|Zeigen, worin sich das Skin von einer "
                                        "anderen Skin-Datei unterscheidet"),
     noGlyph, false},
    {&WindowActions::FileOpenPackage, "FileOpenPackage",
     QT_TRANSLATE_NOOP("WindowActions", "Skin-&Paket öffnen..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Skin-Paket öffnen|Ein Skin aus einer ZIP-Datei entpacken und öffnen"),
     noGlyph, true},
    {&WindowActions::FileExportZip, "FileExportZip",
     QT_TRANSLATE_NOOP("WindowActions", "Als ZIP &weitergeben..."), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Als ZIP weitergeben|Das Skin mit seinen Bitmaps in eine ZIP-Datei packen"),
     noGlyph, false},
    {&WindowActions::FileExit1, "FileExit1", QT_TRANSLATE_NOOP("WindowActions", "&Beenden"), "",
     QT_TRANSLATE_NOOP("WindowActions", "Beenden|Anwendung beenden"), noGlyph, true},
    {&WindowActions::EditName, "EditName", QT_TRANSLATE_NOOP("WindowActions", "&Skinname"),
     "Ctrl+J", "", QStyle::SP_FileDialogDetailedView, false},
    {&WindowActions::EditUndo, "EditUndo", QT_TRANSLATE_NOOP("WindowActions", "&Rückgängig"),
     "Ctrl+Z", "", noGlyph, false},
    {&WindowActions::EditRedo, "EditRedo", QT_TRANSLATE_NOOP("WindowActions", "&Wiederholen"),
     "Ctrl+Y", "", noGlyph, false},
    {&WindowActions::SkinCheck, "SkinCheck", QT_TRANSLATE_NOOP("WindowActions", "Skin &prüfen"),
     "F7", QT_TRANSLATE_NOOP("WindowActions", "Skin prüfen|Alle Probleme des Skins auflisten"),
     noGlyph, false},
    {&WindowActions::ViewZoomIn, "ViewZoomIn", QT_TRANSLATE_NOOP("WindowActions", "Ver&größern"),
     "Ctrl++", QT_TRANSLATE_NOOP("WindowActions", "Vergrößern|Die Seiten größer zeigen"), noGlyph,
     true},
    {&WindowActions::ViewZoomOut, "ViewZoomOut", QT_TRANSLATE_NOOP("WindowActions", "Ver&kleinern"),
     "Ctrl+-", QT_TRANSLATE_NOOP("WindowActions", "Verkleinern|Die Seiten kleiner zeigen"), noGlyph,
     true},
    {&WindowActions::ViewZoomReset, "ViewZoomReset",
     QT_TRANSLATE_NOOP("WindowActions", "&Originalgröße"), "Ctrl+0",
     QT_TRANSLATE_NOOP("WindowActions", "Originalgröße|Die Seiten in 100 % zeigen"), noGlyph, true},
    {&WindowActions::ViewZoomFit, "ViewZoomFit", QT_TRANSLATE_NOOP("WindowActions", "Ganze &Seite"),
     "", QT_TRANSLATE_NOOP("WindowActions", "Ganze Seite|Die ganze Seite ins Fenster einpassen"),
     noGlyph, true},
    {&WindowActions::ViewPixelGrid, "ViewPixelGrid",
     QT_TRANSLATE_NOOP("WindowActions", "&Pixelraster"), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Pixelraster|Ab 400 % ein Raster zwischen den Pixeln zeigen"),
     noGlyph, true},
    {&WindowActions::EditSelectAll, "EditSelectAll",
     QT_TRANSLATE_NOOP("WindowActions", "&Alles auswählen"), "Ctrl+A",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Alles auswählen|Jedes Element der gezeigten Seite auswählen"),
     noGlyph, false},
    {&WindowActions::SnapToElements, "SnapToElements",
     QT_TRANSLATE_NOOP("WindowActions", "An &Elementen einrasten"), "",
     QT_TRANSLATE_NOOP("WindowActions", "An Elementen einrasten|Beim Ziehen an Kanten und Mitten "
                                        "der anderen Elemente einrasten"),
     noGlyph, true},
    {&WindowActions::SnapToGrid, "SnapToGrid",
     QT_TRANSLATE_NOOP("WindowActions", "Am &Raster einrasten"), "",
     QT_TRANSLATE_NOOP("WindowActions", "Am Raster einrasten|Beim Ziehen auf das Raster einrasten"),
     noGlyph, true},
    {&WindowActions::StatePreview, "StatePreview",
     QT_TRANSLATE_NOOP("WindowActions", "&Zustände vorführen"), "F5",
     QT_TRANSLATE_NOOP("WindowActions", "Zustände vorführen|Die Seiten reagieren auf Maus und "
                                        "Klick wie der Player; nichts lässt sich bearbeiten"),
     noGlyph, false},
    {&WindowActions::PreviewDisabled, "PreviewDisabled",
     QT_TRANSLATE_NOOP("WindowActions", "&Deaktiviert zeigen"), "",
     QT_TRANSLATE_NOOP("WindowActions",
                       "Deaktiviert zeigen|Jedes Element mit vier Zuständen deaktiviert zeigen"),
     noGlyph, true},
    {&WindowActions::Update, "Update", QT_TRANSLATE_NOOP("WindowActions", "&Versions-Update"), "",
     "", noGlyph, true},
    {&WindowActions::Info, "Info", QT_TRANSLATE_NOOP("WindowActions", "Ü&ber Velmor"), "", "",
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
    c.LanguageGerman = group->addAction(QStringLiteral("&Deutsch"));
    c.LanguageGerman->setObjectName(QStringLiteral("LanguageGerman"));
    c.LanguageEnglish = group->addAction(QStringLiteral("&English"));
    c.LanguageEnglish->setObjectName(QStringLiteral("LanguageEnglish"));
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
    c.EditRedo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    c.ViewZoomIn->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    // Windows has no quit key of its own, Alt+F4 closes any window; Ctrl+Q is the one
    // the other desktops agree on.
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    c.FileExit1->setShortcuts(quit.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quit);
    for (QAction *toggle :
         {c.ViewPixelGrid, c.SnapToElements, c.SnapToGrid, c.StatePreview, c.PreviewDisabled})
        toggle->setCheckable(true);
    c.ViewPixelGrid->setChecked(true);
    c.SnapToElements->setChecked(true);
    c.SnapToGrid->setData(defaultGridStep);
    for (Arrangement arrangement : allArrangements) {
        auto *action = new QAction(&window);
        action->setObjectName(arrangementCommandName(arrangement));
        action->setShortcut(arrangementShortcut(arrangement));
        action->setEnabled(false);
        c.arrange[static_cast<std::size_t>(arrangement)] = action;
    }
    for (auto [action, sign] : {std::pair{c.ViewZoomIn, '+'}, std::pair{c.ViewZoomOut, '-'},
                                std::pair{c.ViewZoomReset, '1'}, std::pair{c.ViewZoomFit, '#'}})
        action->setIcon(zoomGlyph(sign));

    QMenuBar *menus = window.menuBar();
    menus->setFixedHeight(25);
    c.FileMenu = menus->addMenu(QString());
    c.FileMenu->addActions({c.DateiNeu, c.FileNewFromTemplate, c.FileOpen1});
    c.RecentSkins = c.FileMenu->addMenu(QString());
    c.RecentSkins->setObjectName(QStringLiteral("RecentSkins"));
    c.RecentSkins->setToolTipsVisible(true);
    c.FileMenu->addActions({c.FileOpenPackage, c.FileSave1, c.FileSaveAs1, c.FileCompare,
                            c.FileExportZip, c.FileExit1});
    c.EditMenu = menus->addMenu(QString());
    c.EditMenu->addActions({c.EditUndo, c.EditRedo});
    c.EditMenu->addSeparator();
    c.EditMenu->addAction(c.EditSelectAll);
    c.EditMenu->addSeparator();
    c.EditMenu->addAction(c.EditName);
    c.EditMenu->addAction(c.SkinCheck);
    c.ViewMenu = menus->addMenu(QString());
    c.ViewMenu->addActions({c.ViewZoomIn, c.ViewZoomOut, c.ViewZoomReset, c.ViewZoomFit});
    c.ViewMenu->addSeparator();
    c.ViewMenu->addActions({c.ViewPixelGrid, c.SnapToElements, c.SnapToGrid});
    c.ViewMenu->addSeparator();
    c.ViewMenu->addActions({c.StatePreview, c.PreviewDisabled});
    c.ViewMenu->addSeparator();
    c.ArrangeMenu = menus->addMenu(QString());
    c.ArrangeMenu->setObjectName(QStringLiteral("ArrangeMenu"));
    for (Arrangement arrangement : allArrangements) {
        if (arrangement == Arrangement::DistributeHorizontally ||
            arrangement == Arrangement::SameWidth)
            c.ArrangeMenu->addSeparator();
        c.ArrangeMenu->addAction(c.arrangeAction(arrangement));
    }
    c.InfoMenu = menus->addMenu(QString());
    c.InfoMenu->addActions({c.Update, c.Info});
    c.Language = makeLanguageMenu(*c.InfoMenu, c);

    auto *tools = new QToolBar(&window);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setFixedHeight(28);
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tools->addActions({c.FileOpen1, c.FileSave1});
    // The tool bar shows the skin-name command under a caption of its own; the
    // button still follows the one command.
    c.EditNameButton = tools->addAction(c.EditName->icon(), QString());
    c.EditNameButton->setObjectName(QStringLiteral("EditNameButton"));
    c.EditNameButton->setEnabled(c.EditName->isEnabled());
    QObject::connect(c.EditName, &QAction::changed, c.EditNameButton,
                     [c] { c.EditNameButton->setEnabled(c.EditName->isEnabled()); });
    QObject::connect(c.EditNameButton, &QAction::triggered, c.EditName, &QAction::trigger);
    tools->addSeparator();
    tools->addActions({c.ViewZoomIn, c.ViewZoomOut, c.ViewZoomReset, c.ViewZoomFit});
    window.addToolBar(Qt::TopToolBarArea, tools);
    c.showMenuTexts();
    c.showRecentSkins({});
    return c;
}

void WindowActions::showMenuTexts() const
{
    FileMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Datei")));
    RecentSkins->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Zuletzt geöffnet")));
    EditMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Bearbeiten")));
    ViewMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "&Ansicht")));
    ArrangeMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "An&ordnen")));
    for (Arrangement arrangement : allArrangements)
        arrangeAction(arrangement)->setText(arrangementCaption(arrangement));
    InfoMenu->setTitle(translated(QT_TRANSLATE_NOOP("WindowActions", "I&nfo")));
    EditNameButton->setText(translated(QT_TRANSLATE_NOOP("WindowActions", "S&kinname")));
    EditNameButton->setToolTip(EditName->toolTip());
    const bool english = currentLanguage() == ::Language::English;
    LanguageEnglish->setChecked(english);
    LanguageGerman->setChecked(!english);
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
    QAction *undo = EditUndo;
    QAction *redo = EditRedo;
    QObject::connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    QObject::connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    QObject::connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(&history, &QUndoStack::undoTextChanged, undo,
                     [undo](const QString &step) { followStep(undo, step); });
    QObject::connect(&history, &QUndoStack::redoTextChanged, redo,
                     [redo](const QString &step) { followStep(redo, step); });
}

void WindowActions::showRecentSkins(const QStringList &paths) const
{
    RecentSkins->clear();
    if (paths.isEmpty()) {
        RecentSkins->addAction(emptyListText())->setEnabled(false);
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

void WindowActions::retranslate(const QUndoStack &history) const
{
    for (const CommandTraits &traits : commandTraits)
        showTexts(this->*traits.action, traits);
    followStep(EditUndo, history.undoText());
    followStep(EditRedo, history.redoText());
    showMenuTexts();
    // The list's own entries are file names; only the empty list's entry is a text.
    const QList<QAction *> entries = RecentSkins->actions();
    if (entries.size() == 1 && !entries.front()->data().isValid())
        entries.front()->setText(emptyListText());
}
