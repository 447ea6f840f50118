#pragma once

#include "editor/controls/Workspace.h"

#include <QString>

#include <cstdint>

enum class Graphic : std::uint8_t;
enum class Page : std::uint8_t;

// The skin's 21 graphics that belong to no element: the player-view pieces, the list
// pictures and the page backgrounds. A click shows a graphic's file name (a page
// background is selected instead), a double click replaces its bitmap. Replacing one
// changes no selection and no size the skin stores.
class GraphicEditing {
public:
    explicit GraphicEditing(const Workspace &workspace);

    // What a click on the graphic's picture does.
    void click(Graphic graphic) const;
    // Replaces the graphic's bitmap with the file, as the picture dialog's choice does.
    void chooseFile(Graphic graphic, const QString &path) const;

private:
    void choose(Graphic graphic) const;
    void selectBackground(Page page) const;
    void connectMenuMirrors() const;

    Workspace workspace_;
};
