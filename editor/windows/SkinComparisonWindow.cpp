#include "editor/windows/SkinComparisonWindow.h"

#include "editor/document/EditorDocument.h"
#include "editor/scene/ComparisonMarks.h"
#include "platform/DifferenceText.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "platform/SkinComparison.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { MessageColumn, ElementColumn };

// As the check report: the moves of a drag make one comparison.
constexpr int compareDelayMs = 250;

QTreeWidgetItem *rowOf(const SkinDifference &difference)
{
    auto *row = new QTreeWidgetItem;
    row->setText(MessageColumn, differenceMessage(difference));
    row->setToolTip(MessageColumn, row->text(MessageColumn));
    if (difference.element)
        row->setText(ElementColumn, QLatin1String(difference.element->numberText));
    return row;
}

} // namespace

SkinComparisonWindow::SkinComparisonWindow(EditorDocument &document, PageScenes &scenes,
                                           Dialogs &dialogs, Reveal reveal, QWidget *parent)
    : ToolWindow(parent), document_(document), scenes_(scenes), dialogs_(dialogs),
      reveal_(std::move(reveal)), summary_(new QLabel(this)), list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("SkinComparison"));
    resize(760, 320);
    summary_->setObjectName(QStringLiteral("ComparisonSummary"));
    summary_->setWordWrap(true);
    list_->setObjectName(QStringLiteral("DifferenceList"));
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    layout->addWidget(closingButtons());
    compareSoon_.setSingleShot(true);
    compareSoon_.setInterval(compareDelayMs);
    connect(&compareSoon_, &QTimer::timeout, this, &SkinComparisonWindow::compare);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &SkinComparisonWindow::activate);
    followDocument();
    retranslate();
}

void SkinComparisonWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ToolWindow::changeEvent(event);
}

// Closed, the comparison leaves nothing on the pages; minimised, it stays.
void SkinComparisonWindow::hideEvent(QHideEvent *event)
{
    ToolWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    compareSoon_.stop();
    differences_.clear();
    markPages();
}

void SkinComparisonWindow::retranslate()
{
    setWindowTitle(tr("Vergleich"));
    list_->setHeaderLabels({tr("Unterschied"), tr("Element")});
    fill();
}

void SkinComparisonWindow::followDocument()
{
    document_.whenContentChanges(this, [this] {
        if (isVisible())
            compareSoon_.start();
    });
}

void SkinComparisonWindow::compareWith(const QString &otherPath)
{
    otherPath_ = otherPath;
    if (!compare())
        return;
    show();
    raise();
}

void SkinComparisonWindow::stop()
{
    otherPath_.clear();
    hide();
}

bool SkinComparisonWindow::compare()
{
    SkinComparison comparison = compareSkins(document_.skin(), otherPath_);
    if (!comparison.ok()) {
        dialogs_.error(comparison.error);
        stop();
        return false;
    }
    differences_ = std::move(comparison.differences);
    fill();
    markPages();
    return true;
}

void SkinComparisonWindow::fill()
{
    list_->clear();
    for (const SkinDifference &difference : differences_)
        list_->addTopLevelItem(rowOf(difference));
    list_->resizeColumnToContents(ElementColumn);
    const QString other = shownName(QFileInfo(otherPath_).fileName());
    const std::size_t count = differences_.size();
    if (count == 0)
        summary_->setText(tr("Das offene Skin (B) gleicht „%1“ (A).").arg(other));
    else if (count == 1)
        summary_->setText(
            tr("1 Unterschied zwischen „%1“ (A) und dem offenen Skin (B).").arg(other));
    else
        summary_->setText(tr("%1 Unterschiede zwischen „%2“ (A) und dem offenen Skin (B).")
                              .arg(QString::number(count), other));
}

void SkinComparisonWindow::markPages() const
{
    markDifferences(scenes_, differences_);
}

void SkinComparisonWindow::activate(QTreeWidgetItem *item)
{
    const int row = list_->indexOfTopLevelItem(item);
    if (row >= 0 && static_cast<std::size_t>(row) < differences_.size())
        reveal_(differences_[static_cast<std::size_t>(row)]);
}
