#include "editor/Arranging.h"

#include "editor/EditorDocument.h"
#include "editor/PageScenes.h"
#include "editor/SkinPages.h"
#include "editor/WindowActions.h"

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
    QObject::connect(commands.EditSelectAll, &QAction::triggered, document,
                     [this] { selectAllShown(); });
    QObject::connect(document, &EditorDocument::selectionChanged, commands.ArrangeMenu,
                     [this] { updateCommands(); });
    QObject::connect(commands.StatePreview, &QAction::toggled, commands.ArrangeMenu,
                     [this] { updateCommands(); });
}

void Arranging::selectAllShown() const
{
    const std::optional<Page> page = workspace_.pages.currentPage();
    if (!page || workspace_.commands.StatePreview->isChecked())
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
    if (copied_ && !workspace_.commands.StatePreview->isChecked())
        workspace_.document.placeSelection(*copied_, withSize);
}

void Arranging::updateCommands() const
{
    const EditorDocument &document = workspace_.document;
    const bool editable = !workspace_.commands.StatePreview->isChecked();
    const bool elements = document.selection().kind == Selection::Kind::Element;
    const std::size_t count = document.selectedItems().size();
    for (Arrangement arrangement : allArrangements) {
        workspace_.commands.arrangeAction(arrangement)
            ->setEnabled(editable && elements && count >= leastCount(arrangement));
    }
}
