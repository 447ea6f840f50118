#include "platform/BitmapRepair.h"

#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/MadeFolders.h"
#include "platform/PictureLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

// Skins are made where "C:" starts a complete path, whatever it means on this system.
bool leadsOut(const QString &name)
{
    const QString slashed = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool hasDrive = slashed.size() >= 2 && slashed.at(1) == QLatin1Char(':');
    return QDir::isAbsolutePath(slashed) || hasDrive ||
           slashed.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

bool isWithin(const QString &path, const QString &root)
{
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path == root || path.startsWith(prefix);
}

// The copy takes the target's name in the folder that holds it, so that folder, or
// the first of its parents that exists, decides: followed through links, it must lie
// in the skin's folder.
bool landsInside(const QString &target, const QString &root)
{
    QString existing = QFileInfo(target).path();
    while (!QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return false;
        existing = parent;
    }
    return isWithin(QFileInfo(existing).canonicalFilePath(), root);
}

// Written beside the target under a name of its own, then renamed over it: what stood
// there (a broken file, a pipe, a link) loses its name whole and is never opened.
bool replaceWhole(const QString &target, const QByteArray &bytes)
{
    QTemporaryFile copy(QFileInfo(target).path() + QStringLiteral("/.velmor-XXXXXX"));
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return false;
    // A temporary file is its owner's alone; a bitmap is as readable as the others.
    copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                        QFile::ReadGroup | QFile::ReadOther);
    copy.close();
    std::error_code failed;
    std::filesystem::rename(QFileInfo(copy.fileName()).filesystemFilePath(),
                            QFileInfo(target).filesystemFilePath(), failed);
    if (failed)
        return false;
    copy.setAutoRemove(false);
    return true;
}

QString writeFailure(const QString &target)
{
    return QCoreApplication::translate(
               "BitmapRepair", "Die Bitmap %1 konnte nicht in den Ordner des Skins geschrieben "
                               "werden. Es wurde nichts ersetzt.")
        .arg(shownName(QDir::toNativeSeparators(target)));
}

} // namespace

BitmapRepair repairTarget(const QString &name, const QString &skinFolder)
{
    BitmapRepair repair;
    if (leadsOut(name)) {
        repair.error = QCoreApplication::translate("BitmapRepair",
                                                   "Das Skin sucht die Bitmap %1 außerhalb seines "
                                                   "Ordners. Velmor ersetzt nur Bitmaps im Ordner "
                                                   "des Skins.")
                           .arg(shownName(name));
        return repair;
    }
    repair.target = resolvePicturePath(name, skinFolder);
    const QString root =
        QFileInfo(skinFolder.isEmpty() ? QStringLiteral(".") : skinFolder).canonicalFilePath();
    if (root.isEmpty())
        repair.error = writeFailure(repair.target);
    else if (!landsInside(repair.target, root))
        repair.error = QCoreApplication::translate(
                           "BitmapRepair", "Die Bitmap %1 läge über eine Verknüpfung außerhalb "
                                           "des Skin-Ordners. Velmor ersetzt nur Bitmaps im "
                                           "Ordner des Skins.")
                           .arg(shownName(name));
    return repair;
}

BitmapRepair repairBitmap(const QString &chosen, const QString &name, const QString &skinFolder)
{
    BitmapRepair repair = repairTarget(name, skinFolder);
    if (!repair.ok())
        return repair;
    const LoadedPicture picture = loadPicture(chosen, {}, PictureUse::Measure);
    if (!picture.ok()) {
        repair.error =
            QCoreApplication::translate("BitmapRepair",
                                        "Die Datei %1 ist keine Bitmap, die Velmor laden kann:\n%2")
                .arg(QDir::toNativeSeparators(chosen), picture.error);
        return repair;
    }
    const FileRead read = readWholeFile(chosen);
    if (!read.ok()) {
        repair.error = readFailureText(read.failure, chosen);
        return repair;
    }
    MadeFolders made;
    if (!made.make(QFileInfo(repair.target).path()) || !replaceWhole(repair.target, read.bytes)) {
        made.removeAll();
        repair.error = writeFailure(repair.target);
    }
    return repair;
}
