#include "editor/SkinCheckReport.h"

#include "editor/EditorDocument.h"
#include "platform/ProblemText.h"
#include "platform/SkinChecker.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { MessageColumn, ElementColumn, LineColumn };

// Long enough that the moves of a drag make one check, short enough to feel at once.
constexpr int recheckDelayMs = 250;

QTreeWidgetItem *rowOf(const SkinProblem &problem, const QStyle &style)
{
    auto *row = new QTreeWidgetItem;
    row->setIcon(MessageColumn, style.standardIcon(severityOf(problem.code) == Severity::Error
                                                       ? QStyle::SP_MessageBoxCritical
                                                       : QStyle::SP_MessageBoxWarning));
    row->setText(MessageColumn, problemMessage(problem));
    row->setToolTip(MessageColumn, row->text(MessageColumn));
    if (problem.element)
        row->setText(ElementColumn, QLatin1String(problem.element->numberText));
    if (problem.line > 0)
        row->setText(LineColumn, QString::number(problem.line));
    return row;
}

} // namespace

SkinCheckReport::SkinCheckReport(EditorDocument &document, Reveal reveal, QWidget *parent)
    : QWidget(parent, Qt::Tool), document_(document), reveal_(std::move(reveal)),
      summary_(new QLabel(this)), list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("SkinCheckReport"));
    resize(760, 320);
    summary_->setObjectName(QStringLiteral("CheckSummary"));
    list_->setObjectName(QStringLiteral("ProblemList"));
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    recheckSoon_.setSingleShot(true);
    recheckSoon_.setInterval(recheckDelayMs);
    connect(&recheckSoon_, &QTimer::timeout, this, &SkinCheckReport::recheck);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &SkinCheckReport::activate);
    followDocument();
    retranslate();
}

void SkinCheckReport::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// The problems stay those of the last check; only their words change.
void SkinCheckReport::retranslate()
{
    setWindowTitle(tr("Skin prüfen"));
    list_->setHeaderLabels({tr("Meldung"), tr("Element"), tr("Zeile")});
    fill();
}

void SkinCheckReport::followDocument()
{
    const auto changed = [this] {
        if (followsDocument_ && isVisible())
            recheckSoon_.start();
    };
    connect(&document_, &EditorDocument::elementGeometryChanged, this, changed);
    connect(&document_, &EditorDocument::listsChanged, this, changed);
    connect(&document_, &EditorDocument::statePathChanged, this, changed);
    connect(&document_, &EditorDocument::upPictureChanged, this, changed);
    connect(&document_, &EditorDocument::graphicChanged, this, changed);
    connect(&document_, &EditorDocument::skinTextChanged, this, changed);
}

void SkinCheckReport::showForDocument()
{
    followsDocument_ = true;
    recheck();
    show();
    raise();
}

void SkinCheckReport::showForElement(const CatalogueEntry &entry)
{
    showForDocument();
    list_->clearSelection();
    QTreeWidgetItem *first = nullptr;
    for (std::size_t row = 0; row < problems_.size(); ++row) {
        if (problems_[row].element != &entry && problems_[row].otherElement != &entry)
            continue;
        QTreeWidgetItem *item = list_->topLevelItem(static_cast<int>(row));
        item->setSelected(true);
        if (!first)
            first = item;
    }
    if (first)
        list_->scrollToItem(first);
}

void SkinCheckReport::showForFile(const QString &path)
{
    followsDocument_ = false;
    recheckSoon_.stop();
    present(checkSkinFile(path).problems);
    show();
    raise();
}

void SkinCheckReport::recheck()
{
    present(checkSkinDocument(document_.skin()));
}

void SkinCheckReport::present(std::vector<SkinProblem> problems)
{
    problems_ = std::move(problems);
    fill();
}

void SkinCheckReport::fill()
{
    list_->clear();
    for (const SkinProblem &problem : problems_)
        list_->addTopLevelItem(rowOf(problem, *style()));
    list_->resizeColumnToContents(ElementColumn);
    list_->resizeColumnToContents(LineColumn);
    if (problems_.empty()) {
        summary_->setText(tr("Keine Probleme gefunden."));
        return;
    }
    const int errors = countOf(problems_, Severity::Error);
    const int warnings = countOf(problems_, Severity::Warning);
    // "Fehler" serves any number; a language that needs a plural takes it from %n.
    const QString warningCount = warnings == 1 ? tr("1 Warnung") : tr("%1 Warnungen").arg(warnings);
    summary_->setText(tr("%n Fehler, %1", nullptr, errors).arg(warningCount));
}

void SkinCheckReport::activate(QTreeWidgetItem *item)
{
    const int row = list_->indexOfTopLevelItem(item);
    if (row >= 0 && static_cast<std::size_t>(row) < problems_.size())
        reveal_(problems_[static_cast<std::size_t>(row)]);
}
