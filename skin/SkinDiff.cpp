#include "skin/SkinDiff.h"

#include "ini/TextRules.h"
#include "skin/SkinLines.h"
#include "skin/SkinSave.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 14> kindNames{
    "version",
    "name",
    "section-only-in-a",
    "section-only-in-b",
    "graphic-file",
    "graphic-pixels",
    "graphic-file-and-pixels",
    "moved",
    "resized",
    "state-file",
    "state-pixels",
    "state-file-and-pixels",
    "missing-in-a",
    "missing-in-b",
};

// The kinds a bitmap's difference takes: another file named, other pixels, or both.
struct BitmapKinds {
    DifferenceKind file;
    DifferenceKind pixels;
    DifferenceKind both;
};
constexpr BitmapKinds graphicKinds{DifferenceKind::GraphicFile, DifferenceKind::GraphicPixels,
                                   DifferenceKind::GraphicFileAndPixels};
constexpr BitmapKinds stateKinds{DifferenceKind::StateFile, DifferenceKind::StatePixels,
                                 DifferenceKind::StateFileAndPixels};

// What a bitmap use stands for, whichever skin it comes from: a graphic or one state of
// an element.
constexpr std::size_t slotCount = graphicCount + elementCount * allStates.size();

std::size_t slotOf(Graphic graphic)
{
    return static_cast<std::size_t>(graphic);
}

std::size_t slotOf(const CatalogueEntry &entry, StateBitmap state)
{
    return graphicCount + catalogueIndex(entry) * allStates.size() +
           static_cast<std::size_t>(state);
}

// Each use's position by its slot, so that the two skins' uses pair up although a skin
// of the other version has elements more or fewer.
std::array<int, slotCount> positionsBySlot(const std::vector<BitmapUse> &uses)
{
    std::array<int, slotCount> positions;
    positions.fill(-1);
    for (std::size_t i = 0; i < uses.size(); ++i) {
        const BitmapUse &use = uses[i];
        positions[use.graphic ? slotOf(*use.graphic) : slotOf(*use.element, use.state)] =
            static_cast<int>(i);
    }
    return positions;
}

// A key the file lacks reads as a name that is no picture.
BitmapFacts::Outcome outcomeOf(const BitmapUse &use, const BitmapFacts &facts)
{
    return use.keyMissing ? BitmapFacts::Outcome::Missing : facts.outcome;
}

int keyOrSectionLine(const SkinLines &lines, std::string_view section, std::string_view key)
{
    const int line = lines.keyLine(section, key);
    return line > 0 ? line : lines.sectionLine(section);
}

class Differ {
public:
    Differ(const ComparedSkin &a, const ComparedSkin &b)
        : a_(a), b_(b), positionsA_(positionsBySlot(a.uses)), positionsB_(positionsBySlot(b.uses))
    {}

    std::vector<SkinDifference> run()
    {
        compareTexts(DifferenceKind::Version, a_.document.targetVersion, b_.document.targetVersion);
        compareTexts(DifferenceKind::Name, skinNameOf(a_.document), skinNameOf(b_.document));
        for (std::string_view section : requiredSections)
            compareSection(section);
        for (std::string_view section : version15Sections)
            compareSection(section);
        for (std::size_t g = 0; g < graphicCount; ++g)
            compareBitmap(slotOf(static_cast<Graphic>(g)), graphicKinds);
        for (const CatalogueEntry &entry : catalogue()) {
            if (existsIn(entry, a_.document.targetVersion) &&
                existsIn(entry, b_.document.targetVersion))
                compareElement(entry);
        }
        return std::move(differences_);
    }

private:
    void compareTexts(DifferenceKind kind, const std::string &old, const std::string &now)
    {
        if (old == now)
            return;
        SkinDifference difference;
        difference.kind = kind;
        difference.oldText = old;
        difference.newText = now;
        differences_.push_back(std::move(difference));
    }

    void compareSection(std::string_view section)
    {
        const int lineB = b_.lines.sectionLine(section);
        if ((a_.lines.sectionLine(section) > 0) == (lineB > 0))
            return;
        SkinDifference difference;
        difference.kind =
            lineB > 0 ? DifferenceKind::SectionOnlyInB : DifferenceKind::SectionOnlyInA;
        difference.section = section;
        difference.line = lineB;
        differences_.push_back(std::move(difference));
    }

