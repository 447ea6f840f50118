#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

class Dialogs;
class EditorDocument;

// Notices when another program changes the open skin's file or one of its bitmaps. A
// bitmap is shown again by itself: the skin still names the same file, so nothing is
// marked changed and no step is made. A changed skin file is reloaded only when the
// user says so; otherwise the next save asks before it overwrites that version.
class FileWatch : public QObject {
    Q_OBJECT

public:
    using Reload = std::function<void(const QString &path)>;

    FileWatch(EditorDocument &document, Dialogs &dialogs, Reload reload);

    // Watches the skin file and every bitmap the document names now. A load or a new
    // bitmap in the document calls it by itself, once the event loop runs again.
    void watchSkin();
    // Before a save: true unless the file was changed elsewhere and the user does not
    // want that version overwritten.
    bool mayOverwrite();
    // Shows the bitmap file (an absolute path) again wherever the skin uses it, now
    // rather than once a change to it has come to rest.
    void bitmapChanged(const QString &path);

private:
    // The skin file and the folder its bitmap names are resolved in.
    QString watchedPlace() const;
    void noteChange(const QString &path);
    // Something in a folder of the skin's files changed: a file of the skin that was
    // gone, and so unwatched, may be there again.
    void folderChanged();
    void watchFolders();
    void settle();
    void skinFileChanged();

    EditorDocument &document_;
    Dialogs &dialogs_;
    Reload reload_;
    QFileSystemWatcher watcher_;
    QTimer settleSoon_;
    QTimer rewatchSoon_;
    QSet<QString> changed_;
    QSet<QString> wanted_; // every file watchSkin() watches, or would once it exists
    QString skinFile_;
    QString watched_;           // watchedPlace() at the last watchSkin()
    QByteArray refusedVersion_; // the other program's text the user chose not to load
    bool changedElsewhere_ = false;
    bool goneReported_ = false;
};
