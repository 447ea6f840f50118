#include "editor/interaction/PageNavigation.h"

#include "editor/controls/PageView.h"
#include "editor/controls/SkinPages.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/PageItem.h"
#include "editor/scene/PageScenes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Screen pixels left between an element the page scrolls to and the view's edge.
constexpr int revealMargin = 16;

} // namespace

PageNavigation::PageNavigation(const Workspace &workspace) : workspace_(workspace)
{
    for (PageView *view : workspace_.pages.views) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }
    connect(&workspace_.document, &EditorDocument::selectionChanged, this,
            &PageNavigation::followSelection);
}

bool PageNavigation::eventFilter(QObject *watched, QEvent *event)
{
    for (PageView *view : workspace_.pages.views) {
        if (watched == view->viewport())
            return mouse(*view, *event);
        if (watched == view)
            return key(*view, *event);
    }
    return false;
}

// Space is the hand's alone: it neither reaches the page nor starts a shortcut.
bool PageNavigation::key(PageView &view, QEvent &event)
{
    switch (event.type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto &key = static_cast<const QKeyEvent &>(event);
        if (key.key() != Qt::Key_Space)
            return false;
        event.accept();
        if (event.type() != QEvent::ShortcutOverride && !key.isAutoRepeat()) {
            spaceHeld_ = event.type() == QEvent::KeyPress;
            if (!panning_)
                showHand(view);
        }
        return true;
    }
    // A release the page never sees, as the window lost the keyboard meanwhile.
    case QEvent::FocusOut:
        if (spaceHeld_) {
            spaceHeld_ = false;
            if (!panning_)
                showHand(view);
        }
        return false;
    default:
        return false;
    }
}

// While the hand holds the page, every button and move is its own; with Space held the
// pointer only hovers, so that nothing on the page reacts before the drag.
bool PageNavigation::mouse(PageView &view, QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto &press = static_cast<const QMouseEvent &>(event);
        if (panning_)
            return true;
        if (press.button() == Qt::MiddleButton ||
            (press.button() == Qt::LeftButton && spaceHeld_)) {
            beginPan(view, press);
            return true;
        }
        pressedOnPage_ = true;
        return false;
    }
    case QEvent::MouseMove: {
        const auto &move = static_cast<const QMouseEvent &>(event);
        // A release that went to another window ends the pan all the same.
        if (panning_ && !(move.buttons() & panButton_))
            endPan();
        if (panning_)
            pan(move);
        if (move.buttons() == Qt::NoButton)
            pressedOnPage_ = false;
        return panning_ || spaceHeld_;
    }
    case QEvent::MouseButtonRelease:
        if (!panning_) {
            // What the release selects (a rubber band) is still the page's own.
            QTimer::singleShot(0, this, [this] { pressedOnPage_ = false; });
            return false;
        }
        if (static_cast<const QMouseEvent &>(event).button() == panButton_)
            endPan();
        return true;
    default:
        return false;
    }
}

void PageNavigation::beginPan(PageView &view, const QMouseEvent &press)
{
    panning_ = &view;
    panButton_ = press.button();
    last_ = press.globalPosition().toPoint();
    view.viewport()->setCursor(Qt::ClosedHandCursor);
}

// The page moves with the pointer, as far as the scroll bars reach.
void PageNavigation::pan(const QMouseEvent &move)
{
    const QPoint at = move.globalPosition().toPoint();
    const QPoint by = at - last_;
    last_ = at;
    QScrollBar *across = panning_->horizontalScrollBar();
    QScrollBar *down = panning_->verticalScrollBar();
    across->setValue(across->value() - by.x());
    down->setValue(down->value() - by.y());
}

void PageNavigation::endPan()
{
    const QPointer<PageView> view = std::exchange(panning_, nullptr);
    panButton_ = Qt::NoButton;
    if (view)
        showHand(*view);
}

void PageNavigation::showHand(PageView &view) const
{
    if (spaceHeld_)
        view.viewport()->setCursor(Qt::OpenHandCursor);
    else
        view.viewport()->unsetCursor();
}

void PageNavigation::followSelection()
{
    const CatalogueEntry *entry = broughtIn();
    before_ = workspace_.document.selectedItems();
    const std::optional<Page> page = workspace_.pages.currentPage();
    if (!entry || !page || pressedOnPage_)
        return;
    PageItem *item = workspace_.scenes.views().view(*entry, *page);
    if (item && item->isVisible())
        workspace_.pages.views[static_cast<std::size_t>(*page)]->ensureVisible(item, revealMargin,
                                                                               revealMargin);
}

const CatalogueEntry *PageNavigation::broughtIn() const
{
    const std::vector<Selection> &now = workspace_.document.selectedItems();
    if (now.empty())
        return nullptr;
    std::vector<const Selection *> added;
    for (const Selection &item : now) {
        if (std::find(before_.begin(), before_.end(), item) == before_.end())
            added.push_back(&item);
    }
    const bool keyStayed = !before_.empty() && before_.front() == now.front();
    const Selection &shown = keyStayed && added.size() == 1 ? *added.front() : now.front();
    return shown.kind == Selection::Kind::Element ? shown.element : nullptr;
}
