#include "skin/SkinCheck.h"

#include "ini/TextRules.h"
#include "skin/LayoutCheck.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLines.h"

#include <algorithm>
#include <array>

namespace {

struct CodeTraits {
    std::string_view name;
    Severity severity;
};

constexpr std::array<CodeTraits, problemCodeCount> codeTraits{{
    {"bad-package", Severity::Error},
    {"unreadable-skin", Severity::Error},
    {"not-a-skin", Severity::Error},
    {"missing-section", Severity::Error},
    {"section-typo", Severity::Warning},
    {"duplicate-section", Severity::Warning},
    {"missing-key", Severity::Error},
    {"missing-file", Severity::Error},
    {"unreadable-file", Severity::Error},
    {"unknown-extension", Severity::Error},
    {"invalid-bitmap", Severity::Error},
    {"bitmap-too-large", Severity::Error},
    {"case-mismatch", Severity::Warning},
    {"state-size-differs", Severity::Warning},
    {"bitmap-size-differs", Severity::Warning},
    {"outside-page", Severity::Warning},
    {"covered-by-list", Severity::Warning},
    {"overlap", Severity::Warning},
    {"same-state-bitmap", Severity::Warning},
    {"unused-bitmap", Severity::Note},
}};

} // namespace

std::optional<Page> graphicPage(Graphic graphic)
{
    switch (graphic) {
    case Graphic::ScheduleHeader:
    case Graphic::ScheduleTile:
        return Page::Schedule;
    case Graphic::DescriptionHeader:
    case Graphic::DescriptionTile:
        return Page::Description;
    default:
        return backgroundPage(graphic);
    }
}

namespace {

SkinProblem problemOf(ProblemCode code, const BitmapUse &use)
{
    SkinProblem problem = SkinProblem::of(code, use.line, use.section, use.key);
    problem.element = use.element;
    problem.graphic = use.graphic;
    problem.page =
        use.element ? std::optional(use.element->referencePage()) : graphicPage(*use.graphic);
    problem.file = use.name;
    return problem;
}

std::optional<ProblemCode> failureCode(BitmapFacts::Outcome outcome)
{
    switch (outcome) {
    case BitmapFacts::Outcome::Decoded:
        return std::nullopt;
    case BitmapFacts::Outcome::UnknownExtension:
        return ProblemCode::UnknownExtension;
    case BitmapFacts::Outcome::Missing:
        return ProblemCode::MissingFile;
    case BitmapFacts::Outcome::Unreadable:
        return ProblemCode::UnreadableFile;
    case BitmapFacts::Outcome::TooLarge:
        return ProblemCode::BitmapTooLarge;
    case BitmapFacts::Outcome::Invalid:
        break;
    }
    return ProblemCode::InvalidBitmap;
}

std::string extensionOf(std::string_view name)
{
    const std::size_t cut = name.find_last_of("\\/");
    const std::string_view fileName = cut == std::string_view::npos ? name : name.substr(cut + 1);
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot + 1));
}

void checkBitmap(const BitmapUse &use, const BitmapFacts &facts, std::vector<SkinProblem> &problems)
{
    if (use.keyMissing) {
        SkinProblem problem = problemOf(ProblemCode::MissingKey, use);
        problem.file.clear();
        problems.push_back(std::move(problem));
        return;
    }
    if (const std::optional<ProblemCode> failure = failureCode(facts.outcome)) {
        SkinProblem problem = problemOf(*failure, use);
        problem.size = facts.size;
        if (*failure == ProblemCode::UnknownExtension)
            problem.detail = extensionOf(use.name);
        else
            problem.detail = facts.reason;
        problems.push_back(std::move(problem));
        return;
    }
    if (!facts.foundName.empty()) {
        SkinProblem problem = problemOf(ProblemCode::CaseMismatch, use);
        problem.detail = facts.foundName;
        problems.push_back(std::move(problem));
    }
}

// The document holds a state as the skin folder joined with the name the skin gives;
// one chosen in the editor may stand anywhere.
std::string nameOf(const std::string &statePath, const std::string &folder)
{
    if (!folder.empty() && statePath.starts_with(folder))
        return statePath.substr(folder.size());
    return statePath;
}

} // namespace

std::string_view severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        break;
    }
    return "note";
}

std::string_view codeName(ProblemCode code)
{
    return codeTraits[static_cast<std::size_t>(code)].name;
}

Severity severityOf(ProblemCode code)
{
    return codeTraits[static_cast<std::size_t>(code)].severity;
}

int countOf(const std::vector<SkinProblem> &problems, Severity severity)
{
    return static_cast<int>(
        std::count_if(problems.begin(), problems.end(),
                      [&](const SkinProblem &p) { return severityOf(p.code) == severity; }));
}

