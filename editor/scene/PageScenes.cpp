#include "editor/scene/PageScenes.h"

#include "editor/document/EditorDocument.h"
#include "editor/scene/FrameItems.h"
#include "editor/scene/PictureItem.h"
#include "editor/scene/SelectionFrame.h"

namespace {

// Below every element view.
constexpr double backgroundLayer = -1;

std::array<std::unique_ptr<PageScene>, 4> createScenes()
{
    std::array<std::unique_ptr<PageScene>, 4> scenes;
    for (Page page : allPages)
        scenes[static_cast<std::size_t>(page)] = std::make_unique<PageScene>(page);
    scenes[PageScenes::playerViewIndex] = std::make_unique<PageScene>(std::nullopt);
    return scenes;
}

std::array<QGraphicsScene *, 3> elementPages(const std::array<std::unique_ptr<PageScene>, 4> &all)
{
    return {all[0].get(), all[1].get(), all[2].get()};
}

std::array<PictureItem *, 3> createBackgrounds(const std::array<std::unique_ptr<PageScene>, 4> &all)
{
    const std::array<const char *, 3> names{"ImageP", "ImageS", "ImageD"};
    std::array<PictureItem *, 3> backgrounds{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto *background =
            new PictureItem(QString::fromLatin1(names[i]), PictureItem::Drawing::Natural);
        background->setZValue(backgroundLayer);
        background->hide();
        all[i]->addItem(background);
        backgrounds[i] = background;
    }
    return backgrounds;
}

} // namespace

PageScenes::PageScenes(const EditorDocument &document)
    : document_(document), scenes_(createScenes()), backgrounds_(createBackgrounds(scenes_)),
      views_(elementPages(scenes_)),
      lists_(ListPanels::create(*scenes_[0], *scenes_[1], *scenes_[2])),
      playerView_(PlayerViewPage::create(*scenes_[playerViewIndex]))
{
    for (const CatalogueEntry &entry : catalogue()) {
        for (PageItem *view : views_.views(entry))
            view->setFlag(QGraphicsItem::ItemIsSelectable);
    }
    for (Page page : allPages) {
        backgrounds_[static_cast<std::size_t>(page)]->setFlag(QGraphicsItem::ItemIsSelectable);
        lists_.panel(page)->setFlag(QGraphicsItem::ItemIsSelectable);
    }
    followDocument();
}

PageScenes::~PageScenes() = default;

void PageScenes::followDocument()
{
    QObject *context = scenes_[0].get();
    const EditorDocument &document = document_;
    QObject::connect(&document, &EditorDocument::elementGeometryChanged, context,
                     [this](const CatalogueEntry &entry) {
                         views_.setGeometry(entry, document_.skin().element(entry).geometry);
                     });
    QObject::connect(&document, &EditorDocument::upPictureChanged, context,
                     [this](const CatalogueEntry &entry) {
                         views_.setPicture(entry, document_.upPicture(entry));
                     });
    QObject::connect(&document, &EditorDocument::listsChanged, context,
                     [this] { lists_.place(document_.skin().lists); });
    QObject::connect(&document, &EditorDocument::backgroundChanged, context, [this](Page page) {
        const Rect &size = document_.background(page);
        background(page)->resize({size.width, size.height});
    });
    QObject::connect(&document, &EditorDocument::graphicChanged, context, [this](Graphic graphic) {
        const QImage &image = document_.graphicPicture(graphic);
        picture(graphic)->setPicture(image);
        if (PictureItem *shown = mirror(graphic))
            shown->setPicture(image);
    });
    QObject::connect(&document, &EditorDocument::selectionChanged, context,
                     [this] { showSelection(); });
}

std::vector<PageItem *> PageScenes::itemsOf(const Selection &selection) const
{
    switch (selection.kind) {
    case Selection::Kind::Element:
        return views_.views(*selection.element);
    case Selection::Kind::Background:
        return {background(selection.background)};
    case Selection::Kind::PlayerList:
        return {lists_.playerFrame};
    case Selection::Kind::TrackLists:
        return {lists_.scheduleFrame, lists_.descriptionFrame};
    case Selection::Kind::None:
        break;
    }
    return {};
}

// A page background is sized by the fields alone, so its frame has no handles; nor
// has any frame while several items are selected.
void PageScenes::showSelection() const
{
    const std::vector<Selection> &selected = document_.selectedItems();
    std::array<std::vector<PageItem *>, 3> framed;
    std::array<const PageItem *, 3> keys{};
    for (Page page : allPages)
        scene(page).clearSelection();
    for (const Selection &item : selected) {
        for (PageItem *view : itemsOf(item)) {
            view->setSelected(true);
            const auto page = static_cast<PageScene *>(view->scene())->page();
            const auto index = static_cast<std::size_t>(*page);
            framed[index].push_back(view);
            if (&item == &selected.front())
                keys[index] = view;
        }
    }
    const bool resizable =
        selected.size() == 1 && selected.front().kind != Selection::Kind::Background;
    for (Page page : allPages) {
        const auto index = static_cast<std::size_t>(page);
        scene(page).frameItems(framed[index], keys[index], resizable);
    }
}

PictureItem *PageScenes::picture(Graphic graphic) const
{
    if (const std::optional<Page> page = backgroundPage(graphic))
        return background(*page);
    switch (graphic) {
    case Graphic::ScheduleHeader:
        return lists_.scheduleHeader;
    case Graphic::ScheduleTile:
        return lists_.scheduleList;
    case Graphic::DescriptionHeader:
        return lists_.descriptionHeader;
    case Graphic::DescriptionTile:
        return lists_.descriptionList;
    default:
        return playerView_.picture(graphic);
    }
}

PictureItem *PageScenes::mirror(Graphic graphic) const
{
    switch (graphic) {
    case Graphic::MenuLeft:
        return lists_.stripLeft;
    case Graphic::MenuCenter:
        return lists_.stripCentre;
    case Graphic::MenuRight:
        return lists_.stripRight;
    default:
        return nullptr;
    }
}

void PageScenes::retranslate() const
{
    views_.retranslate();
    lists_.retranslate();
    playerView_.retranslate();
}
