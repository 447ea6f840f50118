#include "editor/controls/SkinPages.h"

#include "editor/controls/PageView.h"
#include "editor/scene/PageScenes.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

struct PageNames {
    const char *title;
    const char *tab;
    const char *view;
};

// By tab: the three element pages, then the player view.
constexpr std::array<PageNames, 4> pageNames{{
    {QT_TRANSLATE_NOOP("SkinPages", "Player"), "TabPlayer", "PlayerPageView"},
    {QT_TRANSLATE_NOOP("SkinPages", "Schedule"), "TabSchedule", "SchedulePageView"},
    {QT_TRANSLATE_NOOP("SkinPages", "Description"), "TabDescription", "DescriptionPageView"},
    {QT_TRANSLATE_NOOP("SkinPages", "Player-Sicht"), "TabPlayerSicht", "PlayerSichtPageView"},
}};

} // namespace

SkinPages SkinPages::create(QWidget &client, const PageScenes &scenes)
{
    SkinPages result;
    result.notebook = new QTabWidget(&client);
    result.notebook->setObjectName(QStringLiteral("Notebook"));
    for (std::size_t i = 0; i < pageNames.size(); ++i) {
        auto *tab = new QWidget;
        tab->setObjectName(QString::fromLatin1(pageNames[i].tab));
        auto *layout = new QVBoxLayout(tab);
        layout->setContentsMargins(0, 0, 0, 0);
        result.views[i] =
            new PageView(QString::fromLatin1(pageNames[i].view), scenes.scene(i), tab);
        layout->addWidget(result.views[i]);
        result.notebook->addTab(tab, QString());
        result.tabs[i] = tab;
    }
    result.retranslate();
    result.notebook->setCurrentIndex(static_cast<int>(Page::Description));
    result.notebook->hide();
    return result;
}

void SkinPages::retranslate() const
{
    for (std::size_t i = 0; i < pageNames.size(); ++i)
        notebook->setTabText(static_cast<int>(i),
                             QCoreApplication::translate("SkinPages", pageNames[i].title));
}

std::optional<Page> SkinPages::currentPage() const
{
    const int index = notebook->currentIndex();
    if (index < 0 || index >= static_cast<int>(allPages.size()))
        return std::nullopt;
    return allPages[static_cast<std::size_t>(index)];
}
