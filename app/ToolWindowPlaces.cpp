#include "app/ToolWindowPlaces.h"

#include "app/AppSettings.h"
#include "editor/windows/MainWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// Enough of a window's top to take hold of it with the mouse.
constexpr int gripWidth = 48;
constexpr int gripHeight = 16;

} // namespace

QRect firstToolWindowPlace(const QRect &mainFrame, int menuBottom, QSize size, const QRect &area)
{
    const QSize fitted = size.boundedTo(area.size());
    const int beside = mainFrame.right() + 1;
    if (beside >= area.left() && beside + fitted.width() - 1 <= area.right()) {
        const int top =
            std::clamp(mainFrame.top(), area.top(), area.bottom() - fitted.height() + 1);
        return QRect(QPoint(beside, top), fitted);
    }
    const int left =
        std::clamp(beside - fitted.width(), area.left(), area.right() - fitted.width() + 1);
    int top = std::max(menuBottom + 1, area.top());
    // A menu bar at the foot of the screen leaves too little below it; the window then
    // takes the top of the area, where that menu bar is not.
    if (area.bottom() - top + 1 < fitted.height() / 2)
        top = area.top();
    return QRect(left, top, fitted.width(), std::min(fitted.height(), area.bottom() - top + 1));
}

std::optional<QRect> placeOnScreens(const QRect &kept, const QList<QRect> &areas)
{
    const QRect grip(kept.topLeft(), QSize(kept.width(), std::min(kept.height(), gripHeight)));
    for (const QRect &area : areas) {
        const QRect held = area.intersected(grip);
        if (held.width() >= std::min(kept.width(), gripWidth) && held.height() == grip.height())
            return QRect(kept.topLeft(), kept.size().boundedTo(area.size()));
    }
    return std::nullopt;
}

ToolWindowPlaces::ToolWindowPlaces(MainWindow &main, QWidget &tool, const char *key)
    : QObject(&tool), main_(main), tool_(tool), key_(key)
{
    tool.installEventFilter(this);
    connect(&main, &MainWindow::closing, this, [this] {
        if (placed_ && tool_.isVisible())
            keep();
    });
}

// The show event comes before the window is on the screen, so it never shows at
// another place first.
bool ToolWindowPlaces::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &tool_ && event->type() == QEvent::Show && !placed_)
        place();
    else if (watched == &tool_ && event->type() == QEvent::Hide && placed_ && !event->spontaneous())
        keep();
    return QObject::eventFilter(watched, event);
}

void ToolWindowPlaces::place()
{
    placed_ = true;
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    // The rules place the frame; the window's size is without it. A window manager
    // that tells the frame only once the window is up leaves it out the first time.
    const QSize frame = tool_.frameGeometry().size() - tool_.size();
    std::optional<QRect> at;
    if (const std::optional<QRect> kept = AppSettings().toolWindowPlace(key_))
        at = placeOnScreens(QRect(kept->topLeft(), kept->size() + frame), areas);
    if (!at) {
        const QWidget *menu = main_.menuWidget();
        const int menuBottom = menu ? menu->mapToGlobal(QPoint(0, menu->height() - 1)).y()
                                    : main_.geometry().top() - 1;
        at = firstToolWindowPlace(main_.frameGeometry(), menuBottom, tool_.size() + frame,
                                  main_.screen()->availableGeometry());
    }
    tool_.resize(at->size() - frame);
    tool_.move(at->topLeft());
    kept_ = QRect(tool_.pos(), tool_.size());
}

void ToolWindowPlaces::keep()
{
    const QRect now(tool_.pos(), tool_.size());
    if (now == kept_)
        return;
    kept_ = now;
    AppSettings().writeToolWindowPlace(key_, now);
}
