#include "editor/files/FileWatch.h"

#include "editor/document/EditorDocument.h"
#include "ini/FileBytes.h"
#include "platform/FileContents.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Programs write a file in several steps, or replace it by renaming; the change is
// taken once it has come to rest.
constexpr int settleDelayMs = 300;

QString fileOf(const std::string &name, const QString &folder)
{
    return QFileInfo(resolvePicturePath(QString::fromStdString(name), folder)).absoluteFilePath();
}

// Only what changed is told to the system, as a watch costs a call each way and a skin
// names some two hundred files: what is no longer wanted is let go, and what is wanted
// and there is taken on.
void watchOnly(QFileSystemWatcher &watcher, const QStringList &watched, const QSet<QString> &wanted,
               bool (*isThere)(const QString &))
{
    QStringList gone;
    for (const QString &path : watched) {
        if (!wanted.contains(path))
            gone << path;
    }
    if (!gone.isEmpty())
        watcher.removePaths(gone);
    const QSet<QString> kept(watched.begin(), watched.end());
    QStringList fresh;
    for (const QString &path : wanted) {
        if (!kept.contains(path) && isThere(path))
            fresh << path;
    }
    if (!fresh.isEmpty())
        watcher.addPaths(fresh);
}

} // namespace

FileWatch::FileWatch(EditorDocument &document, Dialogs &dialogs, Reload reload)
    : document_(document), dialogs_(dialogs), reload_(std::move(reload))
{
    settleSoon_.setSingleShot(true);
    settleSoon_.setInterval(settleDelayMs);
    connect(&settleSoon_, &QTimer::timeout, this, &FileWatch::settle);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileWatch::noteChange);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileWatch::folderChanged);
    // A load sets every path one by one; the files are looked at once it is done.
    rewatchSoon_.setSingleShot(true);
    rewatchSoon_.setInterval(0);
    connect(&rewatchSoon_, &QTimer::timeout, this, &FileWatch::watchSkin);
    const auto rewatch = [this] { rewatchSoon_.start(); };
    connect(&document_, &EditorDocument::statePathChanged, this, rewatch);
    connect(&document_, &EditorDocument::graphicChanged, this, rewatch);
    // A save into the same file names the same bitmaps: the watch on the replaced
    // file is renewed when its change comes in.
    connect(&document_, &EditorDocument::skinTextChanged, this, [this] {
        if (watchedPlace() != watched_)
            rewatchSoon_.start();
    });
}

void FileWatch::watchSkin()
{
    // A call now does what the one coming after a load's signals would do again.
    rewatchSoon_.stop();
    const SkinDocument &skin = document_.skin();
    if (skin.targetVersion.empty())
        return;
    watched_ = watchedPlace();
    const QString folder = QString::fromStdString(skin.skinFolder);
    QStringList files{QFileInfo(QString::fromStdString(skin.skinPath)).absoluteFilePath()};
    for (const std::string &name : skin.graphicPaths)
        files << fileOf(name, folder);
    for (const SkinElement &element : skin.elements) {
        for (const std::string &path : element.statePaths) {
            if (!path.empty())
                files << fileOf(path, {});
        }
    }
    if (files.front() != skinFile_) {
        skinFile_ = files.front();
        changedElsewhere_ = false;
        goneReported_ = false;
    }
    wanted_ = QSet<QString>(files.begin(), files.end());
    watchOnly(watcher_, watcher_.files(), wanted_,
              [](const QString &file) { return QFileInfo::exists(file); });
    watchFolders();
}

// A deleted file is no longer watched; its folder tells when it comes back. Only such a
// folder is watched, and only while the file is away: on Windows a watched folder can
// be neither deleted nor renamed. The watch holds every wanted file that is there and
// lets go of one when it goes, so what it does not hold is away, without a look at
// each of some two hundred files.
void FileWatch::watchFolders()
{
    const QStringList listed = watcher_.files();
    const QSet<QString> watched(listed.begin(), listed.end());
    QSet<QString> folders;
    for (const QString &file : std::as_const(wanted_)) {
        if (!watched.contains(file))
            folders.insert(QFileInfo(file).absolutePath());
    }
    watchOnly(watcher_, watcher_.directories(), folders,
              [](const QString &folder) { return QFileInfo(folder).isDir(); });
}

