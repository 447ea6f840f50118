#include "platform/SkinComparison.h"

#include "platform/FileContents.h"
#include "platform/FileNames.h"
#include "platform/SkinChecker.h"
#include "platform/UnpackedPackage.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <QCoreApplication>
#include <QDir>

#include <future>
#include <optional>

namespace {

// A skin with its bitmaps decoded: all the comparison needs of one side.
struct ExaminedSkin {
    explicit ExaminedSkin(const SkinDocument &document)
        : lines(document.openedText.lines()), uses(bitmapUses(document, lines)),
          facts(examineBitmaps(uses, document.skinFolder))
    {}

    SkinLines lines;
    std::vector<BitmapUse> uses;
    std::vector<BitmapFacts> facts;
};

struct OpenedSkin {
    LoadedSkin loaded;
    std::optional<ExaminedSkin> examined; // none when the file is no skin
    QString error;
};

QString notASkinText(const QString &path)
{
    return QCoreApplication::translate("SkinComparison",
                                       "Die Datei %1 ist kein Skin: Abschnitte, die der Player "
                                       "braucht, fehlen oder sind leer.")
        .arg(shownName(QDir::toNativeSeparators(path)));
}

// By its name or by the signature a ZIP file starts with, so that a package renamed
// ".lkv" is not called a skin with its sections missing.
bool isPackage(const QString &path, const QByteArray &bytes)
{
    return isPackagePath(path) || bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

QString packageText(const QString &path)
{
    return QCoreApplication::translate("SkinComparison",
                                       "Die Datei %1 ist ein Skin-Paket (ZIP); verglichen werden "
                                       "nur Skin-Dateien (.lkv).")
        .arg(shownName(QDir::toNativeSeparators(path)));
}

OpenedSkin openSkin(const QString &path)
{
    OpenedSkin skin;
    const FileRead contents = readWholeFile(path);
    if (!contents.ok()) {
        skin.error = readFailureText(contents.failure, path);
        return skin;
    }
    if (isPackage(path, contents.bytes)) {
        skin.error = packageText(path);
        return skin;
    }
    skin.loaded = loadSkin(fileNameBytes(path).toStdString(), contents.bytes.toStdString());
    if (!skin.loaded.isSkin()) {
        skin.error = notASkinText(path);
        return skin;
    }
    skin.examined.emplace(skin.loaded.document);
    return skin;
}

std::vector<SkinDifference> diffExamined(const SkinDocument &a, const ExaminedSkin &examinedA,
                                         const SkinDocument &b, const ExaminedSkin &examinedB)
{
    return diffSkins({a, examinedA.lines, examinedA.uses, examinedA.facts},
                     {b, examinedB.lines, examinedB.uses, examinedB.facts});
}

} // namespace

SkinComparison compareSkinFiles(const QString &a, const QString &b)
{
    // Decoding the bitmaps is most of the work: the two skins are decoded side by side.
    std::future<OpenedSkin> openingA = std::async(std::launch::async, openSkin, a);
    const OpenedSkin skinB = openSkin(b);
    const OpenedSkin skinA = openingA.get();
    if (!skinA.examined)
        return {{}, skinA.error};
    if (!skinB.examined)
        return {{}, skinB.error};
    return {diffExamined(skinA.loaded.document, *skinA.examined, skinB.loaded.document,
                         *skinB.examined),
            {}};
}

SkinComparison compareSkins(const SkinDocument &open, const QString &otherPath)
{
    std::future<ExaminedSkin> examining =
        std::async(std::launch::async, [&open] { return ExaminedSkin(open); });
    const OpenedSkin other = openSkin(otherPath);
    const ExaminedSkin examinedOpen = examining.get();
    if (!other.examined)
        return {{}, other.error};
    return {diffExamined(other.loaded.document, *other.examined, open, examinedOpen), {}};
}
