// The skin check on arbitrary text, with made-up findings for its bitmaps. Every
// problem must point at a line of the text that says what it is about, the lines must
// agree with what the profile reader reads, and the problems must come in the order
// of the file.

#include "fuzz/FuzzSupport.h"
#include "ini/FileBytes.h"
#include "ini/ProfileReader.h"
#include "ini/TextRules.h"
#include "skin/SkinCheck.h"
#include "skin/SkinLines.h"
#include "skin/SkinLoad.h"

#include <algorithm>
#include <functional>

namespace {

// What the bitmap of a name turned out to be, the same for the same name.
BitmapFacts madeUpFacts(const std::string &name)
{
    const std::size_t hash = std::hash<std::string>{}(name);
    BitmapFacts facts;
    facts.outcome = static_cast<BitmapFacts::Outcome>(hash % 8 < 6 ? 0 : 1 + hash % 5);
    facts.size = {static_cast<std::int32_t>(hash >> 8 & 0x3f),
                  static_cast<std::int32_t>(hash >> 16 & 0x3f)};
    if (hash & 0x1000000)
        facts.foundName = asciiUpper(name);
    return facts;
}

void checkUsesAgreeWithTheReader(const std::vector<BitmapUse> &uses, const SkinLines &lines,
                                 const ProfileReader &reader, const std::vector<std::string> &text)
{
    for (const BitmapUse &use : uses) {
        require(use.line >= 0 && use.line <= static_cast<int>(text.size()), "line out of range");
        if (use.keyMissing) {
            require(reader.readString(use.section, use.key, "\x01") == "\x01",
                    "a key the reader finds counts as missing");
            require(use.line == lines.sectionLine(use.section), "a missing key not at its section");
            continue;
        }
        if (use.line == 0)
            continue;
        const std::string_view line = trimBlanks(text[static_cast<std::size_t>(use.line) - 1]);
        require(namesMatch(trimBlanks(line.substr(0, line.find('='))), use.key),
                "a key's line holds another key");
    }
}

void checkProblems(const std::vector<SkinProblem> &problems, const std::vector<std::string> &text,
                   std::string_view version)
{
    require(
        std::is_sorted(problems.begin(), problems.end(),
                       [](const SkinProblem &a, const SkinProblem &b) { return a.line < b.line; }),
        "problems out of the file's order");
    for (const SkinProblem &problem : problems) {
        require(!codeName(problem.code).empty(), "a problem without a code");
        require(problem.line >= 0 && problem.line <= static_cast<int>(text.size()),
                "a problem's line out of range");
        require(!problem.element || version.empty() || existsIn(*problem.element, version),
                "a problem of an element the skin does not have");
        require(problem.code != ProblemCode::Overlap || problem.otherElement,
                "an overlap without its second element");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lines = splitLines(text);
    const SkinLines located(lines);
    const LoadedSkin loaded = loadSkin("/skins/fuzz.lkv", text);
    if (!loaded.isSkin()) {
        checkProblems(sectionProblems(located, loaded.problems), lines, {});
        return 0;
    }
    const SkinDocument &document = loaded.document;
    const std::vector<BitmapUse> uses = bitmapUses(document, located);
    checkUsesAgreeWithTheReader(uses, located, ProfileReader(text), lines);
    std::vector<BitmapFacts> facts;
    for (const BitmapUse &use : uses)
        facts.push_back(madeUpFacts(use.name));
    checkProblems(checkSkin(document, located, uses, facts), lines, document.targetVersion);
    return 0;
}
