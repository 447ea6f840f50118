#include "platform/SkinPackage.h"

#include "platform/FileContents.h"
#include "platform/PictureLoader.h"
#include "skin/SkinCheck.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <memory>
#include <zip.h>

namespace {

struct ZipCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

struct FileCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

PackageResult failure(const QString &error)
{
    return {error, {}};
}

// The bitmap names of the skin, each once, in the order of the file; "\" becomes "/",
// as inside a ZIP.
QStringList bitmapNames(const LoadedSkin &skin)
{
    QStringList names;
    const SkinLines lines(skin.document.openedText.lines());
    for (const BitmapUse &use : bitmapUses(skin.document, lines)) {
        const QString name =
            QString::fromStdString(use.name).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!names.contains(name, Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

bool addEntry(zip_t *archive, const QString &name, const QByteArray &bytes)
{
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

PackageResult packSkin(const QString &skinPath, const QString &zipPath)
{
    const std::optional<QByteArray> text = fileContents(skinPath, maxPackageBytes);
    if (!text)
        return failure(
            QCoreApplication::translate("SkinPackage", "Die Datei %1 kann nicht gelesen werden.")
                .arg(QDir::toNativeSeparators(skinPath)));
    const LoadedSkin skin = loadSkin(skinPath.toStdString(), text->toStdString());
    if (!skin.isSkin())
        return failure(QCoreApplication::translate("SkinPackage", "Die Datei %1 ist kein Skin.")
                           .arg(QDir::toNativeSeparators(skinPath)));
    const QString folder = QFileInfo(skinPath).absolutePath();
    QList<QPair<QString, QByteArray>> entries{{QFileInfo(skinPath).fileName(), *text}};
    for (const QString &name : bitmapNames(skin)) {
        if (QDir::isAbsolutePath(name) || name.contains(QLatin1Char(':')) ||
            QDir::cleanPath(name).startsWith(QLatin1String("..")))
            return failure(
                QCoreApplication::translate("SkinPackage",
                                            "Das Skin nennt die Bitmap %1 mit einem Pfad außerhalb "
                                            "seines Ordners; so lässt sie sich nicht weitergeben.")
                    .arg(name));
        const std::optional<QByteArray> bytes =
            fileContents(resolvePicturePath(name, folder), maxPackageBytes);
        if (!bytes)
            return failure(QCoreApplication::translate(
                               "SkinPackage", "Die Bitmap %1 fehlt; das Skin lässt sich so nicht "
                                              "weitergeben.")
                               .arg(name));
        entries.append({QDir::cleanPath(name), *bytes});
    }
    const std::optional<QByteArray> archive = zipped(entries);
    QSaveFile file(zipPath);
    if (!archive || !file.open(QIODevice::WriteOnly) || file.write(*archive) != archive->size() ||
        !file.commit())
        return failure(QCoreApplication::translate("SkinPackage",
                                                   "Die Datei %1 konnte nicht gespeichert werden.")
                           .arg(QDir::toNativeSeparators(zipPath)));
    return {};
}

namespace {

// An entry's name is taken only when it stays inside the folder it is unpacked into.
bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        // Only a folder's entry ends in "/", which leaves an empty last part.
        if (part == QLatin1String("..") || part == QLatin1String(".") ||
            (part.isEmpty() && i + 1 != parts.size()))
            return false;
    }
    return true;
}

bool isLink(zip_t *archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) < 0)
        return true;
    constexpr zip_uint32_t typeMask = 0170000;
    constexpr zip_uint32_t link = 0120000;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & typeMask) == link;
}

struct Entry {
    zip_uint64_t index;
    QString name;
};

// Every entry judged before anything is written.
std::optional<QString> judge(zip_t *archive, QList<Entry> &entries)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > maxPackageEntries)
        return QCoreApplication::translate("SkinPackage", "Das Paket hat mehr als %1 Einträge.")
            .arg(maxPackageEntries);
    QSet<QString> seen;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, i, 0, &stat) < 0 || !(stat.valid & ZIP_STAT_NAME))
            return QCoreApplication::translate("SkinPackage", "Das Paket ist beschädigt.");
        const QString name = QString::fromUtf8(stat.name);
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            return QCoreApplication::translate("SkinPackage",
                                               "Das Paket enthält die verschlüsselte Datei %1.")
                .arg(name);
        if (!isSafeName(name))
            return QCoreApplication::translate(
                       "SkinPackage", "Das Paket enthält den Namen %1, der aus seinem Ordner "
                                      "hinausführt.")
                .arg(name);
        if (isLink(archive, i))
            return QCoreApplication::translate("SkinPackage",
                                               "Das Paket enthält die Verknüpfung %1.")
                .arg(name);
        // Skins come from file systems that ignore case: two such names are one file.
        const QString key = name.toCaseFolded();
        if (seen.contains(key))
            return QCoreApplication::translate("SkinPackage", "Das Paket enthält %1 zweimal.")
                .arg(name);
        seen.insert(key);
        entries.append({i, name});
    }
    return std::nullopt;
}

