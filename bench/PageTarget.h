#pragma once

#include "editor/controls/PageView.h"
#include "editor/scene/PageItem.h"
#include "editor/windows/MainWindow.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QMouseEvent>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

// An item of a page by its name, pressed and dragged the way the user does it: with
// the mouse on the viewport of the page view that shows it, its page in front.
class PageTarget {
public:
    PageTarget(const MainWindow &window, const QString &name) : window_(window)
    {
        for (std::size_t i = 0; i <= PageScenes::playerViewIndex && !item_; ++i) {
            for (QGraphicsItem *item : window.scenes().scene(i).items()) {
                auto *shown = qobject_cast<PageItem *>(item->toGraphicsObject());
                if (shown && shown->objectName() == name) {
                    item_ = shown;
                    page_ = static_cast<int>(i);
                    break;
                }
            }
        }
        if (!item_)
            qFatal("no page shows %s", qPrintable(name));
        view_ = window.pages().views[static_cast<std::size_t>(page_)];
    }

    PageItem *item() const { return item_; }
    PageView *view() const { return view_; }
    QWidget *viewport() const { return view_->viewport(); }

    // Its page in front and the item scrolled into sight, as before any press on it.
    void bringIntoView() const
    {
        window_.pages().notebook->setCurrentIndex(page_);
        view_->ensureVisible(item_, 0, 0);
    }

    // Where on the viewport a press takes the item itself: the nearest point to its
    // centre that neither another item nor a handle of the selection covers.
    QPoint grip() const
    {
        const QRectF shape = item_->boundingRect();
        const QPointF centre = shape.center();
        const int reach = static_cast<int>(std::ceil(std::max(shape.width(), shape.height())));
        for (int ring = 0; ring <= reach; ++ring) {
            for (int dy = -ring; dy <= ring; ++dy) {
                for (int dx = -ring; dx <= ring; ++dx) {
                    if (std::max(std::abs(dx), std::abs(dy)) != ring)
                        continue;
                    const QPointF inside = centre + QPointF(dx, dy);
                    if (!shape.contains(inside))
                        continue;
                    const QPoint at = view_->mapFromScene(item_->mapToScene(inside));
                    if (topmostAt(at) == item_)
                        return at;
                }
            }
        }
        qFatal("%s cannot be pressed: it is hidden", qPrintable(item_->objectName()));
    }

    // A drag's pointer moves by at least a skin pixel, however far the zoom is out.
    int skinPixelOnScreen() const
    {
        return std::max(1, static_cast<int>(std::lround(view_->transform().m11())));
    }

    void send(QEvent::Type type, QPoint at) const
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport(), &event);
    }

    // Presses at the grip, moves the pointer by `by` screen pixels and releases it.
    void drag(QPoint by) const
    {
        const QPoint from = grip();
        send(QEvent::MouseButtonPress, from);
        send(QEvent::MouseMove, from + by);
        send(QEvent::MouseButtonRelease, from + by);
    }
    void click() const { drag({0, 0}); }

private:
    QGraphicsItem *topmostAt(QPoint at) const
    {
        for (QGraphicsItem *item : view_->items(at)) {
            if (item->acceptedMouseButtons() != Qt::NoButton)
                return item;
        }
        return nullptr;
    }

    const MainWindow &window_;
    PageItem *item_ = nullptr;
    PageView *view_ = nullptr;
    int page_ = 0;
};