    void compareElement(const CatalogueEntry &entry)
    {
        const Rect &old = a_.document.element(entry).geometry;
        const Rect &now = b_.document.element(entry).geometry;
        if (old.left != now.left || old.top != now.top)
            addPlace(DifferenceKind::Moved, entry, "position", old, now);
        if (old.width != now.width || old.height != now.height)
            addPlace(DifferenceKind::Resized, entry, "size", old, now);
        for (StateBitmap state : allStates)
            compareBitmap(slotOf(entry, state), stateKinds);
    }

    void addPlace(DifferenceKind kind, const CatalogueEntry &entry, std::string_view key,
                  const Rect &old, const Rect &now)
    {
        SkinDifference difference;
        difference.kind = kind;
        difference.element = &entry;
        difference.section = entry.section;
        difference.key = key;
        difference.oldPlace = old;
        difference.newPlace = now;
        difference.line = keyOrSectionLine(b_.lines, entry.section, key);
        differences_.push_back(std::move(difference));
    }

    // A state the element lacks has no use on either side.
    void compareBitmap(std::size_t slot, const BitmapKinds &kinds)
    {
        const int inA = positionsA_[slot];
        const int inB = positionsB_[slot];
        if (inA < 0 || inB < 0)
            return;
        const BitmapUse &old = a_.uses[static_cast<std::size_t>(inA)];
        const BitmapUse &now = b_.uses[static_cast<std::size_t>(inB)];
        const BitmapFacts &factsA = a_.facts[static_cast<std::size_t>(inA)];
        const BitmapFacts &factsB = b_.facts[static_cast<std::size_t>(inB)];
        const bool otherFile = !sameFileName(old.name, now.name);
        const bool otherPixels = !samePixels(old, factsA, now, factsB);
        if (!otherFile && !otherPixels)
            return;
        SkinDifference difference;
        difference.kind = otherFile ? (otherPixels ? kinds.both : kinds.file) : kinds.pixels;
        if (isMissing(old, factsA) != isMissing(now, factsB))
            difference.kind =
                isMissing(old, factsA) ? DifferenceKind::MissingInA : DifferenceKind::MissingInB;
        difference.element = now.element;
        difference.graphic = now.graphic;
        difference.section = now.section;
        difference.key = now.key;
        difference.oldText = old.name;
        difference.newText = now.name;
        difference.line = now.line;
        differences_.push_back(std::move(difference));
    }

    // The player finds its files whatever the case of their names, and "\" separates
    // folders as "/" does; "./" in front leads to the same file.
    static bool sameFileName(std::string_view a, std::string_view b)
    {
        return namesMatch(plainFileName(a), plainFileName(b));
    }

    static std::string plainFileName(std::string_view name)
    {
        std::string plain(name);
        std::replace(plain.begin(), plain.end(), '\\', '/');
        while (plain.starts_with("./"))
            plain.erase(0, 2);
        return plain;
    }

    // A key the skin lacks is no file it names, though it reads as one.
    static bool isMissing(const BitmapUse &use, const BitmapFacts &facts)
    {
        return !use.keyMissing && facts.outcome == BitmapFacts::Outcome::Missing;
    }

    // Two bitmaps that failed alike show nothing either way.
    static bool samePixels(const BitmapUse &useA, const BitmapFacts &factsA, const BitmapUse &useB,
                           const BitmapFacts &factsB)
    {
        const BitmapFacts::Outcome outcome = outcomeOf(useA, factsA);
        if (outcome != outcomeOf(useB, factsB))
            return false;
        return outcome != BitmapFacts::Outcome::Decoded || factsA.pixels == factsB.pixels;
    }

    const ComparedSkin &a_;
    const ComparedSkin &b_;
    std::array<int, slotCount> positionsA_;
    std::array<int, slotCount> positionsB_;
    std::vector<SkinDifference> differences_;
};

} // namespace

std::string_view kindName(DifferenceKind kind)
{
    return kindNames[static_cast<std::size_t>(kind)];
}

const CatalogueEntry *elementInB(const SkinDifference &difference)
{
    if (!difference.element && difference.kind == DifferenceKind::SectionOnlyInB)
        return findElementBySection(difference.section);
    return difference.element;
}

std::vector<SkinDifference> diffSkins(const ComparedSkin &a, const ComparedSkin &b)
{
    return Differ(a, b).run();
}
