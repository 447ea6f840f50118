#pragma once

#include <QLabel>

// A state preview: a label that draws its bitmap at its own size from the top-left
// corner, clipped to the label, and reports clicks to whoever edits it.
class PictureLabel : public QLabel {
    Q_OBJECT

public:
    PictureLabel(const QString &name, QWidget *parent);

    void setPicture(const QImage &image);
    // No bitmap, the name of the file that could not be shown instead.
    void showMissing(const QString &fileName);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool pressedInside_ = false;
};
