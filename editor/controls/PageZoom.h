#pragma once

#include <QObject>
#include <QPoint>

class PageView;
struct SkinPages;
struct WindowActions;

// The one zoom of all four page views, in percent: the zoom commands and Ctrl with
// the wheel change it, the pixel grid command shows or hides the grid.
class PageZoom : public QObject {
    Q_OBJECT

public:
    PageZoom(const SkinPages &pages, const WindowActions &commands);

    int percent() const { return percent_; }
    // Any zoom, pulled into the range of the steps.
    void setPercent(int percent);

signals:
    void changed(int percent);

private:
    void zoomAbout(PageView &view, int steps, QPoint at);
    void fit();

    const SkinPages &pages_;
    int percent_ = 100;
};
