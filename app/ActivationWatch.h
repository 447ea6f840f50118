#pragma once

#include <QObject>

class QWidget;

// Tells when a window becomes the program's active window after none or another
// window of the program was: at its first showing, and whenever a dialog or message
// box of the program closes. Coming back from another program does not count, and
// neither does a file dialog.
class ActivationWatch : public QObject {
    Q_OBJECT

public:
    explicit ActivationWatch(QWidget &window);

signals:
    void activated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool firstActivation_ = true;
    bool ownWindowTookOver_ = false;
};
