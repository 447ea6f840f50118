#pragma once

#include "skin/SkinDocument.h"

#include <QGraphicsScene>
#include <QImage>

#include <optional>

class SelectionFrame;

// One page of the mock-up as a scene, in skin pixels: the Player, Schedule and
// Description pages, or the "Player-Sicht" page, which belongs to no element page.
// It needs no window; the page views show it and a picture can be taken of it.
class PageScene : public QGraphicsScene {
    Q_OBJECT

public:
    explicit PageScene(std::optional<Page> page, QObject *parent = nullptr);

    // Nothing for the "Player-Sicht" page.
    std::optional<Page> page() const { return page_; }
    SelectionFrame &selectionFrame() const { return *frame_; }

    // From the page's origin as far as what it shows reaches, cut to a side that any
    // player's page fits in: a skin may place a view millions of pixels away.
    QRect shownArea() const;
    // The page as it shows, one pixel per skin pixel, without the selection.
    QImage picture();

private:
    std::optional<Page> page_;
    SelectionFrame *frame_;
};
