#pragma once

#include "editor/files/FileWatch.h"
#include "editor/files/PageLoad.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <string_view>

class Dialogs;
class EditorDocument;

// The open skin's files: open, save, save as, a new skin from a template and skin
// packages, with every question and message on the way. It needs no window: how a skin
// is shown is the caller's, the window's loader or the load without a window.
class SkinFiles : public QObject {
    Q_OBJECT

public:
    // Shows the skin at the path as the document; what went wrong went to the dialogs.
    using Show = std::function<LoadOutcome(const QString &path)>;

    SkinFiles(EditorDocument &document, Dialogs &dialogs, Show show);

    // Opens the skin as if it had been chosen in the Open dialog; never asks.
    LoadOutcome load(const QString &path);
    // Opens a skin as the Open command, a recent skin or a drop does: unsaved work is
    // asked about first.
    void openAfterAsking(const QString &path);
    // A recent skin that is gone is said so and taken off the list instead.
    void openRecent(const QString &path);
    // A dropped skin file or skin package (see droppedSkin()).
    void openDropped(const QString &path);
    // Unpacks a skin package into a folder the user chooses and opens the skin in it.
    void openPackage(const QString &zipPath);
    // Copies the template of the player version into a new skin at the path, its
    // bitmaps beside it, and opens it; false (after saying why) when that failed.
    bool createFromTemplate(std::string_view version, const QString &path);
    void setTemplateFolder(const QString &folder) { templateFolder_ = folder; }
    // Asks the close prompt's question while there is unsaved work and saves on "Ja";
    // false on "Abbrechen" or when that save failed, so nothing may replace the skin.
    bool keepWork();

    // The file commands, each with its dialogs.
    void explainNew();
    void openSkin();
    void newFromTemplate();
    void choosePackage();
    void exportPackage();
    // Save does nothing while it is disabled: nothing has changed since the last save.
    void save();
    void saveAs();

    FileWatch &watch() { return watch_; }

signals:
    // A skin opened whole, by whatever way.
    void skinOpened(const QString &path);
    // A recent skin that no longer exists was chosen.
    void recentSkinGone(const QString &path);
    // The load stopped at a bitmap; the error box named only the first that failed.
    void stoppedAtPicture(const QString &path);

private:
    // Saves into the skin path; into another folder than the skin's every bitmap comes
    // along, else those chosen from elsewhere.
    bool write();
    bool failed(const QString &text);

    EditorDocument &document_;
    Dialogs &dialogs_;
    Show show_;
    FileWatch watch_;
    QString templateFolder_;
};

// The first skin or skin package among the dropped files; "" when there is none.
QString droppedSkin(const QList<QUrl> &urls);
