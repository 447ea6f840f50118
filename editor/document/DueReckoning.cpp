#include "editor/document/DueReckoning.h"

#include "editor/document/EditCommands.h"

#include <QUndoStack>

#include <algorithm>

EditMarks DueReckoning::due() const
{
    const int index = history_.index();
    EditMarks marks = beyondHistory_;
    marks |= marksBetween(std::min(index, cleanIndex_), std::max(index, cleanIndex_));
    return marks;
}

bool DueReckoning::keepDroppedSteps()
{
    const int index = history_.index();
    if (cleanIndex_ <= index)
        return false;
    beyondHistory_ |= marksBetween(index, cleanIndex_);
    cleanIndex_ = index;
    return true;
}

void DueReckoning::written()
{
    beyondHistory_ = {};
    cleanIndex_ = history_.index();
}

void DueReckoning::restart()
{
    const EditMarks carried = due();
    beyondHistory_ = {};
    beyondHistory_.elements = carried.elements;
    beyondHistory_.graphics = carried.graphics;
    cleanIndex_ = 0;
}

EditMarks DueReckoning::marksBetween(int from, int to) const
{
    EditMarks marks;
    for (int i = from; i < to; ++i)
        marks |= static_cast<const EditCommand *>(history_.command(i))->marks();
    return marks;
}
