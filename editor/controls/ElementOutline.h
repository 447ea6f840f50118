#pragma once

#include "editor/controls/Workspace.h"
#include "skin/SkinDocument.h"

#include <QDockWidget>

#include <array>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The dock that lists every element shown on the current page in catalogue order:
// number, section, the player's name for it, place and size. Selecting in the list
// selects on the page and the other way round; a double click scrolls the page to the
// element, so that elements hidden behind others are reached here too.
class ElementOutline : public QDockWidget {
    Q_OBJECT

public:
    ElementOutline(const Workspace &workspace, QWidget *parent);

    QTreeWidget *tree() const { return tree_; }
    QLineEdit *filter() const { return filter_; }
    // Lists the elements of the page shown now, as they stand.
    void refill();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showRow(QTreeWidgetItem &row) const;
    void applyFilter() const;
    void followSelection();
    void selectFromTree();
    void reveal(QTreeWidgetItem *row) const;

    Workspace workspace_;
    QLineEdit *filter_;
    QTreeWidget *tree_;
    // Each element's row, found at once on every move of a drag.
    std::array<QTreeWidgetItem *, elementCount> rows_{};
    bool syncing_ = false;
};
