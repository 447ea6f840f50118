#include "editor/controls/ClientArea.h"

#include "editor/controls/ClientLayout.h"
#include "editor/controls/EditingPanel.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The size the layout was drawn for, and the room the notebook leaves to the right of
// and below itself there; the notebook keeps these margins at every size.
constexpr QSize drawnSize(1024, 719 - chromeHeight);
constexpr int pagesTop = 200 - chromeHeight;
constexpr int rightMargin = 1024 - 1001;
constexpr int bottomMargin = drawnSize.height() - pagesTop - 505;
// Where the panel behind the notebook begins, below the notebook's tab bar.
constexpr int behindOffset = 216 - 200;
// The editing controls end at the right edge of "Bildname"'s group, and a margin.
constexpr int stripWidth =
    EditingPanel::nameGroupPlace.x() + EditingPanel::nameGroupPlace.width() + 8;
// The least of a page a window can come down to: a tab bar and a few rows of the page.
constexpr QSize smallestPages(240, 120);

} // namespace

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent), panelArea_(new QScrollArea(this)), strip_(new QWidget)
{
    setObjectName(QStringLiteral("Client"));
    panelArea_->setObjectName(QStringLiteral("EditingPanelArea"));
    panelArea_->setFrameShape(QFrame::NoFrame);
    panelArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    panelArea_->setWidgetResizable(true);
    strip_->setObjectName(QStringLiteral("EditingPanelStrip"));
    strip_->setMinimumSize(stripWidth, pagesTop);
    panelArea_->setWidget(strip_);
    // A control reached by the keyboard scrolls into sight, from wherever the focus came.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && strip_->isAncestorOf(now))
            panelArea_->ensureWidgetVisible(now);
    });
}

void ClientArea::setPages(QWidget *notebook, QWidget *behind)
{
    notebook_ = notebook;
    behind_ = behind;
    behind_->stackUnder(notebook_);
    behind_->setHidden(notebook_->isVisibleTo(this));
    notebook_->installEventFilter(this);
    placePages();
}

// What stands behind the notebook must not take the focus from under it.
bool ClientArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == notebook_ &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        behind_->setVisible(event->type() == QEvent::HideToParent);
    return QWidget::eventFilter(watched, event);
}

QSize ClientArea::sizeHint() const
{
    return drawnSize;
}

QSize ClientArea::minimumSizeHint() const
{
    return {smallestPages.width() + rightMargin,
            pagesTop + panelArea_->horizontalScrollBar()->sizeHint().height() +
                smallestPages.height() + bottomMargin};
}

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placePages();
}

// The strip grows by the height of its scroll bar when it needs one, so that no
// control hides under the bar; the pages begin below it.
void ClientArea::placePages()
{
    const bool scrolls = width() < stripWidth;
    const int stripHeight =
        pagesTop + (scrolls ? panelArea_->horizontalScrollBar()->sizeHint().height() : 0);
    panelArea_->setGeometry(0, 0, width(), stripHeight);
    const QRect pages(0, stripHeight, width() - rightMargin, height() - stripHeight - bottomMargin);
    if (notebook_)
        notebook_->setGeometry(pages);
    if (behind_)
        behind_->setGeometry(pages.adjusted(0, behindOffset, 0, 0));
}
