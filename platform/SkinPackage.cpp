#include "platform/SkinPackage.h"

#include "ini/FileBytes.h"
#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/FileWrites.h"
#include "platform/PictureLoader.h"
#include "skin/SkinCheck.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <filesystem>
#include <optional>
#include <zip.h>

namespace {

PackageResult failure(const QString &error)
{
    return {error, {}};
}

// The bitmap names of the skin, each once, in the order of the file; "\\" becomes "/",
// as inside a ZIP.
QStringList bitmapNames(const LoadedSkin &skin)
{
    QStringList names;
    const SkinLines lines(skin.document.openedText.lines());
    for (const BitmapUse &use : bitmapUses(skin.document, lines)) {
        const QString name =
            QString::fromStdString(use.name).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!names.contains(name))
            names << name;
    }
    return names;
}

bool isInside(const QString &path, const QString &folder)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    constexpr Qt::CaseSensitivity fileCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity fileCase = Qt::CaseSensitive;
#endif
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(prefix, fileCase) && path.size() > prefix.size();
}

// What goes into the package: the skin and each file it names, every file once, under
// the name it has in the folder, so that the unpack (which refuses names that differ only
// in case) takes back whatever the pack wrote.
class PackingList {
public:
    explicit PackingList(const QString &skinPath)
        : folder_(QDir::cleanPath(QFileInfo(skinPath).absolutePath())),
          realFolder_(QFileInfo(folder_).canonicalFilePath())
    {}

    std::optional<QString> addSkin(const QString &skinPath, const QByteArray &text)
    {
        inputs_ << QFileInfo(skinPath).absoluteFilePath();
        return add(QFileInfo(skinPath).fileName(), text, QFileInfo(skinPath).fileName());
    }

    std::optional<QString> addBitmap(const QString &name);

    // A package written over one of its own files would destroy what it packs.
    std::optional<QString> refuseAsTarget(const QString &zipPath) const
    {
        std::error_code error;
        const std::filesystem::path target = pathFromUtf8(zipPath.toStdString());
        if (!std::filesystem::exists(target, error))
            return std::nullopt;
        for (const QString &input : inputs_) {
            if (std::filesystem::equivalent(target, pathFromUtf8(input.toStdString()), error))
                return QCoreApplication::translate(
                           "SkinPackage",
                           "Die Datei %1 gehört selbst zum Skin; das Paket kann nicht an ihre "
                           "Stelle treten.")
                    .arg(shownName(QDir::toNativeSeparators(zipPath)));
        }
        return std::nullopt;
    }

    const QList<QPair<QString, QByteArray>> &entries() const { return entries_; }

private:
    std::optional<QString> add(const QString &entry, const QByteArray &bytes, const QString &name);
    std::optional<QString> addFoldersPassedThrough(const QString &relative, const QString &name);
    std::optional<QString> read(const QString &name, const QString &path, QByteArray &bytes);
    // The folder as the start of the paths in it.
    QString base() const
    {
        return folder_.endsWith(QLatin1Char('/')) ? folder_ : folder_ + QLatin1Char('/');
    }

    QString folder_;
    QString realFolder_;
    QStringList inputs_;
    QList<QPair<QString, QByteArray>> entries_;
    QHash<QString, QPair<QString, QString>> byFoldedEntry_; // entry, the name behind it
    qint64 total_ = 0;
};

std::optional<QString> PackingList::addBitmap(const QString &name)
{
    const QString shown = shownName(name);
    const QString cleanedName = QDir::cleanPath(name);
    if (QDir::isAbsolutePath(name) || name.contains(QLatin1Char(':')) ||
        cleanedName == QLatin1String("..") || cleanedName.startsWith(QLatin1String("../")))
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Das Skin nennt die Bitmap %1 mit einem Pfad außerhalb seines Ordners; so "
                   "lässt sie sich nicht weitergeben.")
            .arg(shown);
    if (!fitsFileSystems(spelledPicturePath(name, folder_)))
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Der Name der Bitmap %1 ist länger, als Dateisysteme erlauben; so lässt sie "
                   "sich nicht weitergeben.")
            .arg(shown);
    const QString path = resolvePicturePath(name, folder_);
    if (!QFileInfo::exists(path))
        return QCoreApplication::translate(
                   "SkinPackage", "Die Bitmap %1 fehlt; das Skin lässt sich so nicht weitergeben.")
            .arg(shown);
    const QString real = QFileInfo(path).canonicalFilePath();
    if (!isInside(real, realFolder_))
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Die Bitmap %1 verweist auf eine Datei außerhalb des Skin-Ordners; so lässt "
                   "sie sich nicht weitergeben.")
            .arg(shown);
    QByteArray bytes;
    if (const std::optional<QString> refused = read(name, path, bytes))
        return refused;
    inputs_ << real;
    // Inside the package there are no links: the name as it lies in the folder, taken
    // apart by the letter, leads to the same file after the unpack.
    const QString cleaned = QDir::cleanPath(path);
    if (!isInside(cleaned, folder_))
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Das Skin nennt die Bitmap %1 mit einem Pfad außerhalb seines Ordners; so "
                   "lässt sie sich nicht weitergeben.")
            .arg(shown);
    if (const std::optional<QString> refused =
            addFoldersPassedThrough(path.mid(base().size()), name))
        return refused;
    return add(cleaned.mid(base().size()), bytes, name);
}

