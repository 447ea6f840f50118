#include "platform/SkinChecker.h"

#include "ini/FileBytes.h"
#include "platform/FileContents.h"
#include "platform/PictureLoader.h"
#include "platform/SkinPackage.h"
#include "platform/UnpackedPackage.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

// Rows converted at a time: a few megabytes at most, whatever the picture's size.
constexpr int digestBand = 64;

std::size_t digestRows(const QImage &argb, std::size_t digest)
{
    const auto rowBytes = static_cast<std::size_t>(argb.width()) * sizeof(QRgb);
    for (int y = 0; y < argb.height(); ++y)
        digest = qHashBits(argb.constScanLine(y), rowBytes, digest);
    return digest;
}

// The pixels as one colour format, so that a picture saved with fewer colours still
// counts as the same picture. A picture of another format is converted a band of rows
// at a time instead of whole, which would cost four times its size once more.
std::uint64_t pixelDigest(const QImage &image)
{
    const std::size_t seed = qHash(image.width()) ^ (qHash(image.height()) << 1);
    // RGB32 keeps its pixels as 0xffRRGGBB, already what ARGB32 holds: no copy then.
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return digestRows(image, seed);
    std::size_t digest = seed;
    for (int top = 0; top < image.height(); top += digestBand) {
        const QImage band =
            image.copy(0, top, image.width(), std::min(digestBand, image.height() - top));
        digest = digestRows(band.convertToFormat(QImage::Format_ARGB32), digest);
    }
    return digest;
}

BitmapFacts factsOf(const QString &name, const QString &folder)
{
    const LoadedPicture picture = loadPicture(name, folder, PictureUse::Measure);
    BitmapFacts facts;
    switch (picture.failure) {
    case LoadedPicture::Failure::None:
        facts.size = {picture.image.width(), picture.image.height()};
        facts.pixels = pixelDigest(picture.image);
        break;
    case LoadedPicture::Failure::UnknownExtension:
        facts.outcome = BitmapFacts::Outcome::UnknownExtension;
        return facts;
    case LoadedPicture::Failure::CannotOpen:
        facts.outcome = QFileInfo::exists(picture.path) ? BitmapFacts::Outcome::Unreadable
                                                        : BitmapFacts::Outcome::Missing;
        facts.reason = picture.reason.toStdString();
        return facts;
    case LoadedPicture::Failure::TooLarge:
        facts.outcome = BitmapFacts::Outcome::TooLarge;
        facts.size = {picture.declaredSize.width(), picture.declaredSize.height()};
        return facts;
    case LoadedPicture::Failure::Invalid:
        facts.outcome = BitmapFacts::Outcome::Invalid;
        return facts;
    }
    // Found, but under another spelling than the skin's.
    if (picture.path != spelledPicturePath(name, folder)) {
        const bool relative =
            !folder.isEmpty() && QDir::isRelativePath(QDir::fromNativeSeparators(name));
        facts.foundName =
            (relative ? QDir(folder).relativeFilePath(picture.path) : picture.path).toStdString();
    }
    return facts;
}

} // namespace

std::vector<BitmapFacts> examineBitmaps(const std::vector<BitmapUse> &uses,
                                        const std::string &folder)
{
    const QString base = QString::fromStdString(folder);
    QHash<QString, BitmapFacts> known;
    std::vector<BitmapFacts> facts;
    facts.reserve(uses.size());
    for (const BitmapUse &use : uses) {
        if (use.keyMissing) {
            facts.emplace_back();
            continue;
        }
        const QString name = QString::fromStdString(use.name);
        auto found = known.find(name);
        if (found == known.end())
            found = known.insert(name, factsOf(name, base));
        facts.push_back(*found);
    }
    return facts;
}

namespace {

bool isBitmapName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
}

// What makes two paths one file: on Windows a name in any case opens the file, so the
// skin's spelling and the listing's are the same file there.
QString fileKey(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
#ifdef Q_OS_WIN
    return clean.toCaseFolded();
#else
    return clean;
#endif
}

void addNamed(const std::vector<BitmapUse> &uses, const QString &folder, QSet<QString> &named)
{
    for (const BitmapUse &use : uses) {
        if (!use.keyMissing)
            named.insert(fileKey(resolvePicturePath(QString::fromStdString(use.name), folder)));
    }
}

