#pragma once

class Dialogs;
struct CatalogueEntry;
struct Commands;
struct EditingPanel;
struct Selection;
struct SkinDocument;
struct SkinPages;

// What the editing parts of the main window share: the open skin, the selection and
// the controls that show them. The window owns all of it; the parts hold this view.
struct Workspace {
    SkinDocument &document;
    Selection &selection;
    const SkinPages &pages;
    const EditingPanel &panel;
    const Commands &commands;
    Dialogs &dialogs;

    // An enabled Save is the program's mark of unsaved changes.
    void markSkinChanged() const;
    // The element's section is written by the next save.
    void markChanged(const CatalogueEntry &entry) const;
};
