#pragma once

#include "editor/controls/Workspace.h"
#include "skin/SkinDocument.h"

#include <optional>

// The commands that act on many elements at once: align, distribute and same size on
// the selection, select all on the page shown, and the copied place that can be put
// onto the selection. Each is enabled only when it can change something.
class Arranging {
public:
    explicit Arranging(const Workspace &workspace);

    void selectAllShown() const;
    // Keeps the key item's place and size, for pasting.
    void copyPlace();
    bool hasCopiedPlace() const { return copied_.has_value(); }
    void pastePlace(bool withSize) const;
    // Sets the enabled states again; while the preview runs nothing is editable.
    void updateCommands() const;

private:
    Workspace workspace_;
    std::optional<Rect> copied_;
};
