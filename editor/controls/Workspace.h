#pragma once

#include <QImage>
#include <QString>

#include <optional>
#include <string>

class Dialogs;
class EditorDocument;
class PageScenes;
struct WindowActions;
struct EditingPanel;
struct SkinPages;

// What the editing parts of the main window share: the document, the scenes that show
// it and the controls. The window owns all of it; the parts hold this view.
struct Workspace {
    EditorDocument &document;
    PageScenes &scenes;
    const SkinPages &pages;
    const EditingPanel &panel;
    const WindowActions &commands;
    Dialogs &dialogs;

    // The bitmap a picture name stands for, relative to the folder (none for a
    // complete path); one that cannot be loaded is reported in the error box, with the
    // picture loader's own text.
    std::optional<QImage> readPicture(const QString &name, const QString &folder = {}) const;
    // A bitmap the user chooses for the open skin; "" when cancelled.
    QString choosePicture() const;
};
