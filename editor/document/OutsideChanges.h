#pragma once

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

#include <string>

class EditorDocument;
class QImage;

// What changes the open skin from outside the editing: another program that rewrites a
// bitmap, and a save that brings a bitmap into the skin's folder. None of it is a step
// or enables Save; whatever shows the bitmap follows the document's signals.
class OutsideChanges {
public:
    // The graphic's file was written anew: it shows the new picture under its name.
    void graphicRewritten(Graphic graphic, const QImage &picture) const;
    // The state's file was written anew: whatever shows the state reads it again; the
    // document keeps the picture of the up state, which every view shows.
    void stateBitmapRewritten(const CatalogueEntry &entry, StateBitmap state,
                              const QImage &picture) const;

    // A save brought the graphic's bitmap into the skin's folder; every save writes the
    // graphics, so nothing more is due.
    void graphicGathered(Graphic graphic, const std::string &copy) const;
    // The same for a state bitmap. A copy by another name than the file gives is due
    // for the next save, which must write the element's keys anew.
    void stateBitmapGathered(const CatalogueEntry &entry, StateBitmap state,
                             const std::string &copy, bool renamed) const;

private:
    explicit OutsideChanges(EditorDocument &document) : document_(document) {}

    EditorDocument &document_;

    friend class EditorDocument;
};
