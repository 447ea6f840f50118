#include "editor/controls/SelectionHint.h"

#include "editor/controls/EditingPanel.h"
#include "editor/document/EditorDocument.h"
#include "skin/SkinFormat.h"

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

void showPointedName(const EditorDocument &document, const EditingPanel &panel)
{
    const PointedPicture &pointed = document.pointedPicture();
    const SkinDocument &skin = document.skin();
    const Selection &key = document.selection();
    switch (pointed.kind) {
    case PointedPicture::Kind::Graphic:
        panel.showFileName(QString::fromStdString(
            bareFileName(skin.graphicPaths[static_cast<std::size_t>(pointed.graphic)])));
        break;
    case PointedPicture::Kind::State:
        if (key.kind == Selection::Kind::Element)
            panel.showFileName(QString::fromStdString(
                bareFileName(skin.element(*key.element).statePath(pointed.state))));
        break;
    case PointedPicture::Kind::Copy:
        panel.showHint(
            QT_TRANSLATE_NOOP("EditingPanel", "Änderungen unter Kategorie Player-Sicht"));
        break;
    case PointedPicture::Kind::None:
        break;
    }
}

} // namespace

void showPictureNames(const EditorDocument &document, const EditingPanel &panel)
{
    QObject::connect(&document, &EditorDocument::selectionChanged, panel.pictureName,
                     [&document, &panel] {
                         if (const char *hint = hintOf(document.selection()))
                             panel.showHint(hint);
                         else if (document.selection().kind == Selection::Kind::None)
                             panel.showFileName({});
                     });
    QObject::connect(&document, &EditorDocument::pictureNamed, panel.pictureName,
                     [&document, &panel] { showPointedName(document, panel); });
}
