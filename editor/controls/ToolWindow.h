#pragma once

#include <QWidget>

class QDialogButtonBox;

// A window beside the main window that lists something about the open skin. It stays
// above the main window, and Escape closes it as it closes a dialog.
class ToolWindow : public QWidget {
    Q_OBJECT

public:
    explicit ToolWindow(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A row of buttons whose "Schließen" closes the window; the caller adds its own.
    QDialogButtonBox *closingButtons();
};
