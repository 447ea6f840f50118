#include "editor/interaction/Arranging.h"

#include "editor/controls/SkinPages.h"
#include "editor/controls/WindowActions.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/PageScenes.h"

#include <QAction>
#include <QMenu>

Arranging::Arranging(const Workspace &workspace) : workspace_(workspace)
{
    const WindowActions &commands = workspace_.commands;
    EditorDocument *document = &workspace_.document;
    for (Arrangement arrangement : allArrangements) {
        QObject::connect(commands.arrangeAction(arrangement), &QAction::triggered, document,
                         [document, arrangement] { document->arrange(arrangement); });
    }
    QObject::connect(commands.selectAll, &QAction::triggered, document,
                     [this] { selectAllShown(); });
    QObject::connect(document, &EditorDocument::selectionChanged, commands.arrangeMenu,
                     [this] { updateCommands(); });
    QObject::connect(commands.statePreview, &QAction::toggled, commands.arrangeMenu,
                     [this] { updateCommands(); });
}

void Arranging::selectAllShown() const
{
    const std::optional<Page> page = workspace_.pages.currentPage();
    if (!page || workspace_.commands.statePreview->isChecked())
        return;
    workspace_.document.selectElements(workspace_.scenes.views().shownOn(*page));
}

void Arranging::copyPlace()
{
    const EditorDocument &document = workspace_.document;
    if (document.selection().kind != Selection::Kind::None)
        copied_ = document.referenceGeometry(document.selection());
}

void Arranging::pastePlace(bool withSize) const
{
    if (copied_ && !workspace_.commands.statePreview->isChecked())
        workspace_.document.placeSelection(*copied_, withSize);
}

void Arranging::updateCommands() const
{
    const EditorDocument &document = workspace_.document;
    const bool editable = !workspace_.commands.statePreview->isChecked();
    const bool elements = document.selection().kind == Selection::Kind::Element;
    const std::size_t count = document.selectedItems().size();
    for (Arrangement arrangement : allArrangements) {
        workspace_.commands.arrangeAction(arrangement)
            ->setEnabled(editable && elements && count >= leastCount(arrangement));
    }
}
