#include "editor/interaction/ElementMenu.h"

#include "editor/controls/PageView.h"
#include "editor/controls/SkinPages.h"
#include "editor/controls/StatePreviews.h"
#include "editor/controls/WindowActions.h"
#include "editor/document/EditorDocument.h"
#include "editor/interaction/Arranging.h"
#include "editor/scene/PageItem.h"
#include "editor/scene/PageScenes.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>

ElementMenu::ElementMenu(const Workspace &workspace, StatePreviews &previews, Arranging &arranging,
                         ShowProblems showProblems)
    : workspace_(workspace), previews_(previews), arranging_(arranging),
      showProblems_(std::move(showProblems))
{
    for (Page page : allPages)
        workspace_.scenes.scene(page).installEventFilter(this);
}

std::unique_ptr<QMenu> ElementMenu::menuFor(const CatalogueEntry &entry)
{
    EditorDocument &document = workspace_.document;
    if (!document.isSelected(Selection::of(entry)))
        document.select(Selection::of(entry));
    auto menu = std::make_unique<QMenu>();
    addStateChoices(*menu, entry);
    menu->addSeparator();
    menu->addMenu(workspace_.commands.arrangeMenu);
    menu->addAction(tr("Im Bericht zeigen"), [this, &entry] { showProblems_(entry); });
    menu->addSeparator();
    menu->addAction(tr("Position kopieren"), [this] { arranging_.copyPlace(); });
    for (bool withSize : {false, true}) {
        QAction *paste =
            menu->addAction(withSize ? tr("Position und Größe einfügen") : tr("Position einfügen"),
                            [this, withSize] { arranging_.pastePlace(withSize); });
        paste->setEnabled(arranging_.hasCopiedPlace());
    }
    return menu;
}

// A choice is for the element clicked: one of several selected becomes the only one.
void ElementMenu::addStateChoices(QMenu &menu, const CatalogueEntry &entry)
{
    for (StateBitmap state : allStates) {
        if (!entry.hasState(state))
            continue;
        menu.addAction(tr("Bild für %1 wählen...").arg(QString::fromLatin1(stateKey(state))),
                       [this, &entry, state] {
                           if (!(workspace_.document.selection() == Selection::of(entry)))
                               workspace_.document.select(Selection::of(entry));
                           previews_.choose(state);
                       });
    }
}

bool ElementMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::GraphicsSceneContextMenu)
        return false;
    auto &scene = static_cast<PageScene &>(*watched);
    auto &menuEvent = static_cast<QGraphicsSceneContextMenuEvent &>(*event);
    if (menuEvent.reason() == QGraphicsSceneContextMenuEvent::Keyboard)
        return openForKeyElement(scene);
    const CatalogueEntry *entry = workspace_.scenes.views().entryOf(
        scene.pageItemAt(menuEvent.scenePos(), menuEvent.widget()));
    if (!entry)
        return false;
    menuFor(*entry)->exec(menuEvent.screenPos());
    return true;
}

// The menu key means the key element, wherever the pointer is; its menu opens at the
// element's centre.
bool ElementMenu::openForKeyElement(const PageScene &scene)
{
    const Selection &key = workspace_.document.selection();
    const CatalogueEntry *entry = key.kind == Selection::Kind::Element ? key.element : nullptr;
    const std::optional<Page> page = scene.page();
    const PageItem *view = entry && page ? workspace_.scenes.views().view(*entry, *page) : nullptr;
    if (!view || !view->isVisible())
        return false;
    const QGraphicsView &shown = *workspace_.pages.views[static_cast<std::size_t>(*page)];
    const QPoint centre = shown.mapFromScene(view->sceneBoundingRect().center());
    menuFor(*entry)->exec(shown.viewport()->mapToGlobal(centre));
    return true;
}
