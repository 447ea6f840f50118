#include "editor/controls/ToolWindow.h"

#include <QDialogButtonBox>
#include <QKeyEvent>

ToolWindow::ToolWindow(QWidget *parent) : QWidget(parent, Qt::Tool) {}

// Only a key no control took reaches the window, so Escape in an open editor or menu
// ends that first.
void ToolWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Qt's own button names it in the language installed, and renames it on a switch.
QDialogButtonBox *ToolWindow::closingButtons()
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    return buttons;
}
