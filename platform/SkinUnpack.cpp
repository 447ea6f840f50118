#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/MadeFolders.h"
#include "platform/SkinPackage.h"
#include "platform/TempWorkFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <memory>
#include <optional>
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

Archive openArchive(const QByteArray &bytes, int flags, zip_error_t &error)
{
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (!source)
        return nullptr;
    Archive archive(zip_open_from_source(source, flags, &error));
    if (!archive)
        zip_source_free(source);
    return archive;
}

// The first name the package gives twice as it is, which a careful open refuses.
std::optional<QString> nameGivenTwice(const QByteArray &bytes)
{
    zip_error_t error;
    const Archive archive = openArchive(bytes, ZIP_RDONLY, error);
    zip_error_fini(&error);
    if (!archive)
        return std::nullopt;
    QSet<QByteArray> seen;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        const char *name = zip_get_name(archive.get(), i, ZIP_FL_ENC_RAW);
        if (!name)
            continue;
        if (seen.contains(name))
            return QString::fromUtf8(name);
        seen.insert(name);
    }
    return std::nullopt;
}

QString openFailure(const QByteArray &bytes, const zip_error_t &error, const QString &zipPath)
{
    const QString shown = shownName(QDir::toNativeSeparators(zipPath));
    if (zip_error_code_zip(&error) == ZIP_ER_EXISTS) {
        if (const std::optional<QString> twice = nameGivenTwice(bytes))
            return QCoreApplication::translate("SkinPackage", "Das Paket enthält %1 zweimal.")
                .arg(shownName(*twice));
    }
    if (zip_error_code_zip(&error) == ZIP_ER_NOZIP)
        return QCoreApplication::translate("SkinPackage", "Die Datei %1 ist kein ZIP-Paket.")
            .arg(shown);
    return QCoreApplication::translate("SkinPackage",
                                       "Die Datei %1 ist kein ZIP-Paket oder beschädigt.")
        .arg(shown);
}

QString methodName(zip_int32_t method)
{
    switch (method) {
    case ZIP_CM_SHRINK:
        return QStringLiteral("Shrink");
    case ZIP_CM_IMPLODE:
        return QStringLiteral("Implode");
    case ZIP_CM_DEFLATE64:
        return QStringLiteral("Deflate64");
    case ZIP_CM_BZIP2:
        return QStringLiteral("BZIP2");
    case ZIP_CM_LZMA:
        return QStringLiteral("LZMA");
    case ZIP_CM_XZ:
        return QStringLiteral("XZ");
    case 93: // Zstandard, which libzip names only from 1.8 on
        return QStringLiteral("Zstandard");
    case ZIP_CM_PPMD:
        return QStringLiteral("PPMd");
    default:
        return QString::number(method);
    }
}

QString unsupportedMethod(const QString &name, zip_int32_t method)
{
    return QCoreApplication::translate(
               "SkinPackage",
               "%1 ist mit dem Verfahren %2 gepackt, das Velmor nicht entpacken kann.")
        .arg(shownName(name), methodName(method));
}

// Zippers on Windows write "\\" between folders, and some write "./" in front or "//"
// between parts: all of them name the same place as the plain spelling. A name of the
// package's own folder (".", "./") becomes empty.
QString plainEntryName(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool folder = name.endsWith(QLatin1Char('/'));
    const bool absolute = name.startsWith(QLatin1Char('/'));
    QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    QString plain = parts.join(QLatin1Char('/'));
    if (absolute)
        plain.prepend(QLatin1Char('/'));
    if (folder && !parts.isEmpty())
        plain += QLatin1Char('/');
    return plain;
}

// An entry's name is taken only when it stays inside the folder it is unpacked into.
bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char(':')) ||
        name.contains(QChar(0)))
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

