#include "editor/interaction/KeyboardEditing.h"

#include "editor/controls/PageView.h"
#include "editor/controls/SkinPages.h"
#include "editor/controls/WindowActions.h"
#include "editor/document/EditorDocument.h"
#include "editor/interaction/ViewDragging.h"
#include "editor/scene/PageScenes.h"

#include <QAction>
#include <QKeyEvent>

#include <algorithm>
#include <optional>

namespace {

// Tab forward, Shift+Tab (which arrives as Backtab) back; nothing for other keys.
std::optional<bool> tabDirection(const QKeyEvent &key)
{
    if (key.modifiers() & ~Qt::ShiftModifier)
        return std::nullopt;
    if (key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && key.modifiers()))
        return false;
    if (key.key() == Qt::Key_Tab)
        return true;
    return std::nullopt;
}

} // namespace

KeyboardEditing::KeyboardEditing(const Workspace &workspace, ViewDragging &clicks)
    : workspace_(workspace), clicks_(clicks)
{
    for (Page page : allPages) {
        // The page is in the tab order and takes the keyboard on a click. The arrow keys
        // never scroll the view: they are the selection's.
        QWidget *view = workspace_.pages.views[static_cast<std::size_t>(page)];
        view->setFocusPolicy(Qt::StrongFocus);
        view->installEventFilter(this);
    }
}

bool KeyboardEditing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (const std::optional<bool> forward = tabDirection(key)) {
        // While the states are shown nothing is selected; Tab only passes the keyboard on.
        if (workspace_.commands.statePreview->isChecked())
            return false;
        for (Page page : allPages) {
            if (workspace_.pages.views[static_cast<std::size_t>(page)] == watched)
                return walk(page, *forward);
        }
        return false;
    }
    if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        workspace_.document.select({});
        return true;
    }
    return nudge(key);
}

bool KeyboardEditing::walk(Page page, bool forward)
{
    const std::vector<const CatalogueEntry *> shown = workspace_.scenes.views().shownOn(page);
    const Selection &key = workspace_.document.selection();
    const auto at = std::find(shown.begin(), shown.end(),
                              key.kind == Selection::Kind::Element ? key.element : nullptr);
    const auto count = static_cast<std::ptrdiff_t>(shown.size());
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (at != shown.end())
        next = (at - shown.begin()) + (forward ? 1 : -1);
    if (next < 0 || next >= count)
        return false;
    // The page follows the new selection by itself, as after any not made by the mouse.
    clicks_.pressElement(*shown[static_cast<std::size_t>(next)]);
    return true;
}

bool KeyboardEditing::nudge(const QKeyEvent &event)
{
    int x = 0;
    int y = 0;
    switch (event.key()) {
    case Qt::Key_Left:
        x = -1;
        break;
    case Qt::Key_Right:
        x = 1;
        break;
    case Qt::Key_Up:
        y = -1;
        break;
    case Qt::Key_Down:
        y = 1;
        break;
    default:
        return false;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    if (modifiers & Qt::ControlModifier)
        workspace_.document.nudge(0, 0, x * step, y * step);
    else
        workspace_.document.nudge(x * step, y * step, 0, 0);
    return true;
}
