#pragma once

#include "editor/controls/ToolWindow.h"
#include "skin/SkinDiff.h"

#include <QTimer>

#include <functional>
#include <vector>

class Dialogs;
class EditorDocument;
class PageScenes;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The window that lists what differs between the open skin and another skin file, and
// marks it on the pages: every part that differs, and the other skin's place of an
// element moved or resized. It compares again, a moment after each change, while it is
// shown; a double click on a difference shows where it is, through `reveal`.
class SkinComparisonWindow : public ToolWindow {
    Q_OBJECT

public:
    using Reveal = std::function<void(const SkinDifference &)>;

    SkinComparisonWindow(EditorDocument &document, PageScenes &scenes, Dialogs &dialogs,
                         Reveal reveal, QWidget *parent);

    // Compares the open skin with the file and shows the result; a file that is no skin
    // is reported and nothing is shown.
    void compareWith(const QString &otherPath);
    // Closes the window and takes the marks off the pages, as when another skin opens.
    void stop();

    QTreeWidget *differenceList() const { return list_; }
    const std::vector<SkinDifference> &differences() const { return differences_; }

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void retranslate();
    void followDocument();
    bool compare();
    void fill();
    void markPages() const;
    void activate(QTreeWidgetItem *item);

    EditorDocument &document_;
    PageScenes &scenes_;
    Dialogs &dialogs_;
    Reveal reveal_;
    QLabel *summary_;
    QTreeWidget *list_;
    QTimer compareSoon_;
    QString otherPath_;
    std::vector<SkinDifference> differences_;
};
