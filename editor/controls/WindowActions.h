#pragma once

#include "skin/Arrangement.h"

#include <QStringList>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QUndoStack;

// The one command list of the main window; menu bar and tool bar show the same
// actions, so an enabled state shows in both.
struct WindowActions {
    // The grid's step until the settings give another.
    static constexpr int defaultGridStep = 8;

    QAction *fileNew = nullptr;
    QAction *newFromTemplate = nullptr;
    QAction *open = nullptr;
    QAction *openPackage = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QAction *compare = nullptr; // the open skin with another skin file
    QAction *exportPackage = nullptr;
    QAction *quit = nullptr;
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    QAction *skinName = nullptr;
    QAction *checkSkin = nullptr;
    QAction *zoomIn = nullptr;
    QAction *zoomOut = nullptr;
    QAction *zoomReset = nullptr;
    QAction *zoomFit = nullptr;
    QAction *pixelGrid = nullptr;       // checkable, on from the start
    QAction *selectAll = nullptr;       // every element shown on the current page
    QAction *snapToElements = nullptr;  // checkable, on from the start
    QAction *snapToGrid = nullptr;      // checkable, off; its data is the grid's step
    QAction *statePreview = nullptr;    // checkable: the pages behave as the player's
    QAction *previewDisabled = nullptr; // checkable: four-state elements show disabled
    // AlignLeft ... SameHeight, in the order of allArrangements.
    std::array<QAction *, allArrangements.size()> arrange{};
    QAction *checkForUpdates = nullptr;
    QAction *about = nullptr;
    QMenu *recentSkins = nullptr;  // "&Zuletzt geöffnet", below "Ö&ffnen..."
    QMenu *languageMenu = nullptr; // "&Sprache / Language" in "I&nfo", one entry a language
    QAction *german = nullptr;
    QAction *english = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *viewMenu = nullptr;    // "&Ansicht"
    QMenu *arrangeMenu = nullptr; // "An&ordnen"
    QMenu *infoMenu = nullptr;
    QAction *skinNameButton = nullptr; // the tool bar's "S&kinname"

    // Creates the actions with their start states and fills the menu and tool bars.
    static WindowActions create(QMainWindow &window);

    QAction *arrangeAction(Arrangement arrangement) const
    {
        return arrange[static_cast<std::size_t>(arrangement)];
    }

    // Undo and redo act on the history, are enabled while it has a step to take and
    // name that step in their captions.
    void followHistory(QUndoStack &history) const;

    // Lists the skins, newest first, as "&1 name" with the folder as tooltip; each
    // action holds its path as data. An empty list shows one disabled "(leer)".
    void showRecentSkins(const QStringList &paths) const;

    // Sets every caption and tooltip again in the language now installed; the undo and
    // redo captions name the history's next steps.
    void retranslate(const QUndoStack &history) const;

private:
    void showMenuTexts() const;
};