// Several skins may share a folder and its bitmaps: what another names is in use.
void addNamedByNeighbours(const QDir &dir, const QString &skinPath, QSet<QString> &named)
{
    const QString self = QFileInfo(skinPath).absoluteFilePath();
    for (const QFileInfo &entry : dir.entryInfoList({QStringLiteral("*.lkv")}, QDir::Files)) {
        if (!entry.isFile() || entry.isSymLink() || entry.absoluteFilePath() == self)
            continue;
        const FileRead contents = readWholeFile(entry.filePath());
        if (!contents.ok())
            continue;
        const LoadedSkin other =
            loadSkin(entry.filePath().toStdString(), contents.bytes.toStdString());
        if (other.isSkin())
            addNamed(bitmapUses(other.document, SkinLines(other.document.openedText.lines())),
                     QString::fromStdString(other.document.skinFolder), named);
    }
}

// The files of the skin's own folder that no key of it or of a skin beside it leads to,
// by name. Only plain files count: a device or a pipe is nothing a package would carry.
std::vector<SkinProblem> unusedBitmaps(const SkinDocument &document,
                                       const std::vector<BitmapUse> &uses)
{
    const QString base = QString::fromStdString(document.skinFolder);
    const QDir dir(base.isEmpty() ? QStringLiteral(".") : base);
    QSet<QString> named;
    addNamed(uses, base, named);
    addNamedByNeighbours(dir, QString::fromStdString(document.skinPath), named);
    std::vector<SkinProblem> problems;
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!isBitmapName(entry.fileName()) || !entry.isFile() || entry.isSymLink() ||
            named.contains(fileKey(entry.filePath())))
            continue;
        SkinProblem problem = SkinProblem::of(ProblemCode::UnusedBitmap);
        problem.file = entry.fileName().toStdString();
        problems.push_back(std::move(problem));
    }
    return problems;
}

std::vector<SkinProblem> checkWith(const SkinDocument &document, const SkinLines &lines,
                                   CheckScope scope = CheckScope::Faults)
{
    const std::vector<BitmapUse> uses = bitmapUses(document, lines);
    std::vector<SkinProblem> problems =
        checkSkin(document, lines, uses, examineBitmaps(uses, document.skinFolder));
    if (scope == CheckScope::WithNotes) {
        std::vector<SkinProblem> notes = unusedBitmaps(document, uses);
        problems.insert(problems.end(), std::make_move_iterator(notes.begin()),
                        std::make_move_iterator(notes.end()));
    }
    return problems;
}

} // namespace

int SkinReport::count(Severity severity) const
{
    return countOf(problems, severity);
}

SkinReport checkSkinFile(const QString &path, CheckScope scope)
{
    SkinReport report{path, {}, {}};
    const FileRead contents = readWholeFile(path);
    if (!contents.ok()) {
        SkinProblem problem = SkinProblem::of(ProblemCode::UnreadableSkin);
        problem.detail = readFailureReason(contents.failure).toStdString();
        report.problems.push_back(std::move(problem));
        return report;
    }
    const std::string bytes = contents.bytes.toStdString();
    const LoadedSkin loaded = loadSkin(path.toStdString(), bytes);
    if (!loaded.isSkin()) {
        report.problems = sectionProblems(SkinLines(splitLines(bytes)), loaded.problems);
        return report;
    }
    report.version = loaded.document.targetVersion;
    report.problems =
        checkWith(loaded.document, SkinLines(loaded.document.openedText.lines()), scope);
    return report;
}

std::vector<SkinProblem> checkSkinDocument(const SkinDocument &document)
{
    return checkWith(document, SkinLines(document.openedText.lines()));
}

std::vector<SkinReport> checkSkinPackage(const QString &zipPath, CheckScope scope)
{
    const UnpackedPackage package(zipPath);
    if (!package.ok()) {
        SkinProblem problem = SkinProblem::of(ProblemCode::BadPackage);
        problem.detail = package.error().toStdString();
        return {SkinReport{zipPath, {}, {problem}}};
    }
    std::vector<SkinReport> reports;
    for (const QString &skin : package.skins()) {
        SkinReport report = checkSkinFile(package.filePath(skin), scope);
        report.path = zipPath + QLatin1Char('/') + skin;
        reports.push_back(std::move(report));
    }
    return reports;
}
