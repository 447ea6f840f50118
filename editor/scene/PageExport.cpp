#include "editor/scene/PageExport.h"

#include "editor/scene/PageScenes.h"

#include <array>

namespace {

const std::array<QString, pageCount> &fileNames()
{
    static const std::array<QString, pageCount> names{
        QStringLiteral("player.png"), QStringLiteral("schedule.png"),
        QStringLiteral("description.png"), QStringLiteral("player-view.png")};
    return names;
}

} // namespace

PagePicture renderPage(const PageScenes &scenes, std::size_t index)
{
    return {fileNames()[index], scenes.scene(index).picture()};
}

std::vector<PagePicture> renderPages(const PageScenes &scenes)
{
    std::vector<PagePicture> pages;
    for (std::size_t index = 0; index < pageCount; ++index)
        pages.push_back(renderPage(scenes, index));
    return pages;
}

QStringList pageFileNames()
{
    return QStringList(fileNames().begin(), fileNames().end());
}
