#pragma once

#include "editor/scene/FrameItems.h"
#include "editor/scene/PageItem.h"
#include "editor/scene/PictureItem.h"
#include "editor/windows/MainWindow.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

// What the user sees under a name: a control of the window, or an item on a page that
// a page view shows. Tests read both alike and press both where the user would.
class Shown {
public:
    Shown(QWidget *widget) : widget_(widget) {}
    Shown(PageItem *item) : item_(item) {}

    // So that shown->geometry() reads as for a control.
    const Shown *operator->() const { return this; }

    QWidget *widget() const { return widget_; }
    PageItem *item() const { return item_; }

    QRect geometry() const { return widget_ ? widget_->geometry() : item_->geometry(); }
    QPoint pos() const { return geometry().topLeft(); }
    QSize size() const { return geometry().size(); }
    int x() const { return geometry().x(); }
    int y() const { return geometry().y(); }
    int width() const { return geometry().width(); }
    int height() const { return geometry().height(); }
    bool isHidden() const { return widget_ ? widget_->isHidden() : !item_->isVisible(); }
    QPixmap pixmap() const
    {
        if (widget_)
            return qobject_cast<QLabel *>(widget_)->pixmap();
        return qobject_cast<PictureItem *>(item_)->pixmap();
    }
    QString text() const
    {
        if (widget_)
            return qobject_cast<QLabel *>(widget_)->text();
        if (const auto *picture = qobject_cast<PictureItem *>(item_))
            return picture->text();
        return qobject_cast<TextItem *>(item_)->text();
    }

    // The widget that a mouse event at the point inside takes, and the point there.
    QWidget *receiver() const { return widget_ ? widget_ : view()->viewport(); }
    QPoint point(QPoint at) const
    {
        if (widget_)
            return at;
        return view()->mapFromScene(item_->mapToScene(QPointF(at)));
    }
    // Where inside the item, nearest to the point first, the user sees it on top and so
    // can press it: other items or the handles of a selection may hide a part of it.
    QPoint pressablePoint(QPoint at) const
    {
        if (widget_)
            return at;
        for (int dy = 0; dy < item_->height(); ++dy) {
            for (int dx = 0; dx < item_->width(); ++dx) {
                const QPoint inside((at.x() + dx) % item_->width(),
                                    (at.y() + dy) % item_->height());
                if (topmostAt(point(inside)) == item_)
                    return inside;
            }
        }
        qFatal("%s cannot be pressed: it is hidden", qPrintable(item_->objectName()));
    }

private:
    QGraphicsItem *topmostAt(QPoint viewPoint) const
    {
        for (QGraphicsItem *item : view()->items(viewPoint)) {
            if (item->acceptedMouseButtons() != Qt::NoButton)
                return item;
        }
        return nullptr;
    }

public:
    QGraphicsView *view() const { return item_->scene()->views().front(); }

private:
    QWidget *widget_ = nullptr;
    PageItem *item_ = nullptr;
};

// A page item of the window by its name, or else its control of that name.
inline Shown findShown(const MainWindow &window, const QString &name)
{
    for (std::size_t i = 0; i <= PageScenes::playerViewIndex; ++i) {
        for (QGraphicsItem *item : window.scenes().scene(i).items()) {
            auto *shown = qobject_cast<PageItem *>(item->toGraphicsObject());
            if (shown && shown->objectName() == name)
                return shown;
        }
    }
    auto *control = window.findChild<QWidget *>(name);
    if (!control) {
        // The check box on the "Player-Sicht" page is a control standing in its scene.
        for (QGraphicsItem *item : window.scenes().playerViewScene().items()) {
            QGraphicsObject *object = item->toGraphicsObject();
            if (auto *standing = qobject_cast<QGraphicsProxyWidget *>(object);
                standing && standing->widget()->objectName() == name)
                control = standing->widget();
        }
    }
    if (!control)
        qFatal("nothing shown as %s", qPrintable(name));
    return control;
}
