#include "platform/FolderBitmaps.h"

#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/PictureLoader.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QDir>

#include <filesystem>
#include <system_error>

namespace {

bool isBitmapName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
}

// The plain files of the folder, sorted by name. Only plain files count: a device or a
// pipe is nothing a package would carry, and a link leads to a file the folder does not
// own. Qt's listing would leave out a name that is no UTF-8, and such a bitmap would
// never be noted.
QStringList plainFilesIn(const QString &folder)
{
    QStringList names;
    std::error_code error;
    std::filesystem::directory_iterator entry(systemPath(folder), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code typeError;
        if (entry->is_regular_file(typeError) && !entry->is_symlink(typeError))
            names << nameOfSystemPath(entry->path().filename());
    }
    names.sort();
    return names;
}

QSet<QString> namedBySkins(const QDir &dir, const QStringList &files)
{
    QSet<QString> named;
    for (const QString &name : files) {
        if (!name.endsWith(QLatin1String(".lkv"), Qt::CaseInsensitive))
            continue;
        const QString path = dir.filePath(name);
        const FileRead contents = readWholeFile(path);
        if (!contents.ok())
            continue;
        const LoadedSkin skin =
            loadSkin(fileNameBytes(path).toStdString(), contents.bytes.toStdString());
        if (skin.isSkin())
            named.unite(
                namedFiles(bitmapUses(skin.document, SkinLines(skin.document.openedText.lines())),
                           fileNameFromBytes(skin.document.skinFolder)));
    }
    return named;
}

QList<FolderBitmaps::Bitmap> unnamedIn(const QDir &dir)
{
    const QStringList files = plainFilesIn(dir.path());
    const QSet<QString> named = namedBySkins(dir, files);
    QList<FolderBitmaps::Bitmap> unnamed;
    for (const QString &name : files) {
        if (!isBitmapName(name))
            continue;
        const QString key = fileKey(dir.filePath(name));
        if (!named.contains(key))
            unnamed.append({name, key});
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
