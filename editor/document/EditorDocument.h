#pragma once

#include "editor/document/DueReckoning.h"
#include "editor/document/OutsideChanges.h"
#include "editor/document/PointedPicture.h"
#include "editor/document/Selection.h"
#include "skin/Arrangement.h"
#include "skin/SaveDue.h"
#include "skin/SkinDocument.h"

#include <QImage>
#include <QObject>
#include <QUndoStack>

#include <array>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

class EditCommand;
struct Placement;

// Where an item stands: an element's one rectangle for all its views, a page
// background's displayed size (at 0, 0), or the three list panels.
struct ItemGeometry {
    Rect rect;
    ListGeometry lists;

    bool operator==(const ItemGeometry &other) const
    {
        return rect == other.rect && lists.player == other.lists.player &&
               lists.schedule == other.lists.schedule &&
               lists.description == other.lists.description;
    }
};

// The one source of truth of the open skin: the skin itself, the pictures it shows,
// the selection, the history of edits and what is due for the next save. Every user
// edit is a command on the history; widgets only follow the signals.
class EditorDocument : public QObject {
    Q_OBJECT

public:
    // The range of the size fields, 0 to this; a lone selected item is cut to it, and
    // so are the sizes that edits make.
    static constexpr int largestFieldSize = 1000;
    // A size pulled into the fields' range.
    static int fieldSize(std::int64_t size);

    explicit EditorDocument(QObject *parent = nullptr);
    ~EditorDocument() override;

    const SkinDocument &skin() const { return skin_; }
    // Calls `changed`, for as long as `context` lives, after every change of what a check
    // or a comparison of the skin reads: places, lists, bitmaps and text.
    void whenContentChanges(QObject *context, const std::function<void()> &changed) const;
    // The key item: the first selected, which align and same size follow; none when
    // nothing is selected.
    const Selection &selection() const;
    // Everything selected, the key item first. Only elements are ever selected
    // together; a background or a list is selected alone.
    const std::vector<Selection> &selectedItems() const { return selected_; }
    bool isSelected(const Selection &item) const;
    QUndoStack &history() { return history_; }

    // What the next save must write: the sections the steps since the clean point
    // touched, in either direction, and those due for reasons the history does not hold.
    SaveDue due() const { return {reckoning_.due().elements}; }
    // Save is due: an edit the file lacks, or a confirmed skin name.
    bool isChanged() const { return changed_; }
    // Also a replaced graphic, which does not enable Save but must not be lost.
    bool hasUnsavedChanges() const
    {
        const EditMarks marks = reckoning_.due();
        return marks.skin || marks.graphics;
    }
    // The skin path lies in another folder than the skin was opened from or last
    // written to (a Save As, also one that failed): the next save brings every bitmap.
    bool movesFolder() const;

    const QImage &upPicture(const CatalogueEntry &entry) const;
    const QImage &graphicPicture(Graphic graphic) const;
    const Rect &background(Page page) const;

    // Geometry of the selectable items. The reference is what the fields show: the
    // element's rectangle, the background's size, the Player list, or the Schedule
    // list for the two track lists.
    ItemGeometry itemGeometry(const Selection &item) const;
    Rect referenceGeometry(const Selection &item) const;

    // Each announces the selection, also when it stays as it was: a press on the
    // selected element shows it again. A lone item selected is first cut to the size
    // fields' range, without a step and without marking anything, so it never stands
    // larger than the fields can say.
    void select(const Selection &item);
    // Elements in the order given; anything else among them is left out.
    void selectElements(const std::vector<const CatalogueEntry *> &elements);
    // Adds the element to the selection of elements, or takes it out.
    void toggleElement(const CatalogueEntry &entry);

    // User edits, one step each; a run of the same field, of arrow keys or the moves
    // of one drag make one step. An edit that changes nothing is no step, but every
    // move of a drag counts.
    // Each applies to every selected item.
    void editEdge(Edge edge, int value);
    void nudge(int dx, int dy, int dWidth, int dHeight);
    // The pressed item goes to the place; the other selected elements move with it.
    void drag(const Selection &item, const Rect &movedPart);
    // One step named after the arrangement, relative to the key element.
    void arrange(Arrangement arrangement);
    // The selected items take the place, and with withSize also its size.
    void placeSelection(const Rect &place, bool withSize);
    // A resize by a handle of the selection's frame: the reference geometry it makes,
    // within the fields' limits. The moves of one handle drag are one step.
    void resizeTo(const Rect &reference);
    void chooseStateBitmap(const CatalogueEntry &entry, StateBitmap state, const std::string &path,
                           const QImage &picture);
    void chooseGraphic(Graphic graphic, const std::string &path, const QImage &picture);
    void confirmSkinName(const std::string &name);
    // Ends the running drag or run of keys: the next edit is a step of its own.
    void endRun();

