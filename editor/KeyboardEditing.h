#pragma once

#include <QObject>

#include <array>

class EditorDocument;
class QKeyEvent;
class QWidget;

// The arrow keys on a page view that has the keyboard: they move the selected item by a
// pixel (ten with Shift); with Ctrl they make it wider, narrower, taller or lower.
// A run of keys on one item is one step.
class KeyboardEditing : public QObject {
    Q_OBJECT

public:
    KeyboardEditing(EditorDocument &document, const std::array<QWidget *, 3> &pages);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool nudge(const QKeyEvent &event);

    EditorDocument &document_;
};
