#pragma once

#include "editor/Workspace.h"

#include <QObject>

#include <vector>

class QWidget;
struct Rect;

// The change actions of the size and position fields: every change of a field's
// value, by the user or the program, goes at once to the views of the selected item.
// The fields are also how one view's geometry reaches the item's other views.
class GeometryFields : public QObject {
    Q_OBJECT

public:
    enum class Edge { Left, Top, Width, Height };

    explicit GeometryFields(const Workspace &workspace);

    // Writes PositionX, PositionY, grossX and grossY in this order, as the program.
    void show(const Rect &geometry) const;
    // Writes the positions of the views in their order, then their sizes, so that a
    // view whose place differs from the fields carries the selected item's other
    // views along with it.
    void follow(const std::vector<QWidget *> &views) const;
    // Applies a whole geometry to the selected item as the fields do, whatever the
    // fields show.
    void place(const Rect &geometry) const;

private:
    void apply(Edge edge, int value) const;
    void applyToElement(Edge edge, int value) const;
    void applyToLists(Edge edge, int value) const;
    void markEdited() const;

    Workspace workspace_;
};
