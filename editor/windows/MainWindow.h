#pragma once

#include "editor/controls/EditingPanel.h"
#include "editor/controls/ElementOutline.h"
#include "editor/controls/GeometryFields.h"
#include "editor/controls/PageZoom.h"
#include "editor/controls/SkinPages.h"
#include "editor/controls/StatePreviews.h"
#include "editor/controls/StatusReadout.h"
#include "editor/controls/WindowActions.h"
#include "editor/controls/Workspace.h"
#include "editor/document/EditorDocument.h"
#include "editor/document/Selection.h"
#include "editor/files/FileWatch.h"
#include "editor/interaction/Arranging.h"
#include "editor/interaction/DragSnapping.h"
#include "editor/interaction/ElementMenu.h"
#include "editor/interaction/GraphicEditing.h"
#include "editor/interaction/KeyboardEditing.h"
#include "editor/interaction/LivePreview.h"
#include "editor/interaction/PageNavigation.h"
#include "editor/interaction/PictureDrops.h"
#include "editor/interaction/ViewDragging.h"
#include "editor/scene/PageScenes.h"
#include "editor/windows/SkinCheckReport.h"
#include "editor/windows/SkinComparisonWindow.h"
#include "editor/windows/SkinLoader.h"

#include <QMainWindow>

#include <memory>

class ClientArea;
class Dialogs;
class StartPanel;

// The editor's main window: the mock-up of the player's pages, the editing controls
// above it and the commands. It shows the editor document and hands the user's
// work to it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(std::shared_ptr<Dialogs> dialogs, QWidget *parent = nullptr);

    // Opens the skin as if it had been chosen in the Open dialog.
    LoadOutcome load(const QString &path);

    EditorDocument &editorDocument() { return document_; }
    const SkinDocument &document() const { return document_.skin(); }
    const Selection &selection() const { return document_.selection(); }
    const WindowActions &commands() const { return commands_; }
    const SkinPages &pages() const { return pages_; }
    const PageScenes &scenes() const { return scenes_; }
    PageZoom &zoom() { return zoom_; }
    const StatusReadout &status() const { return status_; }
    const EditingPanel &panel() const { return panel_; }
    SkinCheckReport &checkReport() { return report_; }
    SkinComparisonWindow &comparison() { return comparison_; }
    ElementOutline &outline() { return *outline_; }
    ElementMenu &elementMenu() { return menu_; }
    Arranging &arranging() { return arranging_; }

    // The name goes into line 1 of the skin at the next save, which it makes due.
    void confirmSkinName(const QString &name);

    // Opens a skin as the Open command, a recent skin or a drop does: unsaved work is
    // asked about first.
    void openAfterAsking(const QString &path);
    void showRecentSkins(const QStringList &paths) const;

    // Copies the template of the player version into a new skin at the path, its
    // bitmaps beside it, and opens it; false (after saying why) when that failed.
    bool createFromTemplate(std::string_view version, const QString &path);
    // Unpacks a skin package into a folder the user chooses and opens the skin in it.
    void openPackage(const QString &zipPath);
    void setTemplateFolder(const QString &folder) { templateFolder_ = folder; }

signals:
    // The window closes for good, after the question about unsaved changes; not sent
    // when the user cancelled the close.
    void closing();
    // A skin opened whole, by whatever way.
    void skinOpened(const QString &path);
    // A recent skin that no longer exists was chosen.
    void recentSkinGone(const QString &path);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void retranslate();
    // Every way a skin is opened: its bitmaps' failures are reported anew.
    LoadOutcome open(const QString &path);
    void openSkin();
    void openRecent(const QString &path);
    void newFromTemplate();
    void choosePackage();
    void exportZip();
    // Asks the close prompt's question while there is unsaved work and saves on "Ja";
    // false on "Abbrechen" or when that save failed, so nothing may replace the skin.
    bool keepWork();
    // Save does nothing while it is disabled: nothing has changed since the last save.
    void save();
    void saveAs();
    // Saves into the skin path; into another folder than the skin's every bitmap comes
    // along, else those chosen from elsewhere.
    bool write();
    // Shows the page where the problem lies and selects what it concerns.
    void reveal(const SkinProblem &problem);
    void reveal(const SkinDifference &difference);
    void compareWithOther();

    std::shared_ptr<Dialogs> dialogs_;
    EditorDocument document_;
    PageScenes scenes_;
    WindowActions commands_;
    ClientArea &client_;
    EditingPanel panel_;
    SkinPages pages_;
    PageZoom zoom_;
    StatusReadout status_;
    Workspace workspace_;
    SkinLoader loader_;
    GeometryFields fields_;
    StatePreviews previews_;
    DragSnapping snapping_;
    ViewDragging dragging_;
    GraphicEditing graphics_;
    KeyboardEditing keyboard_;
    PictureDrops drops_;
    FileWatch watch_;
    SkinCheckReport report_;
    SkinComparisonWindow comparison_;
    Arranging arranging_;
    ElementMenu menu_;
    LivePreview livePreview_;
    PageNavigation navigation_; // after the preview: Space pans also while it runs
    StartPanel *startPanel_;
    ElementOutline *outline_;
    QString templateFolder_;
};
