#pragma once

#include "skin/SkinCheck.h"

#include <QString>

class FolderBitmaps;

#include <string>
#include <vector>

// The skin check with its picture step: every bitmap the skin names is decoded once,
// whatever the result, and nothing stops at the first problem. No window is needed.

struct SkinReport {
    QString path;
    std::string version; // empty when the file is no skin
    std::vector<SkinProblem> problems;

    int count(Severity severity) const;
};

// Notes are only asked for when a package is to be tidied; faults are always reported.
enum class CheckScope : std::uint8_t { Faults, WithNotes };

// What decoding each bitmap use found, one per use; each name is decoded once.
std::vector<BitmapFacts> examineBitmaps(const std::vector<BitmapUse> &uses,
                                        const std::string &folder);

// Checks the skin file as the load would read it.
// With notes, the bitmaps beside the skin that no key names are listed too.
SkinReport checkSkinFile(const QString &path, CheckScope scope = CheckScope::Faults);
// The same within a run of checks that share what the skins of each folder name.
SkinReport checkSkinFile(const QString &path, CheckScope scope, FolderBitmaps &folders);

// Checks every skin of a package, unpacked into a temporary folder; each report's path
// is the package's followed by the skin's path inside it. A package that cannot be
// unpacked gives one report with the reason.
std::vector<SkinReport> checkSkinPackage(const QString &zipPath,
                                         CheckScope scope = CheckScope::Faults);

// Checks a skin as the editor holds it, unsaved places and chosen bitmaps included;
// the bitmaps are read from disk.
std::vector<SkinProblem> checkSkinDocument(const SkinDocument &document);
