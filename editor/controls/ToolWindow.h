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
    // Wide enough for a message beside its element and line, high enough for a dozen
    // rows, until the user gives it a size of their own.
    static constexpr QSize firstSize{760, 320};

    void keyPressEvent(QKeyEvent *event) override;
    // A row of buttons whose "Schließen" closes the window; the caller adds its own.
    QDialogButtonBox *closingButtons();
};
