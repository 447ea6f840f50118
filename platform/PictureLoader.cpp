#include "platform/PictureLoader.h"

#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/PictureDigest.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The text after the last dot of the last path component, "" when there is none.
QString extensionOf(const QString &name)
{
    const QString slashed = withSlashes(name);
    const QString fileName = slashed.mid(slashed.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

// Where the search of a name starts: after the skin folder for a relative name, which
// the program spelled itself, else after the path's root ("/", "C:/", "//host/share/").
qsizetype searchStart(const QString &path, const QString &relative)
{
    if (!QDir::isAbsolutePath(relative))
        return path.size() - relative.size();
    if (path.startsWith(QLatin1String("//"))) {
        const qsizetype share = path.indexOf(QLatin1Char('/'), 2);
        const qsizetype end = share < 0 ? -1 : path.indexOf(QLatin1Char('/'), share + 1);
        return end < 0 ? path.size() : end + 1;
    }
    if (path.size() >= 3 && path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('/'))
        return 3;
    return path.startsWith(QLatin1Char('/')) ? 1 : 0;
}

// The folders one search looks into, each listed once: a name may pass through a folder
// many times ("a/../a/../"), and a listing each time would cost as much as the folder
// holds, again and again.
class FolderListings {
public:
    // The entry of the folder (empty or ending in "/") whose name differs from the
    // component only in case; "" when there is none. Of several, the first in the order
    // of their names, as a listing sorted by name would give.
    QString entryLike(const QString &folder, const QString &component)
    {
        auto listing = listings_.find(identity(folder));
        if (listing == listings_.end())
            listing = listings_.insert(identity(folder), list(folder));
        return listing->value(component.toCaseFolded());
    }

private:
    // The same folder under another spelling ("a/b/..", "a") is listed only once.
    static QString identity(const QString &folder)
    {
#ifdef Q_OS_UNIX
        struct stat info;
        if (::stat(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                   &info) == 0)
            return QStringLiteral("%1:%2").arg(info.st_dev).arg(info.st_ino);
#endif
        // Elsewhere ".." undoes the part before it, as cleanPath does.
        return QDir::cleanPath(QDir(folder).absolutePath()).toCaseFolded();
    }

    static QHash<QString, QString> list(const QString &folder)
    {
        QHash<QString, QString> byFoldedName;
        QDirIterator entries(folder.isEmpty() ? QStringLiteral(".") : folder,
                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (entries.hasNext()) {
            entries.next();
            const QString entry = entries.fileName();
            QString &taken = byFoldedName[entry.toCaseFolded()];
            if (taken.isEmpty() || entry < taken)
                taken = entry;
        }
        return byFoldedName;
    }

    QHash<QString, QHash<QString, QString>> listings_;
};

// Each part that does not exist as spelled is looked up in the folder the previous one
// found; "." and ".." are left to the file system.
std::optional<QString> matchIgnoringCase(const QString &path, qsizetype from)
{
    FolderListings listings;
    QString resolved = path.left(from);
    const QStringList components = path.mid(from).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString &component = components.at(i);
        QString entry = component;
        if (component != QLatin1String(".") && component != QLatin1String("..") &&
            !QFileInfo::exists(resolved + component))
            entry = listings.entryLike(resolved, component);
        if (entry.isEmpty())
            return std::nullopt;
        resolved += entry;
        if (i + 1 < components.size())
            resolved += QLatin1Char('/');
    }
    return resolved;
}

qint32 littleEndian(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(at + i));
    // The narrow header of the oldest bitmaps holds 16-bit sizes, signed like the rest.
    return size == 2 ? qint16(value) : qint32(value);
}

// The width and height a bitmap's header declares, read from the file's first bytes
// without decoding anything; nothing valid when it holds no bitmap header, which the
// decoder then reports.
QSize declaredSize(QFile &file)
{
    const QByteArray head = file.peek(26);
    if (head.size() < 26 || !head.startsWith("BM"))
        return {};
    const bool narrow = littleEndian(head, 14, 4) == 12;
    const int size = narrow ? 2 : 4;
    return {littleEndian(head, 18, size), littleEndian(head, 18 + size, size)};
}

// What the header promises and the file does not hold, in words; empty when the file
// holds it, or holds no bitmap header, which the decoder then reports. Qt's decoder
// fills a picture whose file ends early with black, which the player never shows.
QString missingData(QFile &file, const QSize &declared)
{
    const QByteArray head = file.peek(34);
    if (head.size() < 26 || !head.startsWith("BM"))
        return {};
    const qint64 offset = quint32(littleEndian(head, 10, 4));
    if (offset >= file.size())
        return QCoreApplication::translate("PictureLoader",
                                           "ihre Pixel beginnen erst hinter dem Ende der Datei");
    const bool narrow = littleEndian(head, 14, 4) == 12;
    if (!narrow && head.size() < 34)
        return {};
    const qint64 bits = quint16(littleEndian(head, narrow ? 24 : 28, 2));
    const qint32 compression = narrow ? 0 : littleEndian(head, 30, 4);
    // Compressed pixels have no size of their own to compare; the decoder judges them.
    if (compression != 0 && compression != 3)
        return {};
    const qint64 row = (qint64{declared.width()} * bits + 31) / 32 * 4;
    if (offset + row * qAbs(qint64{declared.height()}) > file.size())
        return QCoreApplication::translate("PictureLoader",
                                           "die Datei endet vor dem Ende ihrer Pixel");
    return {};
}

LoadedPicture invalid(LoadedPicture &picture, const QString &reason)
{
    picture.failure = LoadedPicture::Failure::Invalid;
    picture.reason = reason;
    picture.error =
        reason.isEmpty()
            ? QCoreApplication::translate("PictureLoader", "Bitmap ist ungültig")
            : QCoreApplication::translate("PictureLoader", "Bitmap ist ungültig: %1").arg(reason);
    return picture;
}

// Skins mostly hold bitmaps of 16 or 256 colours. The screen takes 32-bit pixels, and
// a picture is converted once here rather than by every control that shows it; a
// plain table lookup is also quicker than the general conversion.
QImage forTheScreen(QImage image)
{
    if (image.format() != QImage::Format_Indexed8 || image.hasAlphaChannel())
        return image;
    // A pixel may name a colour beyond the table; it shows black.
    std::array<QRgb, 256> table;
    table.fill(0xff000000u);
    const QList<QRgb> colours = image.colorTable();
    for (qsizetype i = 0; i < colours.size() && i < 256; ++i)
        table[static_cast<std::size_t>(i)] = colours.at(i) | 0xff000000u;
    QImage converted(image.size(), QImage::Format_RGB32);
    if (converted.isNull())
        return image;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar *from = image.constScanLine(y);
        auto *to = reinterpret_cast<QRgb *>(converted.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = table[from[x]];
    }
    return converted;
}

// Qt turns down a picture of more than 128 MiB of pixels, which is 5793 × 5793 at 32
// bits, and would call it damaged: the largest picture the loader accepts must decode.
void allowTheLargestPicture()
{
    static const bool allowed = [] {
        constexpr qint64 largest = qint64{maxPictureSide} * maxPictureSide * 4;
        QImageReader::setAllocationLimit(int(largest >> 20));
        return true;
    }();
    Q_UNUSED(allowed)
}

// The file a picture name leads to, opened: the name as spelled first, and only when
// that fails the folder searched for it in another case.
ReadFailure openPictureFile(QFile &file, const QString &name, const QString &folder)
{
    ReadFailure opened = openRegularFile(file);
    if (opened != ReadFailure::None) {
        file.setFileName(resolvePicturePath(name, folder));
        opened = openRegularFile(file);
    }
    return opened;
}

LoadedPicture cannotOpen(LoadedPicture &picture, const QString &name, const QString &reason)
{
    picture.failure = LoadedPicture::Failure::CannotOpen;
    picture.reason = reason;
    picture.error =
        reason.isEmpty()
            ? QCoreApplication::translate("PictureLoader", "Datei %1 kann nicht geöffnet werden")
                  .arg(shownName(name))
            : QCoreApplication::translate("PictureLoader",
                                          "Datei %1 kann nicht geöffnet werden: %2")
                  .arg(shownName(name), reason);
    return picture;
}

} // namespace

