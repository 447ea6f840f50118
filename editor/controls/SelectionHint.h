#pragma once

#include "skin/Catalogue.h"

struct EditingPanel;
class EditorDocument;

// The hint a press on the element gives, marked for translation in the context
// "EditingPanel"; nothing for an element without one.
const char *elementHint(const CatalogueEntry &entry);

// The hint that "Bildname" shows for the key item of every selection, however it was
// made: how many bitmaps an element has to choose from, or which list it is. A
// selection without a hint leaves the text as it was.
void showSelectionHints(const EditorDocument &document, const EditingPanel &panel);
