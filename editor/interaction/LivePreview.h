#pragma once

#include "editor/controls/Workspace.h"
#include "skin/Catalogue.h"

#include <QObject>

#include <vector>

class ModeBadge;
class PageItem;
class PageScene;

// The pages behave as the player's while StatePreview is on: an element shows its
// mouse-over bitmap under the pointer, its pressed bitmap while pressed, and its up
// bitmap again when the pointer leaves. With PreviewDisabled every four-state element
// shows its disabled bitmap and takes no notice of the mouse. Nothing can be edited
// meanwhile; a bitmap that cannot be shown shows its file's name, without a box. A
// badge on every page says that the preview runs and how it ends.
class LivePreview : public QObject {
    Q_OBJECT

public:
    explicit LivePreview(const Workspace &workspace);

    bool isRunning() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start(bool running);
    // Every four-state element at rest, after PreviewDisabled or the preview changed.
    void showDisabled();
    bool mouse(PageScene &scene, QEvent &event);
    void hover(const CatalogueEntry *entry, PageItem *view, bool pressed);
    // Shows the state's bitmap on the one view.
    void showState(PageItem &view, const CatalogueEntry &entry, StateBitmap state) const;
    // The element untouched by the mouse: disabled when that is shown, else up.
    void showResting(const CatalogueEntry &entry) const;
    bool isDisabledShown(const CatalogueEntry &entry) const;
    void lockEditing(bool locked) const;

    Workspace workspace_;
    std::vector<ModeBadge *> badges_; // one on each page view, while the preview runs
    const CatalogueEntry *hovered_ = nullptr;
    PageItem *hoveredView_ = nullptr;
};
