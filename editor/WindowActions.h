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

    QAction *DateiNeu = nullptr;
    QAction *FileNewFromTemplate = nullptr;
    QAction *FileOpen1 = nullptr;
    QAction *FileOpenPackage = nullptr;
    QAction *FileSave1 = nullptr;
    QAction *FileSaveAs1 = nullptr;
    QAction *FileCompare = nullptr; // the open skin with another skin file
    QAction *FileExportZip = nullptr;
    QAction *FileExit1 = nullptr;
    QAction *EditUndo = nullptr;
    QAction *EditRedo = nullptr;
    QAction *EditName = nullptr;
    QAction *SkinCheck = nullptr;
    QAction *ViewZoomIn = nullptr;
    QAction *ViewZoomOut = nullptr;
    QAction *ViewZoomReset = nullptr;
    QAction *ViewZoomFit = nullptr;
    QAction *ViewPixelGrid = nullptr;   // checkable, on from the start
    QAction *EditSelectAll = nullptr;   // every element shown on the current page
    QAction *SnapToElements = nullptr;  // checkable, on from the start
    QAction *SnapToGrid = nullptr;      // checkable, off; its data is the grid's step
    QAction *StatePreview = nullptr;    // checkable: the pages behave as the player's
    QAction *PreviewDisabled = nullptr; // checkable: four-state elements show disabled
    // AlignLeft ... SameHeight, in the order of allArrangements.
    std::array<QAction *, allArrangements.size()> arrange{};
    QAction *Update = nullptr;
    QAction *Info = nullptr;
    QMenu *RecentSkins = nullptr; // "&Zuletzt geöffnet", below "Ö&ffnen..."
    QMenu *Language = nullptr;    // "&Sprache / Language" in "I&nfo", one entry a language
    QAction *LanguageGerman = nullptr;
    QAction *LanguageEnglish = nullptr;
    QMenu *FileMenu = nullptr;
    QMenu *EditMenu = nullptr;
    QMenu *ViewMenu = nullptr;    // "&Ansicht"
    QMenu *ArrangeMenu = nullptr; // "An&ordnen"
    QMenu *InfoMenu = nullptr;
    QAction *EditNameButton = nullptr; // the tool bar's "S&kinname"

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
