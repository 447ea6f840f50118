#include "editor/controls/ElementOutline.h"

#include "editor/controls/PageView.h"
#include "editor/controls/SelectionHint.h"
#include "editor/controls/SkinPages.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/PageItem.h"
#include "editor/scene/PageScenes.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { NumberColumn, SectionColumn, NameColumn, PlaceColumn, SizeColumn };

const CatalogueEntry &entryOf(const QTreeWidgetItem &row)
{
    return catalogue()[row.data(NumberColumn, Qt::UserRole).toUInt()];
}

// Opens wide enough for number, section and place without scrolling sideways, yet
// narrows as far as the user drags the dock's edge, for a small screen.
class OutlineTree : public QTreeWidget {
public:
    QSize sizeHint() const override { return {320, QTreeWidget::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {120, 120}; }
};

} // namespace

ElementOutline::ElementOutline(const Workspace &workspace, QWidget *parent)
    : QDockWidget(parent), workspace_(workspace), filter_(new QLineEdit), tree_(new OutlineTree)
{
    setObjectName(QStringLiteral("ElementOutline"));
    filter_->setObjectName(QStringLiteral("ElementFilter"));
    filter_->setClearButtonEnabled(true);
    tree_->setObjectName(QStringLiteral("ElementTree"));
    tree_->setRootIsDecorated(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setColumnCount(5);
    tree_->header()->setStretchLastSection(false);
    auto *contents = new QWidget(this);
    auto *layout = new QVBoxLayout(contents);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter_);
    layout->addWidget(tree_);
    setWidget(contents);
    retranslate();

    connect(filter_, &QLineEdit::textChanged, this, &ElementOutline::applyFilter);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &ElementOutline::selectFromTree);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &ElementOutline::reveal);
    connect(workspace_.pages.notebook, &QTabWidget::currentChanged, this, &ElementOutline::refill);
    EditorDocument &document = workspace_.document;
    connect(&document, &EditorDocument::selectionChanged, this, &ElementOutline::followSelection);
    connect(&document, &EditorDocument::elementGeometryChanged, this,
            [this](const CatalogueEntry &entry) {
                if (QTreeWidgetItem *row = rows_[catalogueIndex(entry)])
                    showRow(*row);
            });
}

void ElementOutline::refill()
{
    {
        QScopedValueRollback guard(syncing_, true);
        tree_->clear();
        rows_.fill(nullptr);
        const std::optional<Page> page = workspace_.pages.currentPage();
        for (const CatalogueEntry &entry : catalogue()) {
            const PageItem *view = page ? workspace_.scenes.views().view(entry, *page) : nullptr;
            if (!view || !view->isVisible())
                continue;
            auto *row = new QTreeWidgetItem(tree_);
            rows_[catalogueIndex(entry)] = row;
            row->setData(NumberColumn, Qt::UserRole, static_cast<uint>(catalogueIndex(entry)));
            showRow(*row);
        }
        for (int column = 0; column < tree_->columnCount(); ++column)
            tree_->resizeColumnToContents(column);
        applyFilter();
    }
    followSelection();
}

void ElementOutline::showRow(QTreeWidgetItem &row) const
{
    const CatalogueEntry &entry = entryOf(row);
    const Rect &place = workspace_.document.skin().element(entry).geometry;
    row.setText(NumberColumn, QString::fromLatin1(entry.numberText));
    row.setText(SectionColumn, QString::fromLatin1(entry.section));
    const char *hint = elementHint(entry);
    row.setText(NameColumn, hint ? QCoreApplication::translate("EditingPanel", hint) : QString());
    row.setText(PlaceColumn, tr("%1, %2").arg(place.left).arg(place.top));
    row.setText(SizeColumn, tr("%1 × %2").arg(place.width).arg(place.height));
}

void ElementOutline::applyFilter() const
{
    const QString wanted = filter_->text().trimmed();
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = tree_->topLevelItem(i);
        const bool matches = wanted.isEmpty() ||
                             row->text(NumberColumn).contains(wanted, Qt::CaseInsensitive) ||
                             row->text(SectionColumn).contains(wanted, Qt::CaseInsensitive) ||
                             row->text(NameColumn).contains(wanted, Qt::CaseInsensitive);
        row->setHidden(!matches);
    }
}

void ElementOutline::followSelection()
{
    if (syncing_)
        return;
    QScopedValueRollback guard(syncing_, true);
    const EditorDocument &document = workspace_.document;
    QTreeWidgetItem *key = nullptr;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = tree_->topLevelItem(i);
        const Selection item = Selection::of(entryOf(*row));
        row->setSelected(document.isSelected(item));
        if (document.selection() == item)
            key = row;
    }
    if (key)
        tree_->scrollToItem(key);
}

// The elements selected before keep their order, so that the key element stays key.
void ElementOutline::selectFromTree()
{
    if (syncing_)
        return;
    QScopedValueRollback guard(syncing_, true);
    EditorDocument &document = workspace_.document;
    std::vector<const CatalogueEntry *> chosen;
    for (const Selection &item : document.selectedItems()) {
        if (item.kind != Selection::Kind::Element)
            continue;
        for (QTreeWidgetItem *row : tree_->selectedItems()) {
            if (&entryOf(*row) == item.element)
                chosen.push_back(item.element);
        }
    }
    for (QTreeWidgetItem *row : tree_->selectedItems()) {
        if (std::find(chosen.begin(), chosen.end(), &entryOf(*row)) == chosen.end())
            chosen.push_back(&entryOf(*row));
    }
    document.selectElements(chosen);
}

void ElementOutline::reveal(QTreeWidgetItem *row) const
{
    const std::optional<Page> page = workspace_.pages.currentPage();
    if (!row || !page)
        return;
    if (PageItem *view = workspace_.scenes.views().view(entryOf(*row), *page))
        workspace_.pages.views[static_cast<std::size_t>(*page)]->centerOn(view);
}

void ElementOutline::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void ElementOutline::retranslate()
{
    setWindowTitle(tr("Elemente"));
    // The title just set gave the menu entry its text; the entry also needs its letter.
    toggleViewAction()->setText(tr("E&lemente"));
    filter_->setPlaceholderText(tr("Nach Nummer, Abschnitt oder Name filtern"));
    tree_->setHeaderLabels({tr("Nr."), tr("Abschnitt"), tr("Name"), tr("Position"), tr("Größe")});
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        showRow(*tree_->topLevelItem(i));
}
