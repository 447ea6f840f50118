#pragma once

#include "platform/BitmapCopy.h"

#include <QStringList>

class EditorDocument;

// What bringing a skin's bitmaps together found.
struct Gathering {
    bool ok = true;
    QString failure;     // why a copy could not be written, naming it
    QStringList missing; // bitmaps named that do not exist, as the skin names them
};

// Before a save into `folder`: copies into it the bitmaps the saved skin names by
// their bare names, and makes the document name the copies. With `everyBitmap` that is
// every bitmap of the skin (a skin saved into another folder), else those the save
// writes: the graphics, and the states of the elements due. An element whose bitmap
// name changes becomes due, and stays so should the save fail. A failed copy ends the
// gathering there.
Gathering gatherBitmaps(EditorDocument &document, const QString &folder, bool everyBitmap,
                        const AskReplace &replace);
