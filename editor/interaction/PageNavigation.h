#pragma once

#include "editor/controls/Workspace.h"
#include "editor/document/Selection.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <vector>

class PageView;
class QMouseEvent;

// Moves the page views without changing the skin. The middle button, or the left one
// while Space is held, pans the page as a hand would; the page shown scrolls to every
// element selected elsewhere than on it (the outline, the check report, the keyboard).
class PageNavigation : public QObject {
    Q_OBJECT

public:
    explicit PageNavigation(const Workspace &workspace);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool key(PageView &view, QEvent &event);
    bool mouse(PageView &view, QEvent &event);
    void beginPan(PageView &view, const QMouseEvent &press);
    void pan(const QMouseEvent &move);
    void endPan();
    // The open hand while Space is held, else the page's own pointer.
    void showHand(PageView &view) const;
    void followSelection();
    // The element a selection brought in: the one added beside the same key element,
    // else the key element.
    const CatalogueEntry *broughtIn() const;

    Workspace workspace_;
    QPointer<PageView> panning_;
    Qt::MouseButton panButton_ = Qt::NoButton;
    QPoint last_;
    bool spaceHeld_ = false;
    bool pressedOnPage_ = false; // a selection made by the mouse there keeps the view still
    std::vector<Selection> before_;
};
