#include "editor/scene/ElementViews.h"

#include "editor/scene/FrameItems.h"
#include "editor/scene/PageStyle.h"
#include "editor/scene/PictureItem.h"

#include <QGraphicsScene>

#include <algorithm>

namespace {

constexpr std::array<char, 3> pageLetters{'p', 's', 'd'};

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString viewName(const CatalogueEntry &entry, Page page)
{
    return QStringLiteral("Image") + latin1(entry.numberText) +
           QLatin1Char(pageLetters[static_cast<std::size_t>(page)]);
}

PageItem *createStreamLabel(const QString &name)
{
    QFont font = pageFont();
    font.setPixelSize(13);
    font.setBold(true);
    auto *label = new TextItem(name, font);
    label->setFill(Qt::white, Qt::black);
    return label;
}

} // namespace

ElementViews::ElementViews(const std::array<QGraphicsScene *, 3> &pages)
{
    for (const CatalogueEntry &entry : catalogue()) {
        for (Page page : allPages) {
            if (!entry.hasView(page))
                continue;
            const QString name = viewName(entry, page);
            PageItem *view = entry.kind == ElementKind::StreamCombo
                                 ? createStreamLabel(name)
                                 : new PictureItem(name, PictureItem::Drawing::Natural);
            view->hide();
            pages[static_cast<std::size_t>(page)]->addItem(view);
            views_[catalogueIndex(entry)][static_cast<std::size_t>(page)] = view;
        }
    }
    retranslate();
}

std::vector<const CatalogueEntry *> ElementViews::shownOn(Page page) const
{
    std::vector<const CatalogueEntry *> shown;
    for (const CatalogueEntry &entry : catalogue()) {
        const PageItem *item = view(entry, page);
        if (item && item->isVisible())
            shown.push_back(&entry);
    }
    return shown;
}

void ElementViews::retranslate() const
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.kind == ElementKind::StreamCombo) {
            for (PageItem *label : views(entry))
                static_cast<TextItem *>(label)->setText(tr("Sender"));
        }
        showToolTip(entry);
    }
}

void ElementViews::showToolTip(const CatalogueEntry &entry) const
{
    for (PageItem *view : views(entry)) {
        view->setToolTip(tr("Element %1 [%2], %3 × %4")
                             .arg(latin1(entry.numberText), latin1(entry.section))
                             .arg(view->width())
                             .arg(view->height()));
    }
}

PageItem *ElementViews::view(const CatalogueEntry &entry, Page page) const
{
    return views_[catalogueIndex(entry)][static_cast<std::size_t>(page)];
}

const CatalogueEntry *ElementViews::entryOf(const QGraphicsItem *item) const
{
    // An element without a view on a page has an empty slot there.
    if (!item)
        return nullptr;
    for (const CatalogueEntry &entry : catalogue()) {
        const auto &shown = views_[catalogueIndex(entry)];
        if (std::find(shown.begin(), shown.end(), item) != shown.end())
            return &entry;
    }
    return nullptr;
}

std::vector<PageItem *> ElementViews::views(const CatalogueEntry &entry) const
{
    std::vector<PageItem *> result;
    for (PageItem *view : views_[catalogueIndex(entry)]) {
        if (view)
            result.push_back(view);
    }
    return result;
}

void ElementViews::bringToFront(const CatalogueEntry &entry)
{
    front_ += 1;
    for (PageItem *view : views(entry))
        view->setZValue(front_);
}

void ElementViews::setGeometry(const CatalogueEntry &entry, const Rect &geometry) const
{
    for (PageItem *view : views(entry))
        view->place(geometry);
    showToolTip(entry);
}

void ElementViews::setPicture(const CatalogueEntry &entry, const QImage &image) const
{
    for (PageItem *view : views(entry)) {
        if (auto *picture = qobject_cast<PictureItem *>(view))
            picture->setPicture(image);
    }
}

void ElementViews::show(const CatalogueEntry &entry, std::string_view targetVersion) const
{
    for (Page page : allPages) {
        if (PageItem *shown = view(entry, page))
            shown->setVisible(visibleOn(entry, page, targetVersion));
    }
}

void ElementViews::hideAll() const
{
    for (const auto &perPage : views_) {
        for (PageItem *view : perPage) {
            if (view)
                view->hide();
        }
    }
}
