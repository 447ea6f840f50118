#pragma once

class EditorDocument;
struct SkinPages;

// The pages follow the document: every change of a place, a size or a picture
// reaches all views that show it, whoever made the change (an edit, an undo, a load).
void followDocument(const EditorDocument &document, const SkinPages &pages);
