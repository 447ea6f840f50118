#include "editor/controls/StatePreviews.h"

#include "editor/controls/EditingPanel.h"
#include "editor/controls/PictureLabel.h"
#include "editor/document/EditorDocument.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "skin/SkinFormat.h"

#include <utility>

StatePreviews::StatePreviews(const Workspace &workspace) : workspace_(workspace)
{
    for (StateBitmap state : allStates) {
        PictureLabel *picture = preview(state);
        QObject::connect(picture, &PictureLabel::clicked, picture,
                         [this, state] { showFileName(state); });
        QObject::connect(picture, &PictureLabel::doubleClicked, picture,
                         [this, state] { choose(state); });
    }
    QObject::connect(
        &workspace_.document, &EditorDocument::statePathChanged, preview(allStates[0]),
        [this](const CatalogueEntry &entry, StateBitmap state) { refresh(entry, state); });
    QObject::connect(&workspace_.document, &EditorDocument::selectionChanged, preview(allStates[0]),
                     [this] { showSelection(); });
    QObject::connect(&workspace_.document, &EditorDocument::gestureEnded, preview(allStates[0]),
                     [this] { reportFailures(); });
}

// A list leaves the panel as it was; a page background has no disabled state; with
// nothing selected the panel shows nothing of the last selection.
void StatePreviews::showSelection()
{
    const Selection &key = workspace_.document.selection();
    if (key.kind == Selection::Kind::Element)
        show(*key.element);
    else if (key.kind == Selection::Kind::Background)
        preview(StateBitmap::Da)->hide();
    else if (key.kind == Selection::Kind::None) {
        for (StateBitmap state : allStates)
            preview(state)->clear();
    }
}

void StatePreviews::show(const CatalogueEntry &entry)
{
    const SkinElement &element = workspace_.document.skin().element(entry);
    for (StateBitmap state : allStates) {
        if (!entry.hasState(state))
            continue;
        // State paths are complete already: the skin folder is part of them.
        const QString path = QString::fromStdString(element.statePath(state));
        const LoadedPicture loaded = loadPicture(path, {});
        if (loaded.ok()) {
            preview(state)->setPicture(loaded.image);
            continue;
        }
        preview(state)->showMissing(QString::fromStdString(bareFileName(element.statePath(state))));
        if (!reportedFiles_.contains(path)) {
            reportedFiles_.insert(path);
            pendingErrors_ << loaded.error;
        }
    }
    preview(StateBitmap::Da)->setVisible(entry.hasState(StateBitmap::Da));
}

void StatePreviews::reportFailures()
{
    // Taken first: a box's event loop may deliver another press.
    const QStringList errors = std::exchange(pendingErrors_, {});
    for (const QString &error : errors)
        workspace_.dialogs.error(error);
}

void StatePreviews::forgetReports()
{
    pendingErrors_.clear();
    reportedFiles_.clear();
}

PictureLabel *StatePreviews::preview(StateBitmap state) const
{
    return workspace_.panel.statePreviews[static_cast<std::size_t>(state)];
}

const CatalogueEntry *StatePreviews::owner(StateBitmap state) const
{
    const Selection &selection = workspace_.document.selection();
    if (selection.kind != Selection::Kind::Element || !selection.element->hasState(state))
        return nullptr;
    return selection.element;
}

void StatePreviews::showFileName(StateBitmap state) const
{
    if (owner(state))
        workspace_.document.clickPicture(PointedPicture::ofState(state));
}

// The element keeps the chosen name even when the file turns out to be no bitmap;
// only a bitmap that loads makes a step.
void StatePreviews::choose(StateBitmap state) const
{
    if (!owner(state))
        return;
    const QString path = workspace_.choosePicture();
    if (!path.isEmpty())
        chooseFile(state, path);
}

void StatePreviews::chooseFile(StateBitmap state, const QString &path) const
{
    const CatalogueEntry *entry = owner(state);
    if (!entry)
        return;
    EditorDocument &document = workspace_.document;
    const std::optional<QImage> image = workspace_.readPicture(path);
    if (!image) {
        document.keepFailedStatePath(*entry, state, path.toStdString());
        return;
    }
    document.chooseStateBitmap(*entry, state, path.toStdString(), *image);
    document.namePicture(PointedPicture::ofState(state));
}

// The views always show the up bitmap, so the document holds it; the other states
// are read again, quietly: a file gone since leaves the preview empty.
void StatePreviews::refresh(const CatalogueEntry &entry, StateBitmap state) const
{
    const EditorDocument &document = workspace_.document;
    if (!document.selection().isElement(entry))
        return;
    if (state == StateBitmap::Up) {
        preview(state)->setPicture(document.upPicture(entry));
        return;
    }
    const std::string &path = document.skin().element(entry).statePath(state);
    preview(state)->setPicture(loadPicture(QString::fromStdString(path), {}).image);
}
