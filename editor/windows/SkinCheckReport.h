#pragma once

#include "editor/controls/ToolWindow.h"
#include "skin/SkinCheck.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class Dialogs;
class EditorDocument;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The window that lists every problem of the open skin. It checks the skin as the
// editor holds it and checks again, a moment after each change, while it is shown. A
// double click on a problem shows where it is, through `reveal`. A bitmap that is
// missing or cannot be read can be replaced from here by one the user chooses.
class SkinCheckReport : public ToolWindow {
    Q_OBJECT

public:
    using Reveal = std::function<void(const SkinProblem &)>;
    // What a replaced bitmap needs of the window: the open skin shows the file (an
    // absolute path) again; a skin file whose load stopped is opened again, true when
    // it opened whole.
    struct Reload {
        std::function<void(const QString &bitmap)> bitmap;
        std::function<bool(const QString &skinFile)> skin;
    };

    SkinCheckReport(EditorDocument &document, Dialogs &dialogs, Reveal reveal, Reload reload,
                    QWidget *parent);

    // Checks the open skin now and shows the report.
    void showForDocument();
    // Checks the open skin and shows the report with the element's problems selected.
    void showForElement(const CatalogueEntry &entry);
    // Shows the problems of a skin file the editor could not open whole; edits do not
    // change it.
    void showForFile(const QString &path);

    QTreeWidget *problemList() const { return list_; }
    // The context menu of a row; none for a row that offers nothing. The caller owns it.
    std::unique_ptr<QMenu> menuFor(QTreeWidgetItem *item);

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
    // The bitmap name of the row's problem when it can be replaced, else "".
    QString replaceableAt(QTreeWidgetItem *item) const;
    void replaceBitmap(const QString &name);
    // Shows the replaced bitmap and checks again.
    void takeRepair(const QString &bitmap);
    QString skinFolder() const;

    EditorDocument &document_;
    Dialogs &dialogs_;
    Reveal reveal_;
    Reload reload_;
    QLabel *summary_;
    QTreeWidget *list_;
    QPushButton *replace_;
    QTimer recheckSoon_;
    bool followsDocument_ = false;
    QString file_; // the skin file shown while the report does not follow the document
    std::vector<SkinProblem> problems_;
};
