#pragma once

#include "editor/scene/ElementViews.h"
#include "editor/scene/ListPanels.h"
#include "editor/scene/PageScene.h"
#include "editor/scene/PlayerViewPage.h"

#include <array>
#include <memory>

class EditorDocument;
class PictureItem;
struct Selection;

// The four pages as scenes, built from the editor document without any window, and
// everything they show: the page backgrounds, the element views, the list panels and
// the pieces of the player view. Every change of the document reaches the items that
// show it, whoever made it (an edit, an undo, a load); so does the selection.
class PageScenes {
public:
    // The scenes of the element pages by Page, then the "Player-Sicht" page.
    static constexpr std::size_t playerViewIndex = 3;

    explicit PageScenes(const EditorDocument &document);
    ~PageScenes();
    PageScenes(const PageScenes &) = delete;
    PageScenes &operator=(const PageScenes &) = delete;

    PageScene &scene(std::size_t index) const { return *scenes_[index]; }
    PageScene &scene(Page page) const { return scene(static_cast<std::size_t>(page)); }
    PageScene &playerViewScene() const { return scene(playerViewIndex); }

    PictureItem *background(Page page) const { return backgrounds_[static_cast<int>(page)]; }
    const std::array<PictureItem *, 3> &backgrounds() const { return backgrounds_; }
    ElementViews &views() { return views_; }
    const ElementViews &views() const { return views_; }
    const ListPanels &lists() const { return lists_; }
    const PlayerViewPage &playerView() const { return playerView_; }

    // The picture that shows the graphic; the menu pieces also have a mirror on the
    // Player page, given by mirror().
    PictureItem *picture(Graphic graphic) const;
    PictureItem *mirror(Graphic graphic) const;
    // What stands for the selection on its pages.
    std::vector<PageItem *> itemsOf(const Selection &selection) const;
    // Sets every text of the pages again in the language now installed.
    void retranslate() const;

private:
    void followDocument();
    void showSelection() const;

    const EditorDocument &document_;
    std::array<std::unique_ptr<PageScene>, 4> scenes_;
    std::array<PictureItem *, 3> backgrounds_{};
    ElementViews views_;
    ListPanels lists_;
    PlayerViewPage playerView_;
};
