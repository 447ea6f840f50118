#pragma once

#include "skin/SkinDiff.h"

#include <QString>

// What differs between two skins in the program's words; A is the first skin, B the
// second.
QString differenceMessage(const SkinDifference &difference);
