#include "editor/controls/SelectionHint.h"

#include "editor/controls/EditingPanel.h"
#include "editor/document/EditorDocument.h"

#include <QLineEdit>

// The hints are the field's own texts, so they follow the language it is shown in.
const char *elementHint(const CatalogueEntry &entry)
{
    switch (hintKind(entry)) {
    case HintKind::ChooseOfThreeWindowButton:
        return QT_TRANSLATE_NOOP("EditingPanel", "Wähl Eines der 3 Bilder aus.");
    case HintKind::ChooseOfThree:
        return QT_TRANSLATE_NOOP("EditingPanel", "Einen von 3 Bilder auswählen.");
    case HintKind::ChooseOfFour:
        return QT_TRANSLATE_NOOP("EditingPanel", "Einen von 4 Bilder auswählen.");
    case HintKind::None:
        break;
    }
    return nullptr;
}

namespace {

const char *hintOf(const Selection &item)
{
    switch (item.kind) {
    case Selection::Kind::Element:
        return elementHint(*item.element);
    case Selection::Kind::PlayerList:
        return QT_TRANSLATE_NOOP("EditingPanel", "Player-Ansicht");
    case Selection::Kind::TrackLists:
        return QT_TRANSLATE_NOOP("EditingPanel", "Vorschau oder Liedersammlung-Ansicht-Ansicht");
    default:
        return nullptr;
    }
}

} // namespace

void showSelectionHints(const EditorDocument &document, const EditingPanel &panel)
{
    QObject::connect(&document, &EditorDocument::selectionChanged, panel.pictureName,
                     [&document, &panel] {
                         if (const char *hint = hintOf(document.selection()))
                             panel.showHint(hint);
                         else if (document.selection().kind == Selection::Kind::None)
                             panel.showFileName({});
                     });
}
