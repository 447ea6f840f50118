#pragma once

#include "skin/Catalogue.h"

#include <QPointF>
#include <QPointer>

#include <vector>

class ElementViews;
class PageScene;

// The rubber band drawn from a press on the page's background: once the pointer has
// gone a few pixels, it selects every shown element it touches.
class RubberBand {
public:
    explicit RubberBand(const ElementViews &views) : views_(views) {}

    void begin(PageScene &scene, QPointF from);
    // Follows the pointer; true once the band shows.
    bool stretch(QPointF to, qreal screenScale);
    bool isDrawn() const { return drawn_; }
    bool isHeld() const { return scene_ != nullptr; }
    // The elements it touches, in catalogue order; ends the band.
    std::vector<const CatalogueEntry *> finish();
    void cancel();

private:
    const ElementViews &views_;
    QPointer<PageScene> scene_;
    QPointF from_;
    bool drawn_ = false;
};
