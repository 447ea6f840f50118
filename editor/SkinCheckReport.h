#pragma once

#include "skin/SkinCheck.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class EditorDocument;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The window that lists every problem of the open skin. It checks the skin as the
// editor holds it and checks again, a moment after each change, while it is shown. A
// double click on a problem shows where it is, through `reveal`.
class SkinCheckReport : public QWidget {
    Q_OBJECT

public:
    using Reveal = std::function<void(const SkinProblem &)>;

    SkinCheckReport(EditorDocument &document, Reveal reveal, QWidget *parent);

    // Checks the open skin now and shows the report.
    void showForDocument();
    // Checks the open skin and shows the report with the element's problems selected.
    void showForElement(const CatalogueEntry &entry);
    // Shows the problems of a skin file the editor could not open whole; edits do not
    // change it.
    void showForFile(const QString &path);

    QTreeWidget *problemList() const { return list_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void followDocument();
    void recheck();
    void present(std::vector<SkinProblem> problems);
    // Shows the problems of the last check, in the language now installed.
    void fill();
    void activate(QTreeWidgetItem *item);

    EditorDocument &document_;
    Reveal reveal_;
    QLabel *summary_;
    QTreeWidget *list_;
    QTimer recheckSoon_;
    bool followsDocument_ = false;
    std::vector<SkinProblem> problems_;
};
