#pragma once

#include "skin/SkinDocument.h"

#include <QGraphicsScene>
#include <QImage>

#include <optional>
#include <vector>

class DifferenceMarks;
class PageItem;
class QGraphicsRectItem;
class SelectionFrame;
class SnapGuides;

// One page of the mock-up as a scene, in skin pixels: the Player, Schedule and
// Description pages, or the "Player-Sicht" page, which belongs to no element page.
// It needs no window; the page views show it and a picture can be taken of it.
class PageScene : public QGraphicsScene {
    Q_OBJECT

public:
    explicit PageScene(std::optional<Page> page, QObject *parent = nullptr);

    // Nothing for the "Player-Sicht" page.
    std::optional<Page> page() const { return page_; }
    // The frame of the key item; the other selected items have frames of their own.
    SelectionFrame &selectionFrame() const { return *frames_.front(); }
    // Frames the items, the key item first when it stands on this page, with handles
    // when they are resizable; the key item of several has the strong frame.
    void frameItems(const std::vector<PageItem *> &items, const PageItem *key, bool resizable);
    // The frames in use, the key item's first.
    std::vector<SelectionFrame *> frames() const;
    SnapGuides &guides() const { return *guides_; }
    QGraphicsRectItem &rubberBand() const { return *band_; }
    DifferenceMarks &differenceMarks() const { return *differences_; }
    // The frames, guides, rubber band and differences: the editor's marks over the page, which are
    // not the page and take no press.
    bool isOverlay(const QGraphicsItem *item) const;
    // The items at the point, the topmost first, as the view whose viewport this is
    // shows them (the handles keep their screen size there).
    QList<QGraphicsItem *> itemsAt(QPointF point, const QWidget *viewport) const;
    // The topmost item of the page itself at the point: what stands below the marks.
    QGraphicsItem *pageItemAt(QPointF point, const QWidget *viewport) const;

    // The page's own area: from its origin as far as what it shows reaches, cut to the
    // largest side a key may give. A skin may place a view millions of pixels away; what
    // stands wholly beyond that side is off the page and widens it not at all.
    QRect shownArea() const;
    // The page as it shows, one pixel per skin pixel, without the selection.
    QImage picture();

private:
    std::optional<Page> page_;
    QGraphicsItem *overlay_; // above every item of the page, the list panels included
    std::vector<SelectionFrame *> frames_;
    SnapGuides *guides_;
    QGraphicsRectItem *band_;
    DifferenceMarks *differences_;
};