    // What the program writes into the fields applies to the selected item without a
    // step and without marking anything; to none while several are selected.
    void applyEdge(Edge edge, int value);
    // The press, drag or key that made the selection is over: what would have taken
    // the mouse from it may show now.
    void endGesture();

    // The picture "Bildname" names, besides the selection's hint.
    const PointedPicture &pointedPicture() const { return pointed_; }
    // A click on a picture that is no selectable item. The pictures of the stream and
    // the cursor position end the selection first: their place is none the fields show.
    void clickPicture(const PointedPicture &picture);
    // A bitmap was chosen for the picture; the selection stays.
    void namePicture(const PointedPicture &picture);
    // A bitmap chosen for a state keeps its name even when it cannot be shown. That is
    // no step and does not enable Save, but the next save writes the name.
    void keepFailedStatePath(const CatalogueEntry &entry, StateBitmap state,
                             const std::string &path);

    // Loading: a load starts a new history, and the skin counts as unchanged; the
    // element flags stay, as a load never clears them.
    void beginLoad();
    // Takes the loaded skin's version, path and text; the text is moved, as it may be long.
    void acceptSkin(SkinDocument &loaded);
    void takeStatePaths(const CatalogueEntry &entry, const SkinElement &loaded);

    // Writes what is due into the skin path. On success the history's current step is
    // the clean point, nothing is due, and the skin folder is the written file's; a
    // failure changes nothing of what is due.
    bool save();
    // Why the last save could not write the skin.
    std::error_code lastSaveError();
    // The file the next save writes (Save As); the skin folder follows once it is written.
    void setSkinPath(const std::string &path);

    // Bitmaps changed on disk or brought into the skin's folder.
    OutsideChanges outsideChanges() { return OutsideChanges(*this); }

signals:
    void elementGeometryChanged(const CatalogueEntry &entry);
    void listsChanged();
    void backgroundChanged(Page page);
    void statePathChanged(const CatalogueEntry &entry, StateBitmap state);
    void upPictureChanged(const CatalogueEntry &entry);
    void graphicChanged(Graphic graphic);
    void selectionChanged();
    void skinTextChanged();
    void changedStateChanged(bool changed);
    void gestureEnded();
    void pictureClicked();
    void pictureNamed();

private:
    // The element's section is due even when no step touched it: its bitmap is known
    // by another name in the file than the next save must give.
    void rewriteAtNextSave(const CatalogueEntry &entry);

    // For the commands, the load and outside changes; each emits its signal.
    void setItemGeometry(const Selection &item, const ItemGeometry &geometry);
    void setElementGeometry(const CatalogueEntry &entry, const Rect &geometry);
    void setLists(const ListGeometry &lists);
    void setBackground(Page page, const Rect &size);
    void setStatePath(const CatalogueEntry &entry, StateBitmap state, const std::string &path);
    void setUpPicture(const CatalogueEntry &entry, const QImage &picture);
    void setGraphic(Graphic graphic, const std::string &path, const QImage &picture);
    void setSkinName(const std::string &name);

    void announceSelection();
    ItemGeometry withEdge(const Selection &item, ItemGeometry base, Edge edge, int value) const;
    EditMarks marksOfEdit(const Selection &item) const;
    // Each selected item takes what the change makes of it, as one step.
    template <typename Change> void pushEachSelected(Change change, const QString &text, int run);
    void pushPlacements(std::vector<Placement> placements, const QString &text, int run);
    // One step of the placements as they are, also of those that stay in place.
    void pushStep(std::vector<Placement> placements, const QString &text, int run);
    void push(EditCommand *command);
    void updateMarks();

    SkinDocument skin_;
    std::vector<Selection> selected_;
    QUndoStack history_;
    DueReckoning reckoning_{history_};
    std::array<QImage, elementCount> upPictures_;
    std::array<QImage, graphicCount> graphicPictures_;
    std::array<Rect, 3> backgrounds_{};
    bool changed_ = false; // isChanged() as last announced
    int mergeFloor_ = 0;   // the step below this index takes no more merges
    PointedPicture pointed_;

    friend class EditCommand;
    friend class GeometryCommand;
    friend class StateBitmapCommand;
    friend class GraphicCommand;
    friend class SkinNameCommand;
    friend class OutsideChanges;
    friend class PageLoad;
};
