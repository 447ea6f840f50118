#include "app/ActivationWatch.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QWidget>

ActivationWatch::ActivationWatch(QWidget &window) : QObject(&window)
{
    window.installEventFilter(this);
}

bool ActivationWatch::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate) {
        // The application names its new active window before it tells the old one:
        // none when the user went to another program.
        QWidget *successor = QApplication::activeWindow();
        if (successor && !qobject_cast<QFileDialog *>(successor))
            ownWindowTookOver_ = true;
    } else if (event->type() == QEvent::WindowActivate) {
        if (firstActivation_ || ownWindowTookOver_)
            emit activated();
        firstActivation_ = false;
        ownWindowTookOver_ = false;
    }
    return false;
}