std::optional<QString> PackingList::read(const QString &name, const QString &path,
                                         QByteArray &bytes)
{
    const FileRead read = readWholeFile(path, maxPackageBytes);
    if (!read.ok()) {
        const QString reason = readFailureReason(read.failure, maxPackageBytes);
        if (reason.isEmpty())
            return QCoreApplication::translate(
                       "SkinPackage",
                       "Die Bitmap %1 lässt sich nicht lesen; das Skin lässt sich so nicht "
                       "weitergeben.")
                .arg(shownName(name));
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Die Bitmap %1 lässt sich nicht lesen (%2); das Skin lässt sich so nicht "
                   "weitergeben.")
            .arg(shownName(name), reason);
    }
    bytes = read.bytes;
    return std::nullopt;
}

// "sub/../x.bmp" finds its file only where the folder "sub" exists, also after the
// unpack, even when nothing else of the package lies in it.
std::optional<QString> PackingList::addFoldersPassedThrough(const QString &relative,
                                                            const QString &name)
{
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString through;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        through += parts[i] + QLatin1Char('/');
        if (parts[i + 1] != QLatin1String(".."))
            continue;
        const QString folder = QDir::cleanPath(through);
        if (folder != QLatin1String(".") && !folder.startsWith(QLatin1String("..")))
            if (const std::optional<QString> refused = add(folder + QLatin1Char('/'), {}, name))
                return refused;
    }
    return std::nullopt;
}

std::optional<QString> PackingList::add(const QString &entry, const QByteArray &bytes,
                                        const QString &name)
{
    const QString folded = entry.toCaseFolded();
    const auto known = byFoldedEntry_.constFind(folded);
    if (known != byFoldedEntry_.constEnd()) {
        if (known->first == entry)
            return std::nullopt;
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Das Skin nennt die Dateien %1 und %2, die sich nur in Groß- und "
                   "Kleinschreibung unterscheiden; wo sie nicht zählt, wären sie eine Datei.")
            .arg(shownName(known->second), shownName(name));
    }
    total_ += bytes.size();
    if (total_ > maxPackageBytes)
        return QCoreApplication::translate(
                   "SkinPackage",
                   "Das Skin ist mit seinen Bitmaps größer als %1 MiB; so große Pakete nimmt "
                   "Velmor nicht an.")
            .arg(maxPackageBytes >> 20);
    byFoldedEntry_.insert(folded, {entry, name});
    entries_.append({entry, bytes});
    return std::nullopt;
}

bool addEntry(zip_t *archive, const QString &name, const QByteArray &bytes)
{
    if (name.endsWith(QLatin1Char('/')))
        return zip_dir_add(archive, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8) >= 0;
    zip_source_t *source =
        zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
    if (!source)
        return false;
    if (zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

// The archive is made in memory and written once, so the file is whole or untouched.
std::optional<QByteArray> zipped(const QList<QPair<QString, QByteArray>> &entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        return std::nullopt;
    zip_source_keep(buffer);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) {
        // The archive did not take its reference: both are still ours.
        zip_source_free(buffer);
        zip_source_free(buffer);
        return std::nullopt;
    }
    bool added = true;
    for (const auto &[name, bytes] : entries)
        added = added && addEntry(archive, name, bytes);
    if (!added || zip_close(archive) < 0) {
        zip_discard(archive);
        zip_source_free(buffer);
        return std::nullopt;
    }
    QByteArray result;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        result.resize(static_cast<qsizetype>(stat.size));
        const zip_int64_t read = zip_source_read(buffer, result.data(), stat.size);
        zip_source_close(buffer);
        if (read != static_cast<zip_int64_t>(stat.size))
            result.clear();
    }
    zip_source_free(buffer);
    return result.isEmpty() ? std::nullopt : std::optional(result);
}

} // namespace

PackageResult packSkin(const QString &skinPath, const QString &zipPath, bool mayReplace)
{
    if (const QString refused = refusedTarget(zipPath, newFileRules(mayReplace));
        !refused.isEmpty())
        return failure(refused);
    const FileRead text = readWholeFile(skinPath, maxPackageBytes);
    if (!text.ok())
        return failure(readFailureText(text.failure, skinPath, maxPackageBytes));
    const LoadedSkin skin = loadSkin(skinPath.toStdString(), text.bytes.toStdString());
    if (!skin.isSkin())
        return failure(QCoreApplication::translate("SkinPackage", "Die Datei %1 ist kein Skin.")
                           .arg(shownName(QDir::toNativeSeparators(skinPath))));
    PackingList list(skinPath);
    if (const std::optional<QString> refused = list.addSkin(skinPath, text.bytes))
        return failure(*refused);
    for (const QString &name : bitmapNames(skin)) {
        if (const std::optional<QString> refused = list.addBitmap(name))
            return failure(*refused);
    }
    if (const std::optional<QString> refused = list.refuseAsTarget(zipPath))
        return failure(*refused);
    const std::optional<QByteArray> archive = zipped(list.entries());
    if (archive && archive->size() > maxPackageBytes)
        return failure(QCoreApplication::translate(
                           "SkinPackage",
                           "Das Paket würde größer als %1 MiB werden; so große Pakete nimmt "
                           "Velmor nicht an.")
                           .arg(maxPackageBytes >> 20));
    if (!archive)
        return failure(QCoreApplication::translate("SkinPackage",
                                                   "Die Datei %1 konnte nicht gespeichert werden.")
                           .arg(shownName(QDir::toNativeSeparators(zipPath))));
    return failure(writeNewFile(zipPath, *archive, mayReplace));
}
