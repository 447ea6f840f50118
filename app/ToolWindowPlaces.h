#pragma once

#include <QList>
#include <QObject>
#include <QRect>

#include <optional>

class MainWindow;
class QWidget;

// Where a tool window of the size opens the first time: beside the main window's frame
// to its right when the screen's available area has room there, else over the main
// window with its right edge on the main window's and its top below the menu bar
// (whose lowest row is `menuBottom`). Always wholly on the area, shorter if it must.
QRect firstToolWindowPlace(const QRect &mainFrame, int menuBottom, QSize size, const QRect &area);

// The place the user left a window at, when enough of its top is still on one of the
// screens' available areas to take hold of it; its size no larger than that area.
std::optional<QRect> placeOnScreens(const QRect &kept, const QList<QRect> &areas);

// Opens a tool window of the main window where the user left it, or the first time
// beside the main window, and keeps in the settings where the user puts it: when it
// closes, and when the main window closes while it is open.
class ToolWindowPlaces : public QObject {
public:
    // `key` names the window in the settings; the object lives as long as the window.
    ToolWindowPlaces(MainWindow &main, QWidget &tool, const char *key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void keep();

    MainWindow &main_;
    QWidget &tool_;
    const char *key_;
    bool placed_ = false;
    // Where the window was put; one the user leaves there writes nothing, so that it
    // opens beside the main window again, wherever that is then.
    QRect kept_;
};
