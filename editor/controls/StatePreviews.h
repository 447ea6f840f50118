#pragma once

#include "editor/controls/Workspace.h"
#include "skin/Catalogue.h"

#include <QSet>
#include <QString>
#include <QStringList>

class PictureLabel;

// The state preview panel: the up, pressed, mouse-over and disabled bitmaps of the
// selected element, the key element of several; it follows every selection. A click on a preview
// shows the state's file name, a double click replaces the state's bitmap; both do nothing unless
// the selected item is an element with that state.
class StatePreviews {
public:
    explicit StatePreviews(const Workspace &workspace);

    // A skin is opened: its bitmaps may fail anew.
    void forgetReports();

    // The selected element has a bitmap for the state, which a picture may replace.
    bool canChoose(StateBitmap state) const { return owner(state) != nullptr; }
    // Asks for a picture and replaces the state's bitmap with it.
    void choose(StateBitmap state) const;
    // Replaces the state's bitmap with the file, as the picture dialog's choice does.
    void chooseFile(StateBitmap state, const QString &path) const;
    PictureLabel *preview(StateBitmap state) const;

private:
    // The selected element, when it has a bitmap for the state.
    const CatalogueEntry *owner(StateBitmap state) const;
    void showFileName(StateBitmap state) const;
    void showSelection();
    // Loads the element's state bitmaps into the previews, showing the disabled one
    // only for elements that have it. A bitmap that cannot be loaded leaves its file's
    // name in its preview; its error waits for the end of the gesture that selected
    // the element, so that a press can still become a drag before any box takes the mouse.
    void show(const CatalogueEntry &entry);
    // Shows the error box of each bitmap that failed since, once per file until the
    // next skin is opened.
    void reportFailures();

    // A state of the selected element got another bitmap, by a choice or its undo.
    void refresh(const CatalogueEntry &entry, StateBitmap state) const;

    Workspace workspace_;
    QStringList pendingErrors_;
    QSet<QString> reportedFiles_;
};
