#pragma once

#include "editor/scene/PageItem.h"

#include <QImage>
#include <QPixmap>

// A bitmap of the mock-up, drawn in one of the ways the player's pages need. A click
// and a double click are reported to whoever edits it.
class PictureItem : public PageItem {
    Q_OBJECT

public:
    enum class Drawing {
        Natural,       // own size from the top-left corner, clipped to the item
        Stretched,     // scaled to fill the item
        FollowsBitmap, // the item takes the bitmap's size whenever one is set
    };

    PictureItem(const QString &name, Drawing drawing, QGraphicsItem *parent = nullptr);

    // The bitmap is converted for the screen when it is first drawn: an open sets the
    // pictures of every page, but only one page is seen.
    void setPicture(const QImage &image);
    // No bitmap, the name of the file that could not be shown instead.
    void showMissing(const QString &fileName);
    // Leaves out the colour of the bitmap's bottom-left pixel, as the player does for
    // its markers; it holds for every bitmap set later as well.
    void setTransparent(bool transparent);

    // What the item shows: the bitmap as drawn, or the name of a missing file.
    const QPixmap &pixmap() const;
    const QString &text() const { return missing_; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void render();

    Drawing drawing_;
    QImage image_;
    mutable QPixmap shown_;      // image_ for the screen, once it was asked for
    mutable bool stale_ = false; // shown_ is not yet what image_ shows
    QPixmap stretched_;          // shown_ at the item's size, for a stretched picture
    QString missing_;
    bool transparent_ = false;
    bool pressedInside_ = false;
};
