#include "editor/PageExport.h"

#include "editor/SkinPages.h"

#include <QTabWidget>

#include <algorithm>

namespace {

// Far enough for any page a player shows; a skin may place a view millions of pixels
// away, and the picture must not grow with it.
constexpr int largestSide = 8192;

QSize extentOf(const QWidget &page)
{
    QRect shown(0, 0, 1, 1);
    for (const QWidget *child : page.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(&page))
            shown = shown.united(child->geometry());
    }
    return {std::min(shown.right() + 1, largestSide), std::min(shown.bottom() + 1, largestSide)};
}

QImage render(QWidget &page)
{
    page.resize(extentOf(page));
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    page.render(&image);
    return image;
}

} // namespace

std::vector<PagePicture> renderPages(const SkinPages &pages)
{
    QWidget *playerView = pages.Notebook->widget(3);
    return {
        {QStringLiteral("player.png"), render(*pages.pages[static_cast<int>(Page::Player)])},
        {QStringLiteral("schedule.png"), render(*pages.pages[static_cast<int>(Page::Schedule)])},
        {QStringLiteral("description.png"),
         render(*pages.pages[static_cast<int>(Page::Description)])},
        {QStringLiteral("player-view.png"), render(*playerView)},
    };
}