std::optional<QString> judgeEntry(zip_t *archive, zip_uint64_t index, const zip_stat_t &stat,
                                  const QString &name)
{
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return QCoreApplication::translate("SkinPackage",
                                           "Das Paket enthält die verschlüsselte Datei %1.")
            .arg(shownName(name));
    if (!isSafeName(name))
        return QCoreApplication::translate("SkinPackage",
                                           "Das Paket enthält den Namen %1, der aus seinem Ordner "
                                           "hinausführt.")
            .arg(shownName(name));
    if (!fitsFileSystems(name))
        return QCoreApplication::translate("SkinPackage",
                                           "Das Paket enthält den Namen %1, der länger ist, als "
                                           "Dateisysteme erlauben.")
            .arg(shownName(name));
    if (isLink(archive, index))
        return QCoreApplication::translate("SkinPackage", "Das Paket enthält die Verknüpfung %1.")
            .arg(shownName(name));
    if ((stat.valid & ZIP_STAT_COMP_METHOD) &&
        !zip_compression_method_supported(static_cast<zip_int32_t>(stat.comp_method), 0))
        return unsupportedMethod(name, static_cast<zip_int32_t>(stat.comp_method));
    return std::nullopt;
}

// Every entry judged before anything is written.
std::optional<QString> judge(zip_t *archive, QList<Entry> &entries)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > maxPackageEntries)
        return QCoreApplication::translate("SkinPackage", "Das Paket hat mehr als %1 Einträge.")
            .arg(maxPackageEntries);
    // Skins come from file systems that ignore case: two such names are one file.
    QHash<QString, QString> seen;
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, i, 0, &stat) < 0 || !(stat.valid & ZIP_STAT_NAME))
            return QCoreApplication::translate("SkinPackage", "Das Paket ist beschädigt.");
        const QString name = plainEntryName(QString::fromUtf8(stat.name));
        if (name.isEmpty())
            continue;
        if (const std::optional<QString> refused = judgeEntry(archive, i, stat, name))
            return refused;
        const QString other = seen.value(name.toCaseFolded());
        if (other == name)
            return QCoreApplication::translate("SkinPackage", "Das Paket enthält %1 zweimal.")
                .arg(shownName(name));
        if (!other.isEmpty())
            return QCoreApplication::translate("SkinPackage",
                                               "Das Paket enthält %1 und %2, die sich nur in "
                                               "Groß- und Kleinschreibung unterscheiden.")
                .arg(shownName(other), shownName(name));
        seen.insert(name.toCaseFolded(), name);
        entries.append({i, name});
    }
    return std::nullopt;
}

QString cannotOpenEntry(zip_t *archive, const Entry &entry)
{
    switch (zip_error_code_zip(zip_get_error(archive))) {
    case ZIP_ER_COMPNOTSUPP: {
        zip_stat_t stat;
        zip_stat_index(archive, entry.index, 0, &stat);
        return unsupportedMethod(entry.name, static_cast<zip_int32_t>(stat.comp_method));
    }
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return QCoreApplication::translate("SkinPackage",
                                           "Das Paket enthält die verschlüsselte Datei %1.")
            .arg(shownName(entry.name));
    default:
        return QCoreApplication::translate("SkinPackage", "Das Paket ist beschädigt (%1).")
            .arg(shownName(entry.name));
    }
}

QString interruptedText()
{
    return QCoreApplication::translate("SkinPackage", "Das Entpacken wurde abgebrochen.");
}

QString cannotWrite(const QString &name)
{
    return QCoreApplication::translate("SkinPackage", "%1 lässt sich nicht schreiben.")
        .arg(shownName(name));
}

// A kept folder's file goes in place whole, so that even after a crash it is there whole
// or not at all; a work folder's is written as it comes: it goes with the process, and
// the wait for the disk at each entry made a large package take many seconds.
std::unique_ptr<QFileDevice> entryFile(const QString &path, UnpackTarget target)
{
    if (target == UnpackTarget::Kept)
        return std::make_unique<QSaveFile>(path);
    return std::make_unique<QFile>(path);
}

