#pragma once

#include <QWidget>

class QScrollArea;

// The main window's central area: the editing controls in a strip across the top, at
// the places the skin author knows, and the notebook below them. The default size is
// the one the layout was drawn for; whatever the window gains or loses beyond it is
// the notebook's, and a strip too narrow for its controls scrolls sideways.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    explicit ClientArea(QWidget *parent);

    // Where the editing controls stand, in client coordinates.
    QWidget &panelStrip() const { return *strip_; }
    // The notebook, and what shows in its place while no skin is open.
    void setPages(QWidget *notebook, QWidget *behind);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePages();

    QScrollArea *panelArea_;
    QWidget *strip_;
    QWidget *notebook_ = nullptr;
    QWidget *behind_ = nullptr;
};
