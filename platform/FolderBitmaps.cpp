#include "platform/FolderBitmaps.h"

#include "platform/FileContents.h"
#include "platform/PictureLoader.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isBitmapName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
}

// Only plain files count: a device or a pipe is nothing a package would carry, and a
// link leads to a file the folder does not own.
bool isPlainFile(const QFileInfo &entry)
{
    return entry.isFile() && !entry.isSymLink();
}

QSet<QString> namedBySkins(const QDir &dir)
{
    QSet<QString> named;
    for (const QFileInfo &entry : dir.entryInfoList({QStringLiteral("*.lkv")}, QDir::Files)) {
        if (!isPlainFile(entry))
            continue;
        const FileRead contents = readWholeFile(entry.filePath());
        if (!contents.ok())
            continue;
        const LoadedSkin skin =
            loadSkin(entry.filePath().toStdString(), contents.bytes.toStdString());
        if (skin.isSkin())
            named.unite(
                namedFiles(bitmapUses(skin.document, SkinLines(skin.document.openedText.lines())),
                           QString::fromStdString(skin.document.skinFolder)));
    }
    return named;
}

QList<FolderBitmaps::Bitmap> unnamedIn(const QDir &dir)
{
    const QSet<QString> named = namedBySkins(dir);
    QList<FolderBitmaps::Bitmap> unnamed;
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!isBitmapName(entry.fileName()) || !isPlainFile(entry))
            continue;
        const QString key = fileKey(entry.filePath());
        if (!named.contains(key))
            unnamed.append({entry.fileName(), key});
    }
    return unnamed;
}

} // namespace

QString fileKey(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
#ifdef Q_OS_WIN
    return clean.toCaseFolded();
#else
    return clean;
#endif
}

QSet<QString> namedFiles(const std::vector<BitmapUse> &uses, const QString &folder)
{
    QSet<QString> named;
    for (const BitmapUse &use : uses) {
        if (!use.keyMissing)
            named.insert(fileKey(resolvePicturePath(QString::fromStdString(use.name), folder)));
    }
    return named;
}

QList<FolderBitmaps::Bitmap> FolderBitmaps::unnamed(const QString &folder)
{
    const QString path = folder.isEmpty() ? QStringLiteral(".") : QDir::cleanPath(folder);
    std::shared_ptr<Folder> entry;
    {
        std::lock_guard lock(mutex_);
        std::shared_ptr<Folder> &slot = folders_[path];
        if (!slot)
            slot = std::make_shared<Folder>();
        entry = slot;
    }
    // Outside the lock, so that the skins of other folders are read meanwhile.
    std::call_once(entry->read, [&] { entry->unnamed = unnamedIn(QDir(path)); });
    return entry->unnamed;
}
