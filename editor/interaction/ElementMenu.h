#pragma once

#include "editor/controls/Workspace.h"
#include "skin/Catalogue.h"

#include <QObject>

#include <functional>
#include <memory>

class Arranging;
class PageScene;
class QMenu;
class StatePreviews;

// The context menu of an element on the pages: the pictures of its states, the
// arrange menu, its problems in the check report, and copying its place to the
// selection. A right click on an element outside the selection selects it first; the
// menu key opens the menu of the key element.
class ElementMenu : public QObject {
    Q_OBJECT

public:
    using ShowProblems = std::function<void(const CatalogueEntry &)>;

    ElementMenu(const Workspace &workspace, StatePreviews &previews, Arranging &arranging,
                ShowProblems showProblems);

    // The menu for the element, built anew; the caller owns it.
    std::unique_ptr<QMenu> menuFor(const CatalogueEntry &entry);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addStateChoices(QMenu &menu, const CatalogueEntry &entry);
    bool openForKeyElement(const PageScene &scene);

    Workspace workspace_;
    StatePreviews &previews_;
    Arranging &arranging_;
    ShowProblems showProblems_;
};
