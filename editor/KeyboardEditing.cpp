#include "editor/KeyboardEditing.h"

#include "editor/EditorDocument.h"

#include <QKeyEvent>
#include <QWidget>

KeyboardEditing::KeyboardEditing(EditorDocument &document, const std::array<QWidget *, 3> &pages)
    : document_(document)
{
    for (QWidget *page : pages) {
        // A click on the page gives it the keyboard; Tab passes it on as before. The
        // arrow keys never scroll the view: they are the selection's.
        page->setFocusPolicy(Qt::ClickFocus);
        page->installEventFilter(this);
    }
}

bool KeyboardEditing::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        document_.select({});
        return true;
    }
    return nudge(key);
}

bool KeyboardEditing::nudge(const QKeyEvent &event)
{
    int x = 0;
    int y = 0;
    switch (event.key()) {
    case Qt::Key_Left:
        x = -1;
        break;
    case Qt::Key_Right:
        x = 1;
        break;
    case Qt::Key_Up:
        y = -1;
        break;
    case Qt::Key_Down:
        y = 1;
        break;
    default:
        return false;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    if (modifiers & Qt::ControlModifier)
        document_.nudge(0, 0, x * step, y * step);
    else
        document_.nudge(x * step, y * step, 0, 0);
    return true;
}
