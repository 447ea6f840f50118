#include "editor/PageExport.h"

#include "editor/PageScenes.h"

std::vector<PagePicture> renderPages(const PageScenes &scenes)
{
    return {
        {QStringLiteral("player.png"), scenes.scene(Page::Player).picture()},
        {QStringLiteral("schedule.png"), scenes.scene(Page::Schedule).picture()},
        {QStringLiteral("description.png"), scenes.scene(Page::Description).picture()},
        {QStringLiteral("player-view.png"), scenes.playerViewScene().picture()},
    };
}

QStringList pageFileNames()
{
    return {QStringLiteral("player.png"), QStringLiteral("schedule.png"),
            QStringLiteral("description.png"), QStringLiteral("player-view.png")};
}