QString spelledPicturePath(const QString &name, const QString &folder)
{
    const QString relative = withSlashes(name);
    if (QDir::isAbsolutePath(relative) || folder.isEmpty())
        return relative;
    const QString base = QDir::fromNativeSeparators(folder);
    return base.endsWith(QLatin1Char('/')) ? base + relative : base + QLatin1Char('/') + relative;
}

QString resolvePicturePath(const QString &name, const QString &folder)
{
    const QString path = spelledPicturePath(name, folder);
    if (path.isEmpty() || !fitsFileSystems(path) || QFileInfo::exists(path))
        return path;
    return matchIgnoringCase(path, searchStart(path, withSlashes(name))).value_or(path);
}

LoadedPicture loadPicture(const QString &name, const QString &folder, PictureUse use, QSize kept)
{
    LoadedPicture picture;
    const QString extension = extensionOf(name);
    if (extension.compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) {
        picture.error =
            QCoreApplication::translate("PictureLoader", "Unbekannte Bilddateierweiterung (.%1)")
                .arg(shownName(extension));
        picture.failure = LoadedPicture::Failure::UnknownExtension;
        return picture;
    }
    // The name as spelled is tried first; only when that fails is the folder searched.
    picture.path = spelledPicturePath(name, folder);
    QFile file(picture.path);
    if (!fitsFileSystems(picture.path))
        return cannotOpen(picture, name,
                          QCoreApplication::translate(
                              "PictureLoader", "der Name ist länger, als Dateisysteme erlauben"));
    const ReadFailure opened = openPictureFile(file, name, folder);
    picture.path = file.fileName();
    picture.missing = opened == ReadFailure::Missing;
    if ((opened == ReadFailure::NotAFile && !QFileInfo(picture.path).isDir()) ||
        opened == ReadFailure::LinkLoop)
        return cannotOpen(picture, name, readFailureReason(opened));
    if (opened != ReadFailure::None)
        return cannotOpen(picture, name, {});
    // The name decides the format: a PNG or JPEG that calls itself ".bmp" is not a
    // bitmap, whatever Qt could make of it.
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    // A header may promise any size; no skin needs more than this, and a lying header
    // must not make the program reserve gigabytes before the data runs out.
    // A bitmap stored top down declares a negative height.
    const QSize declared = declaredSize(file);
    // Stored top down, a bitmap's height is negative; this one has no positive twin.
    if (declared.height() == std::numeric_limits<qint32>::min())
        return invalid(picture, QCoreApplication::translate("PictureLoader",
                                                            "die Höhe −2147483648 ist unmöglich"));
    const qint64 width = qAbs(qint64{declared.width()});
    const qint64 height = qAbs(qint64{declared.height()});
    if (width > maxPictureSide || height > maxPictureSide) {
        picture.error = QCoreApplication::translate(
                            "PictureLoader", "Bitmap ist zu groß (%1 × %2 Pixel, erlaubt sind "
                                             "höchstens %3 × %3).")
                            .arg(width)
                            .arg(height)
                            .arg(maxPictureSide);
        picture.failure = LoadedPicture::Failure::TooLarge;
        picture.declaredSize = QSize(int(width), int(height));
        return picture;
    }
    if (const QString missing = missingData(file, declared); !missing.isEmpty())
        return invalid(picture, missing);
    allowTheLargestPicture();
    if (use == PictureUse::Digest)
        return digestOpenedPicture(file, reader, declared, picture) ? picture
                                                                    : invalid(picture, {});
    if (kept.isValid())
        reader.setClipRect({0, 0, int(std::min<qint64>(width, kept.width())),
                            int(std::min<qint64>(height, kept.height()))});
    picture.image = reader.read();
    if (use == PictureUse::Screen)
        picture.image = forTheScreen(std::move(picture.image));
    if (picture.image.isNull())
        return invalid(picture, {});
    return picture;
}

QSize declaredPictureSize(const QString &name, const QString &folder)
{
    QFile file(spelledPicturePath(name, folder));
    if (extensionOf(name).compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0 ||
        !fitsFileSystems(file.fileName()) ||
        openPictureFile(file, name, folder) != ReadFailure::None)
        return {};
    const QSize declared = declaredSize(file);
    const qint64 width = qAbs(qint64{declared.width()});
    const qint64 height = qAbs(qint64{declared.height()});
    if (width > maxPictureSide || height > maxPictureSide)
        return {};
    return {int(width), int(height)};
}