// Unpacks the entries, counting what is really read, never what a header promises.
std::optional<QString> extract(zip_t *archive, const QList<Entry> &entries, const QDir &folder,
                               QStringList &written)
{
    qint64 total = 0;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (const Entry &entry : entries) {
        const QString path = folder.filePath(entry.name);
        if (entry.name.endsWith(QLatin1Char('/'))) {
            folder.mkpath(entry.name);
            continue;
        }
        folder.mkpath(QFileInfo(entry.name).path());
        std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, entry.index, 0));
        QSaveFile out(path);
        if (!file || !out.open(QIODevice::WriteOnly))
            return QCoreApplication::translate("SkinPackage", "%1 lässt sich nicht entpacken.")
                .arg(entry.name);
        for (;;) {
            const zip_int64_t read =
                zip_fread(file.get(), chunk.data(), static_cast<zip_uint64_t>(chunk.size()));
            if (read < 0)
                return QCoreApplication::translate("SkinPackage", "Das Paket ist beschädigt (%1).")
                    .arg(entry.name);
            if (read == 0)
                break;
            total += read;
            if (total > maxPackageBytes)
                return QCoreApplication::translate("SkinPackage",
                                                   "Das Paket ist entpackt größer als %1 MiB.")
                    .arg(maxPackageBytes >> 20);
            out.write(chunk.constData(), read);
        }
        if (!out.commit())
            return QCoreApplication::translate("SkinPackage", "%1 lässt sich nicht schreiben.")
                .arg(QDir::toNativeSeparators(path));
        written << path;
    }
    return std::nullopt;
}

} // namespace

PackageResult unpackSkin(const QString &zipPath, const QString &folder)
{
    // A package larger than what it may hold unpacked is no skin's.
    const std::optional<QByteArray> bytes = fileContents(zipPath, maxPackageBytes);
    if (!bytes)
        return failure(QCoreApplication::translate(
                           "SkinPackage", "Die Datei %1 lässt sich nicht lesen oder ist zu groß.")
                           .arg(QDir::toNativeSeparators(zipPath)));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(
        bytes->constData(), static_cast<zip_uint64_t>(bytes->size()), 0, &error);
    Archive archive(source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error)
                           : nullptr);
    if (!archive) {
        if (source)
            zip_source_free(source);
        return failure(QCoreApplication::translate(
                           "SkinPackage", "Die Datei %1 ist kein ZIP-Paket oder beschädigt.")
                           .arg(QDir::toNativeSeparators(zipPath)));
    }
    QList<Entry> entries;
    if (const std::optional<QString> refused = judge(archive.get(), entries))
        return failure(*refused);
    PackageResult result;
    for (const Entry &entry : entries) {
        if (entry.name.endsWith(QLatin1String(".lkv"), Qt::CaseInsensitive))
            result.skins << entry.name;
    }
    if (result.skins.isEmpty())
        return failure(
            QCoreApplication::translate("SkinPackage", "Das Paket enthält kein Skin (.lkv)."));
    const QDir target(folder);
    if (target.exists() && !target.isEmpty())
        return failure(QCoreApplication::translate("SkinPackage", "Der Ordner %1 ist nicht leer.")
                           .arg(QDir::toNativeSeparators(folder)));
    const bool made = !target.exists();
    if (!QDir().mkpath(folder))
        return failure(
            QCoreApplication::translate("SkinPackage", "Der Ordner %1 lässt sich nicht anlegen.")
                .arg(QDir::toNativeSeparators(folder)));
    QStringList written;
    if (const std::optional<QString> refused = extract(archive.get(), entries, target, written)) {
        // Nothing of a refused package stays.
        if (made)
            QDir(folder).removeRecursively();
        else
            for (const QString &path : written)
                QFile::remove(path);
        return failure(*refused);
    }
    return result;
}
