#pragma once

#include <QLabel>

// A picture control of the mock-up: a label that draws its bitmap in one of the ways
// the player's pages need and reports the mouse to whoever edits it.
class PictureLabel : public QLabel {
    Q_OBJECT

public:
    enum class Drawing {
        Natural,       // own size from the top-left corner, clipped to the control
        Stretched,     // scaled to fill the control
        FollowsBitmap, // the control takes the bitmap's size whenever one is set
    };

    explicit PictureLabel(const QString &name, Drawing drawing, QWidget *parent);

    void setPicture(const QImage &image);
    // The same with the bitmap converted for the screen already, once for all the
    // controls that show it.
    void setPicture(const QImage &image, const QPixmap &converted);
    // No bitmap, the name of the file that could not be shown instead.
    void showMissing(const QString &fileName);
    // Leaves out the colour of the bitmap's bottom-left pixel, as the player does for
    // its markers; it holds for every bitmap set later as well.
    void setTransparent(bool transparent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void render();

    Drawing drawing_;
    QImage image_;
    QPixmap converted_;
    bool transparent_ = false;
    bool pressedInside_ = false;
};