void FileWatch::folderChanged()
{
    const QStringList listed = watcher_.files();
    const QSet<QString> watched(listed.begin(), listed.end());
    for (const QString &file : std::as_const(wanted_)) {
        if (!watched.contains(file) && QFileInfo::exists(file))
            noteChange(file);
    }
}

QString FileWatch::watchedPlace() const
{
    const SkinDocument &skin = document_.skin();
    return QString::fromStdString(skin.skinPath + '\n' + skin.skinFolder);
}

bool FileWatch::mayOverwrite()
{
    if (!changedElsewhere_)
        return true;
    if (!dialogs_.yesNo(tr("Bestätigung"), tr("Die Datei %1 wurde außerhalb von Velmor geändert. "
                                              "Trotzdem überschreiben?")
                                               .arg(QDir::toNativeSeparators(skinFile_))))
        return false;
    changedElsewhere_ = false;
    return true;
}

void FileWatch::noteChange(const QString &path)
{
    changed_.insert(path);
    settleSoon_.start();
}

void FileWatch::settle()
{
    const QSet<QString> changed = std::exchange(changed_, {});
    for (const QString &path : changed) {
        // A file replaced by renaming is no longer watched; its successor is.
        if (QFileInfo::exists(path) && !watcher_.files().contains(path))
            watcher_.addPath(path);
        if (path == skinFile_)
            skinFileChanged();
        else
            bitmapChanged(path);
    }
    watchFolders();
}

void FileWatch::bitmapChanged(const QString &path)
{
    const SkinDocument &skin = document_.skin();
    const QString folder = QString::fromStdString(skin.skinFolder);
    for (std::size_t g = 0; g < graphicCount; ++g) {
        const std::string name = skin.graphicPaths[g];
        if (fileOf(name, folder) != path)
            continue;
        const LoadedPicture picture = loadPicture(QString::fromStdString(name), folder);
        if (picture.ok())
            document_.outsideChanges().graphicRewritten(static_cast<Graphic>(g), picture.image);
    }
    for (const SkinElement &element : skin.elements) {
        for (StateBitmap state : allStates) {
            const std::string statePath = element.statePath(state);
            if (statePath.empty() || fileOf(statePath, {}) != path)
                continue;
            const LoadedPicture picture = loadPicture(QString::fromStdString(statePath), {});
            if (picture.ok())
                document_.outsideChanges().stateBitmapRewritten(*element.entry, state,
                                                                picture.image);
        }
    }
}

void FileWatch::skinFileChanged()
{
    const std::optional<QByteArray> contents = fileContents(skinFile_);
    if (!contents) {
        if (!goneReported_)
            dialogs_.message(tr("Die Datei %1 gibt es nicht mehr. „Speichern unter...“ sichert "
                                "das Skin an anderer Stelle.")
                                 .arg(QDir::toNativeSeparators(skinFile_)));
        goneReported_ = true;
        return;
    }
    goneReported_ = false;
    // The program's own save, or a version the user already chose not to load.
    const std::string ours = joinLines(document_.skin().openedText.lines());
    if (*contents == QByteArray::fromStdString(ours) || *contents == refusedVersion_)
        return;
    if (dialogs_.yesNo(tr("Bestätigung"),
                       tr("Die Datei %1 wurde außerhalb von Velmor geändert. Neu laden?")
                           .arg(QDir::toNativeSeparators(skinFile_)))) {
        reload_(skinFile_);
        return;
    }
    refusedVersion_ = *contents;
    changedElsewhere_ = true;
}
