#pragma once

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

// A picture the user clicked or gave a bitmap outside the selectable items: a graphic,
// a state of the key element, or a copy of a graphic that is edited elsewhere.
// "Bildname" names it until the next selection brings a hint of its own.
struct PointedPicture {
    enum class Kind { None, Graphic, State, Copy };

    Kind kind = Kind::None;
    Graphic graphic = Graphic::Stream;   // with Kind::Graphic and Kind::Copy
    StateBitmap state = StateBitmap::Up; // with Kind::State

    static PointedPicture of(Graphic graphic) { return {Kind::Graphic, graphic}; }
    static PointedPicture copyOf(Graphic graphic) { return {Kind::Copy, graphic}; }
    static PointedPicture ofState(StateBitmap state)
    {
        return {Kind::State, Graphic::Stream, state};
    }

    // The stream and the cursor position have a place, but not one the fields show:
    // the fields show zeros for them, and no selected item may take those.
    bool hasNoFieldPlace() const
    {
        return kind == Kind::Graphic && (graphic == Graphic::Stream || graphic == Graphic::Curpos);
    }
};
