#pragma once

#include "skin/SaveDue.h"

struct SkinDocument;

// Writes the document into the file at its skin path. The text starts from the
// document's own text (as opened, updated by every earlier save): the keys the editor
// owns are rewritten in their fixed order, the sections of the elements in `due`
// with them, every other line stays as it was. The whole text is written once,
// atomically.
//
// On success the document's text becomes the written text. On failure (the file
// could not be replaced) nothing in the document changes, so the same save can be
// made again without losing an edit.
//
// A document without a skin path or target version holds no opened skin; the editor
// offers no save then, and a call writes nothing and returns false.
bool saveSkin(SkinDocument &document, const SaveDue &due);

// The skin's name as the next save leaves it: the one the user confirmed since the
// program started, which outlives a load, else the one line 1 gives ("PP_LKV = name");
// empty when there is neither.
std::string skinNameOf(const SkinDocument &document);
