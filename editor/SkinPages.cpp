#include "editor/SkinPages.h"

#include "editor/ClientLayout.h"
#include "editor/PictureLabel.h"

#include <QFrame>
#include <QTabWidget>

namespace {

// By tab: the three element pages, then the player view.
constexpr std::array<const char *, 4> tabTitles{
    QT_TRANSLATE_NOOP("SkinPages", "Player"), QT_TRANSLATE_NOOP("SkinPages", "Schedule"),
    QT_TRANSLATE_NOOP("SkinPages", "Description"), QT_TRANSLATE_NOOP("SkinPages", "Player-Sicht")};

void setTabTitles(QTabWidget &notebook)
{
    for (std::size_t i = 0; i < tabTitles.size(); ++i)
        notebook.setTabText(static_cast<int>(i),
                            QCoreApplication::translate("SkinPages", tabTitles[i]));
}

} // namespace

SkinPages SkinPages::create(QWidget &client)
{
    SkinPages result;
    // The plain panel behind the notebook shows while no skin is open.
    auto *behind = new QFrame(&client);
    behind->setGeometry(clientRect(0, 216, 1001, 489));

    result.Notebook = new QTabWidget(&client);
    result.Notebook->setObjectName(QStringLiteral("Notebook"));
    result.Notebook->setGeometry(clientRect(0, 200, 1001, 505));
    const std::array<const char *, 3> pageNames{"TabPlayer", "TabSchedule", "TabDescription"};
    const std::array<const char *, 3> backgroundNames{"ImageP", "ImageS", "ImageD"};
    for (std::size_t i = 0; i < pageNames.size(); ++i) {
        auto *page = new QWidget;
        page->setObjectName(QString::fromLatin1(pageNames[i]));
        result.Notebook->addTab(page, QString());
        result.pages[i] = page;
        auto *background = new PictureLabel(QString::fromLatin1(backgroundNames[i]),
                                            PictureLabel::Drawing::Natural, page);
        background->hide();
        result.backgrounds[i] = background;
    }
    auto *playerView = new QWidget;
    playerView->setObjectName(QStringLiteral("TabPlayerSicht"));
    result.Notebook->addTab(playerView, QString());
    setTabTitles(*result.Notebook);

    result.views = ElementViews(result.pages);
    result.lists = ListPanels::create(*result.pages[0], *result.pages[1], *result.pages[2]);
    result.playerView = PlayerViewPage::create(*playerView);
    result.Notebook->setCurrentIndex(static_cast<int>(Page::Description));
    result.Notebook->hide();
    return result;
}

PictureLabel *SkinPages::picture(Graphic graphic) const
{
    if (const std::optional<Page> page = backgroundPage(graphic))
        return background(*page);
    switch (graphic) {
    case Graphic::ScheduleHeader:
        return lists.Listheader2;
    case Graphic::ScheduleTile:
        return lists.List2;
    case Graphic::DescriptionHeader:
        return lists.Listheader3h;
    case Graphic::DescriptionTile:
        return lists.List3h;
    default:
        return playerView.picture(graphic);
    }
}

PictureLabel *SkinPages::mirror(Graphic graphic) const
{
    switch (graphic) {
    case Graphic::MenuLeft:
        return lists.Image1;
    case Graphic::MenuCenter:
        return lists.Image2;
    case Graphic::MenuRight:
        return lists.Image3;
    default:
        return nullptr;
    }
}

void SkinPages::retranslate() const
{
    setTabTitles(*Notebook);
    views.retranslate();
    lists.retranslate();
    playerView.retranslate();
}

void SkinPages::restack() const
{
    for (PictureLabel *background : backgrounds)
        background->lower();
    lists.raise();
}
