#pragma once

#include "skin/SkinDocument.h"

#include <array>
#include <optional>

class PageScenes;
class PageView;
class QTabWidget;
class QWidget;

// The notebook with the mock-up of the player: the three element pages and the
// "Player-Sicht" page, each a view of its scene.
struct SkinPages {
    QTabWidget *notebook = nullptr;
    std::array<QWidget *, 4> tabs{};   // by Page, then the "Player-Sicht" page
    std::array<PageView *, 4> views{}; // in the same order

    static SkinPages create(QWidget &client, const PageScenes &scenes);

    QWidget *tab(Page page) const { return tabs[static_cast<std::size_t>(page)]; }
    QWidget *playerViewTab() const { return tabs.back(); }
    // The element page whose tab is shown; nothing on the "Player-Sicht" page.
    std::optional<Page> currentPage() const;
    // Has the scenes take in what changed in them: the shown one first, as a scene that
    // does paints the window at once.
    void settleScenes() const;
    // Sets the tab titles again in the language now installed.
    void retranslate() const;
};