std::vector<BitmapUse> bitmapUses(const SkinDocument &document, const SkinLines &lines)
{
    std::vector<BitmapUse> uses;
    for (std::size_t g = 0; g < graphicCount; ++g) {
        const auto graphic = static_cast<Graphic>(g);
        const SkinKey where = graphicKey(graphic);
        BitmapUse use;
        use.section = where.section;
        use.key = where.key;
        use.line = lines.keyLine(where.section, where.key);
        use.graphic = graphic;
        use.name = document.graphicPaths[g];
        uses.push_back(std::move(use));
    }
    for (const SkinElement &element : document.elements) {
        const CatalogueEntry &entry = *element.entry;
        if (!existsIn(entry, document.targetVersion))
            continue;
        for (StateBitmap state : allStates) {
            if (!entry.hasState(state))
                continue;
            BitmapUse use;
            use.section = entry.section;
            use.key = stateKey(state);
            use.line = lines.keyLine(use.section, use.key);
            use.element = &entry;
            use.state = state;
            use.name = nameOf(element.statePath(state), document.skinFolder);
            uses.push_back(std::move(use));
        }
    }
    // A key the file lacks reads as the name "0"; one chosen in the editor since is
    // written by the next save.
    for (BitmapUse &use : uses) {
        use.keyMissing = use.line == 0 && use.name == "0";
        if (use.keyMissing)
            use.line = lines.sectionLine(use.section);
    }
    return uses;
}

namespace {

// In the order of the file; what concerns no line goes first.
void sortByLine(std::vector<SkinProblem> &problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const SkinProblem &a, const SkinProblem &b) { return a.line < b.line; });
}

// Names that differ by one letter added, dropped, changed, or two neighbours swapped.
bool oneTypoApart(std::string_view a, std::string_view b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1 || a == b)
        return false;
    std::size_t at = 0;
    while (at < a.size() && a[at] == b[at])
        ++at;
    if (a.size() != b.size())
        return a.substr(at) == b.substr(at + 1);
    if (a.substr(at + 1) == b.substr(at + 1))
        return true;
    return at + 1 < a.size() && a[at] == b[at + 1] && a[at + 1] == b[at] &&
           a.substr(at + 2) == b.substr(at + 2);
}

bool isKnownSection(std::string_view upperName)
{
    const auto matches = [&](std::string_view known) { return asciiUpper(known) == upperName; };
    return std::any_of(requiredSections.begin(), requiredSections.end(), matches) ||
           std::any_of(version15Sections.begin(), version15Sections.end(), matches);
}

// The known section that the name misspells, when the file lacks it.
std::string_view meantSection(std::string_view upperName, const SkinLines &lines)
{
    std::string_view meant;
    const auto test = [&](std::string_view known) {
        if (meant.empty() && lines.sectionLine(known) == 0 &&
            oneTypoApart(upperName, asciiUpper(known)))
            meant = known;
    };
    std::for_each(requiredSections.begin(), requiredSections.end(), test);
    std::for_each(version15Sections.begin(), version15Sections.end(), test);
    return meant;
}

void checkHeaders(const SkinLines &lines, std::vector<SkinProblem> &problems)
{
    for (const SkinLines::Header &header : lines.headers()) {
        const std::string upperName = asciiUpper(header.name);
        if (isKnownSection(upperName)) {
            if (!header.firstOfItsName)
                problems.push_back(
                    SkinProblem::of(ProblemCode::DuplicateSection, header.line, header.name));
            continue;
        }
        if (!header.firstOfItsName)
            continue;
        const std::string_view meant = meantSection(upperName, lines);
        if (meant.empty())
            continue;
        SkinProblem problem = SkinProblem::of(ProblemCode::SectionTypo, header.line, header.name);
        problem.detail = meant;
        problems.push_back(std::move(problem));
    }
}

} // namespace

std::vector<SkinProblem> sectionProblems(const SkinLines &lines,
                                         const std::vector<LoadProblem> &loadProblems)
{
    std::vector<SkinProblem> problems;
    for (const LoadProblem &found : loadProblems) {
        if (found.kind == LoadProblem::Kind::NotASkin)
            problems.push_back(SkinProblem::of(ProblemCode::NotASkin));
        else
            problems.push_back(SkinProblem::of(ProblemCode::MissingSection,
                                               lines.sectionLine(found.section), found.section));
    }
    checkHeaders(lines, problems);
    sortByLine(problems);
    return problems;
}

std::vector<SkinProblem> checkSkin(const SkinDocument &document, const SkinLines &lines,
                                   const std::vector<BitmapUse> &uses,
                                   const std::vector<BitmapFacts> &facts)
{
    std::vector<SkinProblem> problems = sectionProblems(lines, {});
    for (std::size_t i = 0; i < uses.size(); ++i)
        checkBitmap(uses[i], facts[i], problems);
    std::vector<SkinProblem> layout = layoutProblems(document, lines, uses, facts);
    problems.insert(problems.end(), std::make_move_iterator(layout.begin()),
                    std::make_move_iterator(layout.end()));
    sortByLine(problems);
    return problems;
}
