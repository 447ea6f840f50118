#pragma once

#include "editor/PageItem.h"

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

    void setPicture(const QImage &image);
    // The same with the bitmap converted for the screen already, once for all the
    // items that show it.
    void setPicture(const QImage &image, const QPixmap &converted);
    // No bitmap, the name of the file that could not be shown instead.
    void showMissing(const QString &fileName);
    // Leaves out the colour of the bitmap's bottom-left pixel, as the player does for
    // its markers; it holds for every bitmap set later as well.
    void setTransparent(bool transparent);

    // What the item shows: the bitmap as drawn, or the name of a missing file.
    const QPixmap &pixmap() const { return shown_; }
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
    QPixmap converted_;
    QPixmap shown_;
    QPixmap stretched_; // shown_ at the item's size, for a stretched picture
    QString missing_;
    bool transparent_ = false;
    bool pressedInside_ = false;
};
