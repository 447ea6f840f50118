#pragma once

#include "skin/Arrangement.h"

#include <QString>

// The arrangement's name in the language installed: the caption of its command and
// of its step in the history.
QString arrangementName(Arrangement arrangement);
// The command's objectName, as in the skin editor's menus: "AlignLeft" ... "SameHeight".
QString arrangementCommandName(Arrangement arrangement);
