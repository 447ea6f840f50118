#include "platform/PictureLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <array>
#include <optional>

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

// The entry of `folder` (empty or ending in "/") that `component` names, exact spelling
// first; "" when there is none. "." and ".." are left to the file system.
QString entryNamed(const QString &folder, const QString &component)
{
    if (component == QLatin1String(".") || component == QLatin1String("..") ||
        QFileInfo::exists(folder + component))
        return component;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

std::optional<QString> matchIgnoringCase(const QString &path)
{
    // The deepest folder that exists as spelled needs no search; from there on each
    // component is looked up in the folder the previous one found.
    qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    while (slash >= 0 && !QFileInfo(path.left(slash + 1)).isDir())
        slash = slash > 0 ? path.lastIndexOf(QLatin1Char('/'), slash - 1) : -1;
    QString resolved = path.left(slash + 1);
    const QStringList components = path.mid(slash + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString entry = entryNamed(resolved, components.at(i));
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
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    return matchIgnoringCase(path).value_or(path);
}

LoadedPicture loadPicture(const QString &name, const QString &folder, PictureUse use)
{
    LoadedPicture picture;
    const QString extension = extensionOf(name);
    if (extension.compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) {
        picture.error =
            QCoreApplication::translate("PictureLoader", "Unbekannte Bilddateierweiterung (.%1)")
                .arg(extension);
        picture.failure = LoadedPicture::Failure::UnknownExtension;
        return picture;
    }
    // The name as spelled is tried first; only when that fails is the folder searched.
    picture.path = spelledPicturePath(name, folder);
    QFile file(picture.path);
    if (!file.open(QIODevice::ReadOnly)) {
        picture.path = resolvePicturePath(name, folder);
        file.setFileName(picture.path);
    }
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly)) {
        picture.error =
            QCoreApplication::translate("PictureLoader", "Datei %1 kann nicht geöffnet werden")
                .arg(name);
        picture.failure = LoadedPicture::Failure::CannotOpen;
        return picture;
    }
    // The name decides the format: a PNG or JPEG that calls itself ".bmp" is not a
    // bitmap, whatever Qt could make of it.
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    // A header may promise any size; no skin needs more than this, and a lying header
    // must not make the program reserve gigabytes before the data runs out.
    // A bitmap stored top down declares a negative height.
    const QSize declared = declaredSize(file);
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
    picture.image = reader.read();
    if (use == PictureUse::Screen)
        picture.image = forTheScreen(std::move(picture.image));
    if (picture.image.isNull()) {
        picture.error = QCoreApplication::translate("PictureLoader", "Bitmap ist ungültig");
        picture.failure = LoadedPicture::Failure::Invalid;
    }
    return picture;
}
