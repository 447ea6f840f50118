#pragma once

#include "editor/document/EditMarks.h"

class QUndoStack;

// What the next save must write, reckoned in one place. The file holds the state of
// one step on the history, the clean point: the step of the last open or successful
// save. Due is what the steps between it and the current step changed, in either
// direction, and what is due for reasons the history does not hold: element flags a
// load carried over, the edits of steps undone behind the clean point and then dropped
// by a new step, bitmap names a save gathered or a failed choice kept. That part only
// grows: a save that failed leaves it as it was, one that succeeded empties it.
class DueReckoning {
public:
    explicit DueReckoning(const QUndoStack &history) : history_(history) {}

    EditMarks due() const;

    // Due whatever the history does, until a save writes it.
    void addBeyondHistory(const EditMarks &marks) { beyondHistory_ |= marks; }
    // Before a new step: should it drop steps undone behind the clean point, what they
    // changed differs from the file for good. True when the clean point had to come
    // down to the current step.
    bool keepDroppedSteps();
    // A save wrote everything due: the current step is the clean point.
    void written();
    // A load starts a new history; only the element flags and a replaced graphic stay.
    void restart();
    // The loaded skin is taken: its graphics are those of its file.
    void forgetGraphics() { beyondHistory_.graphics = false; }

private:
    EditMarks marksBetween(int from, int to) const;

    const QUndoStack &history_;
    int cleanIndex_ = 0;
    EditMarks beyondHistory_;
};
