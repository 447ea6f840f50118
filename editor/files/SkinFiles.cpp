#include "editor/files/SkinFiles.h"

#include "editor/document/EditorDocument.h"
#include "editor/files/BitmapGathering.h"
#include "platform/FileWrites.h"
#include "platform/Platform.h"
#include "platform/SkinPackage.h"
#include "platform/Templates.h"
#include "platform/UnpackedPackage.h"
#include "skin/SkinFormat.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

SkinFiles::SkinFiles(EditorDocument &document, Dialogs &dialogs, Show show)
    : document_(document), dialogs_(dialogs), show_(std::move(show)),
      watch_(document_, dialogs_, [this](const QString &path) { load(path); }),
      templateFolder_(defaultTemplateFolder())
{}

LoadOutcome SkinFiles::load(const QString &path)
{
    const LoadOutcome outcome = show_(path);
    if (outcome == LoadOutcome::PictureFailed)
        emit stoppedAtPicture(path);
    if (outcome == LoadOutcome::Loaded) {
        watch_.watchSkin();
        emit skinOpened(path);
    }
    return outcome;
}

void SkinFiles::openAfterAsking(const QString &path)
{
    if (keepWork())
        load(path);
}

void SkinFiles::openRecent(const QString &path)
{
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        dialogs_.message(tr("Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste genommen.")
                             .arg(QDir::toNativeSeparators(path)));
        emit recentSkinGone(path);
        return;
    }
    openAfterAsking(path);
}

void SkinFiles::openDropped(const QString &path)
{
    if (isPackagePath(path))
        openPackage(path);
    else
        openAfterAsking(path);
}

void SkinFiles::openPackage(const QString &zipPath)
{
    const QFileInfo zip(zipPath);
    const QString folder = dialogs_.chooseFile(Dialogs::FileChoice::UnpackFolder,
                                               zip.absoluteDir().filePath(zip.completeBaseName()));
    if (folder.isEmpty() || !keepWork())
        return;
    const PackageResult unpacked = unpackSkin(zipPath, folder);
    if (!unpacked.ok()) {
        dialogs_.error(unpacked.error);
        return;
    }
    const QString skin = unpacked.skins.size() == 1
                             ? unpacked.skins.front()
                             : dialogs_.chooseItem(tr("Skin-Paket öffnen"),
                                                   tr("Welches Skin des Pakets?"), unpacked.skins);
    if (!skin.isEmpty())
        load(QDir(folder).filePath(skin));
}

// The template is opened and saved under the new name, so that its bitmaps come along
// by the rules of every save into another folder.
bool SkinFiles::createFromTemplate(std::string_view version, const QString &path)
{
    const QString source = templateSkin(templateFolder_, version);
    if (source.isEmpty())
        return failed(tr("Die Vorlage für %1 fehlt.").arg(QLatin1String(version)));
    if (show_(source) != LoadOutcome::Loaded)
        return false;
    document_.setSkinPath(path.toStdString());
    if (!write())
        return false;
    watch_.watchSkin();
    emit skinOpened(path);
    return true;
}

bool SkinFiles::keepWork()
{
    if (!document_.hasUnsavedChanges())
        return true;
    const std::optional<bool> save =
        dialogs_.yesNoCancel(tr("Bestätigung"), tr("Das Skin wurde geändert. Speichern ?"));
    return save && (!*save || write());
}

void SkinFiles::explainNew()
{
    dialogs_.message(tr("Neue Skins lassen sich nicht anlegen. Öffne ein vorhandenes Skin "
                        "und speichere es unter einem neuen Namen."));
}

void SkinFiles::openSkin()
{
    const QString path = dialogs_.askForFile({Dialogs::FileKind::OpenSkin, tr("Skin öffnen"),
                                              QString::fromStdString(document_.skin().skinFolder)});
    if (!path.isEmpty())
        openAfterAsking(path);
}

void SkinFiles::newFromTemplate()
{
    const QString version =
        dialogs_.chooseItem(tr("Neu aus Vorlage"), tr("Für welchen Player ist das neue Skin?"),
                            {QString::fromLatin1(version15), QString::fromLatin1(version14)});
    if (version.isEmpty())
        return;
    const QString path =
        dialogs_.askForFile({Dialogs::FileKind::SaveSkin, tr("Neues Skin speichern unter"),
                             QString::fromStdString(folderOf(document_.skin().skinPath))});
    if (!path.isEmpty() && keepWork())
        createFromTemplate(version.toStdString(), path);
}

void SkinFiles::choosePackage()
{
    const QString zipPath = dialogs_.chooseFile(
        Dialogs::FileChoice::OpenPackage, QString::fromStdString(document_.skin().skinFolder));
    if (!zipPath.isEmpty())
        openPackage(zipPath);
}

// The package holds the skin as it is on disk, so unsaved work is asked about first.
void SkinFiles::exportPackage()
{
    if (!keepWork())
        return;
    const QFileInfo skin(QString::fromStdString(document_.skin().skinPath));
    const QString zipPath = dialogs_.chooseFile(
        Dialogs::FileChoice::SavePackage,
        skin.absoluteDir().filePath(skin.completeBaseName() + QStringLiteral(".zip")));
    if (zipPath.isEmpty())
        return;
    const PackageResult packed = packSkin(skin.absoluteFilePath(), zipPath);
    if (!packed.ok())
        dialogs_.error(packed.error);
}

void SkinFiles::save()
{
    if (document_.isChanged())
        write();
}

// The chosen file is always written, so that a copy exists whenever the user named
// one; into another folder every bitmap of the skin comes along. Should the write
// fail, the chosen file stays the one the next save writes, with all it would have.
void SkinFiles::saveAs()
{
    const QString path =
        dialogs_.askForFile({Dialogs::FileKind::SaveSkin, tr("Skin speichern unter"),
                             QString::fromStdString(folderOf(document_.skin().skinPath))});
    if (path.isEmpty())
        return;
    document_.setSkinPath(path.toStdString());
    write();
}

bool SkinFiles::write()
{
    // A name confirmed before any skin was opened has no skin to go into.
    if (document_.skin().targetVersion.empty())
        return true;
    if (!watch_.mayOverwrite())
        return false;
    const QString skinPath = QString::fromStdString(document_.skin().skinPath);
    const QString folder = QFileInfo(skinPath).absolutePath();
    if (!QFileInfo(folder).isDir())
        return failed(
            writeFailureText(skinPath, std::make_error_code(std::errc::no_such_file_or_directory)));
    const Gathering gathered =
        gatherBitmaps(document_, folder, document_.movesFolder(), [this](const QString &name) {
            return dialogs_.yesNo(
                tr("Bestätigung"),
                tr("Im Skin-Ordner gibt es schon eine Datei %1. Ersetzen?").arg(name));
        });
    if (!gathered.ok)
        return failed(gathered.failure);
    if (!document_.save())
        return failed(writeFailureText(skinPath, document_.lastSaveError()));
    if (!gathered.missing.isEmpty())
        dialogs_.message(tr("Diese Bitmaps gibt es nicht; das Skin nennt sie trotzdem:\n%1")
                             .arg(gathered.missing.join(QLatin1Char('\n'))));
    return true;
}

bool SkinFiles::failed(const QString &text)
{
    dialogs_.error(text);
    return false;
}

// Other files are nothing to open.
QString droppedSkin(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (isPackagePath(path) || path.endsWith(QLatin1String(".lkv"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}
