#include "skin/LayoutCheck.h"

#include "skin/SkinLines.h"

#include <array>

namespace {

struct Span {
    std::int64_t left, top, right, bottom;
};

Span spanOf(const Rect &rect)
{
    return {rect.left, rect.top, std::int64_t{rect.left} + rect.width,
            std::int64_t{rect.top} + rect.height};
}

bool intersect(const Rect &a, const Rect &b)
{
    const Span x = spanOf(a);
    const Span y = spanOf(b);
    return x.left < y.right && y.left < x.right && x.top < y.bottom && y.top < x.bottom;
}

bool inside(const Rect &rect, PixelSize page)
{
    const Span span = spanOf(rect);
    return span.left >= 0 && span.top >= 0 && span.right <= page.width &&
           span.bottom <= page.height;
}

// What the check learnt of the skin, by element and page.
class Layout {
public:
    Layout(const SkinDocument &document, const SkinLines &lines, const std::vector<BitmapUse> &uses,
           const std::vector<BitmapFacts> &facts)
        : document_(document), lines_(lines)
    {
        for (std::size_t i = 0; i < uses.size(); ++i) {
            const BitmapUse &use = uses[i];
            if (use.keyMissing || facts[i].outcome != BitmapFacts::Outcome::Decoded)
                continue;
            if (use.element)
                sizes_[catalogueIndex(*use.element)][static_cast<int>(use.state)] = {
                    facts[i].size, facts[i].pixels, &use};
            else if (const std::optional<Page> page = backgroundPage(*use.graphic))
                backgrounds_[static_cast<int>(*page)] = facts[i].size;
        }
    }

    void checkStates(const CatalogueEntry &entry, std::vector<SkinProblem> &problems) const
    {
        const auto &states = sizes_[catalogueIndex(entry)];
        const Measured &up = states[static_cast<int>(StateBitmap::Up)];
        if (!up.use)
            return;
        for (const Measured &state : states) {
            if (state.use && state.use != up.use)
                compareState(entry, state, up, problems);
        }
        const Rect &geometry = document_.element(entry).geometry;
        const PixelSize shown{geometry.width, geometry.height};
        if (up.size != shown) {
            SkinProblem problem = elementProblem(ProblemCode::BitmapSizeDiffers, entry,
                                                 entry.referencePage(), "size");
            problem.file = up.use->name;
            problem.size = up.size;
            problem.expected = shown;
            problems.push_back(std::move(problem));
        }
    }

    void checkPlace(const CatalogueEntry &entry, std::vector<SkinProblem> &problems) const
    {
        const Rect &rect = document_.element(entry).geometry;
        for (Page page : allPages) {
            const std::optional<PixelSize> &background = backgrounds_[static_cast<int>(page)];
            if (shows(entry, page) && background && !inside(rect, *background)) {
                SkinProblem problem =
                    elementProblem(ProblemCode::OutsidePage, entry, page, "position");
                problem.size = *background;
                problems.push_back(std::move(problem));
                break;
            }
        }
        for (Page page : allPages) {
            if (shows(entry, page) && intersect(rect, document_.lists.on(page))) {
                problems.push_back(
                    elementProblem(ProblemCode::CoveredByList, entry, page, "position"));
                break;
            }
        }
    }

    void checkOverlap(const CatalogueEntry &a, const CatalogueEntry &b,
                      std::vector<SkinProblem> &problems) const
    {
        if (!intersect(document_.element(a).geometry, document_.element(b).geometry))
            return;
        for (Page page : allPages) {
            if (shows(a, page) && shows(b, page)) {
                SkinProblem problem = elementProblem(ProblemCode::Overlap, a, page, "position");
                problem.otherElement = &b;
                problems.push_back(std::move(problem));
                return;
            }
        }
    }

    bool exists(const CatalogueEntry &entry) const
    {
        return existsIn(entry, document_.targetVersion);
    }

private:
    struct Measured {
        PixelSize size;
        std::uint64_t pixels = 0;
        const BitmapUse *use = nullptr;
    };

    // A state that shows the up picture again was forgotten: the button looks dead.
    void compareState(const CatalogueEntry &entry, const Measured &state, const Measured &up,
                      std::vector<SkinProblem> &problems) const
    {
        const bool sameSize = state.size == up.size;
        if (sameSize && state.pixels != up.pixels)
            return;
        SkinProblem problem =
            elementProblem(sameSize ? ProblemCode::SameStateBitmap : ProblemCode::StateSizeDiffers,
                           entry, entry.referencePage(), state.use->key);
        problem.file = state.use->name;
        problem.size = state.size;
        problem.expected = up.size;
        problems.push_back(std::move(problem));
    }

    bool shows(const CatalogueEntry &entry, Page page) const
    {
        return visibleOn(entry, page, document_.targetVersion);
    }

    SkinProblem elementProblem(ProblemCode code, const CatalogueEntry &entry, Page page,
                               std::string_view key) const
    {
        int line = lines_.keyLine(entry.section, key);
        if (line == 0)
            line = lines_.sectionLine(entry.section);
        SkinProblem problem = SkinProblem::of(code, line, entry.section, key);
        problem.element = &entry;
        problem.page = page;
        return problem;
    }

    const SkinDocument &document_;
    const SkinLines &lines_;
    std::array<std::array<Measured, 4>, elementCount> sizes_{};
    std::array<std::optional<PixelSize>, 3> backgrounds_{};
};

} // namespace

std::vector<SkinProblem> layoutProblems(const SkinDocument &document, const SkinLines &lines,
                                        const std::vector<BitmapUse> &uses,
                                        const std::vector<BitmapFacts> &facts)
{
    const Layout layout(document, lines, uses, facts);
    std::vector<SkinProblem> problems;
    const auto entries = catalogue();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!layout.exists(entries[i]))
            continue;
        layout.checkStates(entries[i], problems);
        layout.checkPlace(entries[i], problems);
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (layout.exists(entries[j]))
                layout.checkOverlap(entries[i], entries[j], problems);
        }
    }
    return problems;
}
