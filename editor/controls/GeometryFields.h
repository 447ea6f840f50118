#pragma once

#include "editor/controls/Workspace.h"
#include "editor/document/Selection.h"

#include <QObject>

class NumberField;
struct Rect;

// The size and position fields. What the user changes there is an edit of the
// selected items; what the program writes there applies to a lone selected item as it
// stands. A selection shows what the document holds: it cut the item to the fields' range.
// The fields show every selection and follow every later change of a selected item's
// place and size; for several items a field shows the value they share, or nothing.
// A click on a picture without a place in the fields shows zeros.
class GeometryFields : public QObject {
    Q_OBJECT

public:
    explicit GeometryFields(const Workspace &workspace);

private:
    // Writes PositionX, PositionY, grossX and grossY in this order as program values.
    void show(const Rect &geometry) const;
    // Writes grossX and grossY only.
    void showSize(const Rect &geometry) const;
    void changed(Edge edge, const NumberField &field, int value) const;
    void showSelection() const;
    void follow(const Selection &item) const;
    // A page background shows only its size: it is never placed.
    void showItem(const Selection &item) const;
    void showShared() const;
    NumberField *field(Edge edge) const;

    Workspace workspace_;
    mutable bool following_ = false;
};
