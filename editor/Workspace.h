#pragma once

#include <QImage>

#include <optional>
#include <string>

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

    // The bitmap a picture name stands for, relative to the folder (none for a
    // complete path); one that cannot be loaded is reported in the error box, with the
    // picture loader's own text.
    std::optional<QImage> readPicture(const QString &name, const QString &folder = {}) const;
    // Puts the file name of a path into "Bildname", without its folder.
    void showFileName(const std::string &path) const;
};