bool openEntryFile(QFileDevice &out)
{
    if (qobject_cast<QSaveFile *>(&out))
        return out.open(QIODevice::WriteOnly);
    return out.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

bool finish(QFileDevice &out)
{
    if (auto *whole = qobject_cast<QSaveFile *>(&out))
        return whole->commit();
    out.close();
    return out.error() == QFileDevice::NoError;
}

// Copies one entry's bytes, adding them to what the package has given so far.
std::optional<QString> copyEntry(zip_file_t *file, const Entry &entry, QFileDevice &out,
                                 QByteArray &chunk, qint64 &total)
{
    for (;;) {
        if (tempWorkInterrupted())
            return interruptedText();
        const zip_int64_t read =
            zip_fread(file, chunk.data(), static_cast<zip_uint64_t>(chunk.size()));
        if (read < 0)
            return QCoreApplication::translate("SkinPackage", "Das Paket ist beschädigt (%1).")
                .arg(shownName(entry.name));
        if (read == 0)
            return std::nullopt;
        total += read;
        if (total > maxPackageBytes)
            return QCoreApplication::translate("SkinPackage",
                                               "Das Paket ist entpackt größer als %1 MiB.")
                .arg(maxPackageBytes >> 20);
        if (out.write(chunk.constData(), read) != read)
            return cannotWrite(entry.name);
    }
}

struct Unpacking {
    zip_t *archive;
    QDir folder;
    UnpackTarget target;
    MadeFolders &made;
    QStringList &written;
};

// Unpacks the entries, counting what is really read, never what a header promises.
std::optional<QString> extract(const Unpacking &to, const QList<Entry> &entries)
{
    qint64 total = 0;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (const Entry &entry : entries) {
        const QString path = to.folder.filePath(entry.name);
        if (tempWorkInterrupted())
            return interruptedText();
        if (entry.name.endsWith(QLatin1Char('/'))) {
            if (!to.made.make(QDir::cleanPath(path)))
                return cannotWrite(entry.name);
            continue;
        }
        if (!to.made.make(QFileInfo(path).path()))
            return cannotWrite(entry.name);
        std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(to.archive, entry.index, 0));
        if (!file)
            return cannotOpenEntry(to.archive, entry);
        const std::unique_ptr<QFileDevice> out = entryFile(path, to.target);
        if (!openEntryFile(*out))
            return cannotWrite(entry.name);
        to.written << path;
        if (const std::optional<QString> failed = copyEntry(file.get(), entry, *out, chunk, total))
            return failed;
        if (tempWorkInterrupted())
            return interruptedText();
        if (!finish(*out))
            return cannotWrite(entry.name);
    }
    return std::nullopt;
}

} // namespace

PackageResult unpackSkin(const QString &zipPath, const QString &folder, UnpackTarget into)
{
    // A package larger than what it may hold unpacked is no skin's.
    const FileRead bytes = readWholeFile(zipPath, maxPackageBytes);
    if (!bytes.ok())
        return failure(readFailureText(bytes.failure, zipPath, maxPackageBytes));
    zip_error_t error;
    const Archive archive = openArchive(bytes.bytes, ZIP_RDONLY | ZIP_CHECKCONS, error);
    if (!archive) {
        const QString refused = openFailure(bytes.bytes, error, zipPath);
        zip_error_fini(&error);
        return failure(refused);
    }
    zip_error_fini(&error);
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
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString shown = shownName(QDir::toNativeSeparators(absolute));
    const QDir target(absolute);
    if (target.exists() && !target.isEmpty())
        return failure(
            QCoreApplication::translate("SkinPackage", "Der Ordner %1 ist nicht leer.").arg(shown));
    MadeFolders made;
    if (!made.make(absolute)) {
        made.removeAll();
        return failure(
            QCoreApplication::translate("SkinPackage", "Der Ordner %1 lässt sich nicht anlegen.")
                .arg(shown));
    }
    QStringList written;
    if (const std::optional<QString> refused =
            extract({archive.get(), target, into, made, written}, entries)) {
        // Nothing of a refused package stays, not even the folders made for it.
        for (const QString &path : written)
            QFile::remove(path);
        made.removeAll();
        return failure(*refused);
    }
    return result;
}
