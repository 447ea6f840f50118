#pragma once

#include "skin/Catalogue.h"

struct EditingPanel;
class EditorDocument;

// The hint a press on the element gives, marked for translation in the context
// "EditingPanel"; nothing for an element without one.
const char *elementHint(const CatalogueEntry &entry);

// What "Bildname" shows, the one writer of it. For the key item of every selection,
// however it was made, a hint: how many bitmaps an element has to choose from, or
// which list it is; a selection without a hint leaves the text as it was. For a picture
// clicked or given a bitmap, its file name, or where a copy of it is edited.
void showPictureNames(const EditorDocument &document, const EditingPanel &panel);
