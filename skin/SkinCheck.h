#pragma once

#include "skin/SkinDocument.h"
#include "skin/SkinLoad.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SkinLines;

// The skin check: every problem of a skin at once, as values. The rules here need no
// pictures decoded; what the pictures turned out to be comes in from outside.

// A note is for a tidier package, never a fault of the skin; it is asked for.
enum class Severity : std::uint8_t { Error, Warning, Note };

enum class ProblemCode : std::uint8_t {
    BadPackage,
    UnreadableSkin,
    NotASkin,
    MissingSection,
    SectionTypo,
    DuplicateSection,
    MissingKey,
    MissingFile,
    UnreadableFile,
    UnknownExtension,
    InvalidBitmap,
    BitmapTooLarge,
    CaseMismatch,
    StateSizeDiffers,
    BitmapSizeDiffers,
    OutsidePage,
    CoveredByList,
    Overlap,
    SameStateBitmap,
    UnusedBitmap,
};
inline constexpr std::size_t problemCodeCount = 20;

// The page whose look a graphic belongs to; the player-view pieces have none of the
// three.
std::optional<Page> graphicPage(Graphic graphic);

// The stable word scripts see: "error", "warning" or "note".
std::string_view severityName(Severity severity);

// The stable name scripts see: "missing-file", "overlap", ...
std::string_view codeName(ProblemCode code);
Severity severityOf(ProblemCode code);

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PixelSize &) const = default;
};

struct SkinProblem {
    ProblemCode code = ProblemCode::NotASkin;
    int line = 0; // 1-based line of the key or section; 0 when there is none
    std::string section;
    std::string key;
    const CatalogueEntry *element = nullptr;
    const CatalogueEntry *otherElement = nullptr; // the second element of an overlap
    std::optional<Graphic> graphic;
    std::optional<Page> page;
    std::string file;   // the bitmap as the skin names it
    std::string detail; // the name found instead, the section meant, an extension, or
                        // why the file cannot be used
    PixelSize size;     // what the bitmap or element measures
    PixelSize expected; // what it should measure

    static SkinProblem of(ProblemCode code, int line = 0, std::string_view section = {},
                          std::string_view key = {})
    {
        SkinProblem problem;
        problem.code = code;
        problem.line = line;
        problem.section = section;
        problem.key = key;
        return problem;
    }
};

// A bitmap key of the skin and what it names.
struct BitmapUse {
    std::string_view section;
    std::string_view key;
    int line = 0; // of the key, or of its section when the key is missing
    bool keyMissing = false;
    const CatalogueEntry *element = nullptr; // with state, or
    StateBitmap state = StateBitmap::Up;
    std::optional<Graphic> graphic; // one of the graphics
    std::string name;               // relative to the skin folder unless it is a complete path
};

// What decoding one bitmap found.
struct BitmapFacts {
    enum class Outcome : std::uint8_t {
        Decoded,
        UnknownExtension,
        Missing,
        Unreadable,
        TooLarge,
        Invalid
    };
    Outcome outcome = Outcome::Decoded;
    PixelSize size;        // when decoded, or the declared size when too large
    std::string foundName; // set when the file was found only by ignoring case
    std::string reason;    // why a missing, unreadable or invalid file cannot be used, when known
    // A digest of the decoded pixels, when decoded: equal for the same picture whatever
    // the file's colour depth or name.
    std::uint64_t pixels = 0;
};

// The bitmap keys of a loaded skin: the graphics in their order, then each element's
// states. Names come from the document, so that bitmaps chosen in the editor count.
std::vector<BitmapUse> bitmapUses(const SkinDocument &document, const SkinLines &lines);

// The problems of the file's sections: those the load found, each at the line of its
// section when it has one, then names that look like a known section misspelt and
// known sections given twice.
std::vector<SkinProblem> sectionProblems(const SkinLines &lines,
                                         const std::vector<LoadProblem> &loadProblems);

// How many of the problems are of that severity.
int countOf(const std::vector<SkinProblem> &problems, Severity severity);

// Every problem of a loaded skin, given the facts of its bitmap uses (one per use, in
// the same order), sorted by line.
std::vector<SkinProblem> checkSkin(const SkinDocument &document, const SkinLines &lines,
                                   const std::vector<BitmapUse> &uses,
                                   const std::vector<BitmapFacts> &facts);
