#pragma once

#include "editor/document/EditMarks.h"
#include "editor/document/EditorDocument.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <vector>

// One user edit on the history. Each knows what it makes due for the next save, so
// the document can tell after any undo or redo what differs from the file.
class EditCommand : public QUndoCommand {
public:
    EditCommand(EditorDocument &document, const QString &text, const EditMarks &marks);

    const EditMarks &marks() const { return marks_; }

protected:
    // A save, a selection and the end of a drag or key run close the step below.
    bool mayTakeMore() const;

    EditorDocument &document_;

private:
    EditMarks marks_;
};

// Where one item of an edit stood before it and stands after it.
struct Placement {
    Selection item;
    ItemGeometry before;
    ItemGeometry after;
};

// A new place or size of one or several items. Runs of the same kind on the same
// items merge.
class GeometryCommand : public EditCommand {
public:
    enum Run { NoRun = -1, FieldLeft = 1, FieldTop, FieldWidth, FieldHeight, Drag, Keys, Handle };

    GeometryCommand(EditorDocument &document, std::vector<Placement> placements,
                    const EditMarks &marks, const QString &text, Run run);

    void undo() override;
    void redo() override;
    int id() const override { return run_; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    bool sameItems(const GeometryCommand &other) const;

    std::vector<Placement> placements_;
    Run run_;
};

// A bitmap chosen for one state of an element; a new up bitmap also gives the
// element its picture and size on every page.
class StateBitmapCommand : public EditCommand {
    Q_DECLARE_TR_FUNCTIONS(StateBitmapCommand)

public:
    struct Look {
        std::string path;
        QImage picture; // the up bitmap the views show
        Rect geometry;
    };

    StateBitmapCommand(EditorDocument &document, const CatalogueEntry &entry, StateBitmap state,
                       Look before, Look after);

    void undo() override { apply(before_); }
    void redo() override { apply(after_); }

private:
    void apply(const Look &look);

    const CatalogueEntry &entry_;
    StateBitmap state_;
    Look before_;
    Look after_;
};

// A new bitmap for one of the skin's graphics.
class GraphicCommand : public EditCommand {
    Q_DECLARE_TR_FUNCTIONS(GraphicCommand)

public:
    GraphicCommand(EditorDocument &document, Graphic graphic, std::string beforePath,
                   QImage beforePicture, std::string afterPath, QImage afterPicture);

    void undo() override { document_.setGraphic(graphic_, beforePath_, beforePicture_); }
    void redo() override { document_.setGraphic(graphic_, afterPath_, afterPicture_); }

private:
    Graphic graphic_;
    std::string beforePath_;
    QImage beforePicture_;
    std::string afterPath_;
    QImage afterPicture_;
};

// A skin name confirmed in the skin-name dialog.
class SkinNameCommand : public EditCommand {
    Q_DECLARE_TR_FUNCTIONS(SkinNameCommand)

public:
    SkinNameCommand(EditorDocument &document, std::string before, std::string after);

    void undo() override { document_.setSkinName(before_); }
    void redo() override { document_.setSkinName(after_); }

private:
    std::string before_;
    std::string after_;
};
