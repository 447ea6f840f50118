#include "editor/windows/SkinCheckReport.h"

#include "editor/document/EditorDocument.h"
#include "platform/BitmapRepair.h"
#include "platform/Platform.h"
#include "platform/ProblemText.h"
#include "platform/SkinChecker.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
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

bool isReplaceable(ProblemCode code)
{
    return code == ProblemCode::MissingFile || code == ProblemCode::UnreadableFile ||
           code == ProblemCode::InvalidBitmap;
}

} // namespace

SkinCheckReport::SkinCheckReport(EditorDocument &document, Dialogs &dialogs, Reveal reveal,
                                 Reload reload, QWidget *parent)
    : ToolWindow(parent), document_(document), dialogs_(dialogs), reveal_(std::move(reveal)),
      reload_(std::move(reload)), summary_(new QLabel(this)), list_(new QTreeWidget(this)),
      replace_(new QPushButton(this))
{
    setObjectName(QStringLiteral("SkinCheckReport"));
    resize(760, 320);
    summary_->setObjectName(QStringLiteral("CheckSummary"));
    list_->setObjectName(QStringLiteral("ProblemList"));
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    replace_->setObjectName(QStringLiteral("ReplaceBitmap"));
    replace_->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    QDialogButtonBox *buttons = closingButtons();
    buttons->addButton(replace_, QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    recheckSoon_.setSingleShot(true);
    recheckSoon_.setInterval(recheckDelayMs);
    connect(&recheckSoon_, &QTimer::timeout, this, &SkinCheckReport::recheck);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &SkinCheckReport::activate);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        replace_->setEnabled(!replaceableAt(current).isEmpty());
    });
    connect(replace_, &QPushButton::clicked, this,
            [this] { replaceBitmap(replaceableAt(list_->currentItem())); });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (const std::unique_ptr<QMenu> menu = menuFor(list_->itemAt(at)))
            menu->exec(list_->viewport()->mapToGlobal(at));
    });
    followDocument();
    retranslate();
}

void SkinCheckReport::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ToolWindow::changeEvent(event);
}

// The problems stay those of the last check; only their words change.
void SkinCheckReport::retranslate()
{
    setWindowTitle(tr("Skin prüfen"));
    replace_->setText(tr("Ersetzen..."));
    list_->setHeaderLabels({tr("Meldung"), tr("Element"), tr("Zeile")});
    fill();
}

void SkinCheckReport::followDocument()
{
    document_.whenContentChanges(this, [this] {
        if (followsDocument_ && isVisible())
            recheckSoon_.start();
    });
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
    file_ = path;
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
    replace_->setEnabled(!replaceableAt(list_->currentItem()).isEmpty());
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

QString SkinCheckReport::replaceableAt(QTreeWidgetItem *item) const
{
    const int row = item ? list_->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= problems_.size())
        return {};
    const SkinProblem &problem = problems_[static_cast<std::size_t>(row)];
    return isReplaceable(problem.code) ? QString::fromStdString(problem.file) : QString();
}

// The menu keeps the name, not the row: a check while it is open refills the list.
std::unique_ptr<QMenu> SkinCheckReport::menuFor(QTreeWidgetItem *item)
{
    const QString name = replaceableAt(item);
    if (name.isEmpty())
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    connect(menu->addAction(tr("Ersetzen...")), &QAction::triggered, this,
            [this, name] { replaceBitmap(name); });
    return menu;
}

// A name that leads out of the skin's folder is refused before the user chooses a file.
void SkinCheckReport::replaceBitmap(const QString &name)
{
    if (name.isEmpty())
        return;
    const QString folder = skinFolder();
    if (const BitmapRepair place = repairTarget(name, folder); !place.ok()) {
        dialogs_.error(place.error);
        return;
    }
    const QString chosen = dialogs_.askForFile(
        {Dialogs::FileKind::OpenPicture, tr("Ersatz für %1 wählen").arg(name), folder});
    if (chosen.isEmpty())
        return;
    const BitmapRepair repair = repairBitmap(chosen, name, folder);
    if (!repair.ok()) {
        dialogs_.error(repair.error);
        return;
    }
    takeRepair(repair.target);
}

// The open skin shows the bitmap at once; the file watch would only after a delay,
// and not at all for a file that was missing, as nothing watched it. A skin whose
// load stopped is opened again; while it does not open whole, its file is checked.
void SkinCheckReport::takeRepair(const QString &bitmap)
{
    if (followsDocument_) {
        reload_.bitmap(QFileInfo(bitmap).absoluteFilePath());
        recheck();
    } else if (reload_.skin(file_)) {
        showForDocument();
    } else {
        present(checkSkinFile(file_).problems);
    }
}

QString SkinCheckReport::skinFolder() const
{
    return QString::fromStdString(followsDocument_ ? document_.skin().skinFolder
                                                   : folderOf(file_.toStdString()));
}
