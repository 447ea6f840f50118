#include "editor/controls/PageZoom.h"

#include "editor/controls/PageView.h"
#include "editor/controls/SkinPages.h"
#include "editor/controls/WindowActions.h"
#include "editor/controls/ZoomSteps.h"

#include <QAction>
#include <QTabWidget>

PageZoom::PageZoom(const SkinPages &pages, const WindowActions &commands) : pages_(pages)
{
    connect(commands.zoomIn, &QAction::triggered, this, [this] { setPercent(zoomedIn(percent_)); });
    connect(commands.zoomOut, &QAction::triggered, this,
            [this] { setPercent(zoomedOut(percent_)); });
    connect(commands.zoomReset, &QAction::triggered, this, [this] { setPercent(100); });
    connect(commands.zoomFit, &QAction::triggered, this, &PageZoom::fit);
    for (PageView *view : pages.views) {
        connect(view, &PageView::zoomAsked, this,
                [this, view](int steps, QPoint at) { zoomAbout(*view, steps, at); });
        connect(commands.pixelGrid, &QAction::toggled, view, &PageView::setPixelGrid);
        view->setPixelGrid(commands.pixelGrid->isChecked());
    }
}

void PageZoom::setPercent(int percent)
{
    percent = boundedZoom(percent);
    if (percent == percent_)
        return;
    percent_ = percent;
    for (PageView *view : pages_.views)
        view->setZoom(percent);
    emit changed(percent);
}

// The view under the pointer keeps the point under it; the others keep their origin.
void PageZoom::zoomAbout(PageView &view, int steps, QPoint at)
{
    int percent = percent_;
    for (; steps > 0; --steps)
        percent = zoomedIn(percent);
    for (; steps < 0; ++steps)
        percent = zoomedOut(percent);
    const QPointF held = view.mapToScene(at);
    setPercent(percent);
    view.keepUnder(held, at);
}

void PageZoom::fit()
{
    setPercent(
        pages_.views[static_cast<std::size_t>(pages_.notebook->currentIndex())]->fittingZoom());
}
