#pragma once

#include "editor/controls/Workspace.h"
#include "skin/SkinDocument.h"

#include <QObject>

class ViewDragging;
class QKeyEvent;

// The keyboard on an element page that has it: the arrow keys move the selected item by
// a pixel (ten with Shift); with Ctrl they make it wider, narrower, taller or lower, and
// a run of keys on one item is one step. Tab and Shift+Tab select the page's elements one
// after the other in the outline's order, Escape lets go of the selection.
class KeyboardEditing : public QObject {
    Q_OBJECT

public:
    // The clicks select as a press on an element view does.
    KeyboardEditing(const Workspace &workspace, ViewDragging &clicks);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool nudge(const QKeyEvent &event);
    // Selects the element after (before) the key element; false past either end, where
    // the keyboard leaves the page as Tab always does.
    bool walk(Page page, bool forward);

    Workspace workspace_;
    ViewDragging &clicks_;
};
