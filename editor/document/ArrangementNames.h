#pragma once

#include "skin/Arrangement.h"

#include <QKeySequence>
#include <QString>

// The caption of the arrangement's command in the language installed, with its letter.
QString arrangementCaption(Arrangement arrangement);
// The same without the letter's mark: the name of its step in the history.
QString arrangementName(Arrangement arrangement);
// The command's objectName, as in the skin editor's menus: "AlignLeft" ... "SameHeight".
QString arrangementCommandName(Arrangement arrangement);
QKeySequence arrangementShortcut(Arrangement arrangement);
