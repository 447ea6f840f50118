#include "editor/controls/ModeBadge.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>

namespace {

// Screen pixels between the badge and the viewport's edges.
constexpr int edgeGap = 8;

} // namespace

ModeBadge::ModeBadge(const char *text, QAbstractScrollArea &view)
    : QLabel(&view), text_(text), view_(view)
{
    setObjectName(QStringLiteral("ModeBadge"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The colours of a warning light, whatever the desktop's palette.
    setStyleSheet(QStringLiteral("QLabel { background: #d9480f; color: white; font-weight: bold; "
                                 "padding: 3px 8px; border-radius: 3px; }"));
    setText(QCoreApplication::translate("ModeBadge", text_));
    // The viewport shrinks when a scroll bar appears, without the view being resized.
    view_.viewport()->installEventFilter(this);
    hide();
}

bool ModeBadge::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        place();
    return false;
}

void ModeBadge::showEvent(QShowEvent *event)
{
    place();
    QLabel::showEvent(event);
}

void ModeBadge::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setText(QCoreApplication::translate("ModeBadge", text_));
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        place();
}

void ModeBadge::place()
{
    adjustSize();
    const QRect room = view_.viewport()->geometry();
    move(room.right() + 1 - width() - edgeGap, room.top() + edgeGap);
    raise();
}
