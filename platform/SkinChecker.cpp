#include "platform/SkinChecker.h"

#include "ini/FileBytes.h"
#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/FolderBitmaps.h"
#include "platform/PictureLoader.h"
#include "platform/SkinPackage.h"
#include "platform/UnpackedPackage.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <optional>

namespace {

// The bitmaps' own threads. Skins are checked side by side on Qt's shared pool, and a
// thread of that pool that waited there for bitmaps queued behind other skins would
// wait for ever.
QThreadPool &decodingThreads()
{
    // Never destroyed: its idle threads may still wait when the statics go at exit.
    static QThreadPool *const threads = new QThreadPool;
    return *threads;
}

BitmapFacts factsOf(const QString &name, const QString &folder)
{
    const LoadedPicture picture = loadPicture(name, folder, PictureUse::Digest);
    BitmapFacts facts;
    switch (picture.failure) {
    case LoadedPicture::Failure::None:
        facts.size = {picture.pixelSize.width(), picture.pixelSize.height()};
        facts.pixels = picture.pixels;
        break;
    case LoadedPicture::Failure::UnknownExtension:
        facts.outcome = BitmapFacts::Outcome::UnknownExtension;
        return facts;
    case LoadedPicture::Failure::CannotOpen:
        facts.outcome =
            picture.missing ? BitmapFacts::Outcome::Missing : BitmapFacts::Outcome::Unreadable;
        facts.reason = picture.reason.toStdString();
        return facts;
    case LoadedPicture::Failure::TooLarge:
        facts.outcome = BitmapFacts::Outcome::TooLarge;
        facts.size = {picture.declaredSize.width(), picture.declaredSize.height()};
        return facts;
    case LoadedPicture::Failure::Invalid:
        facts.outcome = BitmapFacts::Outcome::Invalid;
        facts.reason = picture.reason.toStdString();
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
    const QString base = fileNameFromBytes(folder);
    QHash<QString, qsizetype> indexOf;
    QStringList names;
    for (const BitmapUse &use : uses) {
        const QString name = QString::fromStdString(use.name);
        if (!use.keyMissing && !indexOf.contains(name)) {
            indexOf.insert(name, names.size());
            names << name;
        }
    }
    // Decoding is nearly all of the work, and every bitmap is a file of its own: they are
    // decoded on every core, within the budget the loader holds them to.
    const QList<BitmapFacts> examined = QtConcurrent::blockingMapped(
        &decodingThreads(), names, [&base](const QString &name) { return factsOf(name, base); });
    std::vector<BitmapFacts> facts;
    facts.reserve(uses.size());
    for (const BitmapUse &use : uses)
        facts.push_back(use.keyMissing
                            ? BitmapFacts{}
                            : examined.at(indexOf.value(QString::fromStdString(use.name))));
    return facts;
}

namespace {

// The files of the skin's own folder that no key of it or of a skin beside it leads to,
// by name.
std::vector<SkinProblem> unusedBitmaps(const SkinDocument &document,
                                       const std::vector<BitmapUse> &uses, FolderBitmaps &folders)
{
    const QString base = fileNameFromBytes(document.skinFolder);
    // The skin's own names count even where the folder's listing takes it for no skin of
    // the folder (a link, another extension).
    const QSet<QString> named = namedFiles(uses, base);
    std::vector<SkinProblem> problems;
    for (const FolderBitmaps::Bitmap &bitmap : folders.unnamed(base)) {
        if (named.contains(bitmap.key))
            continue;
        SkinProblem problem = SkinProblem::of(ProblemCode::UnusedBitmap);
        problem.file = fileNameBytes(bitmap.fileName).toStdString();
        problems.push_back(std::move(problem));
    }
    return problems;
}

// Notes come only with the folders to look for unused bitmaps in.
std::vector<SkinProblem> checkWith(const SkinDocument &document, const SkinLines &lines,
                                   FolderBitmaps *notesFrom = nullptr)
{
    const std::vector<BitmapUse> uses = bitmapUses(document, lines);
    std::vector<SkinProblem> problems =
        checkSkin(document, lines, uses, examineBitmaps(uses, document.skinFolder));
    if (notesFrom) {
        std::vector<SkinProblem> notes = unusedBitmaps(document, uses, *notesFrom);
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
    FolderBitmaps folders;
    return checkSkinFile(path, scope, folders);
}

SkinReport checkSkinFile(const QString &path, CheckScope scope, FolderBitmaps &folders)
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
    const LoadedSkin loaded = loadSkin(fileNameBytes(path).toStdString(), bytes);
    if (!loaded.isSkin()) {
        report.problems = sectionProblems(SkinLines(splitLines(bytes)), loaded.problems);
        return report;
    }
    report.version = loaded.document.targetVersion;
    report.problems = checkWith(loaded.document, SkinLines(loaded.document.openedText.lines()),
                                scope == CheckScope::WithNotes ? &folders : nullptr);
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
    // The work folder is the package's alone.
    FolderBitmaps folders;
    std::vector<SkinReport> reports;
    for (const QString &skin : package.skins()) {
        SkinReport report = checkSkinFile(package.filePath(skin), scope, folders);
        report.path = zipPath + QLatin1Char('/') + skin;
        reports.push_back(std::move(report));
    }
    return reports;
}
