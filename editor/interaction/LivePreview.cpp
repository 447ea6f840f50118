#include "editor/interaction/LivePreview.h"

#include "editor/controls/EditingPanel.h"
#include "editor/controls/ModeBadge.h"
#include "editor/controls/NumberField.h"
#include "editor/controls/PageView.h"
#include "editor/controls/SkinPages.h"
#include "editor/controls/WindowActions.h"
#include "editor/document/EditorDocument.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"
#include "platform/PictureLoader.h"
#include "skin/SkinFormat.h"

#include <QAction>
#include <QGraphicsSceneMouseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QUndoStack>

namespace {

bool passesFocus(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

} // namespace

LivePreview::LivePreview(const Workspace &workspace) : workspace_(workspace)
{
    PageScenes &scenes = workspace_.scenes;
    for (std::size_t i = 0; i < workspace_.pages.views.size(); ++i) {
        scenes.scene(i).installEventFilter(this);
        workspace_.pages.views[i]->installEventFilter(this);
        connect(workspace_.pages.views[i], &PageView::pointerLeft, this,
                [this] { hover(nullptr, nullptr, false); });
        badges_.push_back(
            new ModeBadge(QT_TRANSLATE_NOOP("ModeBadge", "Vorschau läuft – F5 beendet"),
                          *workspace_.pages.views[i]));
    }
    const WindowActions &commands = workspace_.commands;
    commands.previewDisabled->setEnabled(false);
    connect(commands.statePreview, &QAction::toggled, this, &LivePreview::start);
    connect(commands.previewDisabled, &QAction::toggled, this, [this] {
        if (isRunning())
            showDisabled();
    });
    // A skin opened meanwhile brings its own pictures.
    connect(&workspace_.document, &EditorDocument::skinTextChanged, this, [this] {
        hovered_ = nullptr;
        hoveredView_ = nullptr;
        if (isRunning())
            showDisabled();
    });
}

bool LivePreview::isRunning() const
{
    return workspace_.commands.statePreview->isChecked();
}

void LivePreview::start(bool running)
{
    hover(nullptr, nullptr, false);
    for (ModeBadge *badge : badges_)
        badge->setVisible(running);
    lockEditing(running);
    workspace_.commands.previewDisabled->setEnabled(running);
    showDisabled();
}

// Shown while the preview runs and asked for; else every element shows its up bitmap.
void LivePreview::showDisabled()
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.hasState(StateBitmap::Da))
            showResting(entry);
    }
}

bool LivePreview::isDisabledShown(const CatalogueEntry &entry) const
{
    return isRunning() && workspace_.commands.previewDisabled->isChecked() &&
           entry.hasState(StateBitmap::Da);
}

// Every press, drag and drop and every key but Tab on the pages is the preview's
// meanwhile.
bool LivePreview::eventFilter(QObject *watched, QEvent *event)
{
    if (!isRunning())
        return false;
    switch (event->type()) {
    case QEvent::GraphicsSceneMouseMove:
    case QEvent::GraphicsSceneMousePress:
    case QEvent::GraphicsSceneMouseRelease:
    case QEvent::GraphicsSceneMouseDoubleClick:
        return mouse(static_cast<PageScene &>(*watched), *event);
    case QEvent::KeyPress:
        // Tab still takes the keyboard on, so that it never stays caught on a page.
        if (passesFocus(static_cast<const QKeyEvent &>(*event)))
            return false;
        [[fallthrough]];
    case QEvent::GraphicsSceneContextMenu:
    case QEvent::GraphicsSceneDragEnter:
    case QEvent::GraphicsSceneDragMove:
    case QEvent::GraphicsSceneDrop:
        event->accept();
        return true;
    default:
        return false;
    }
}

bool LivePreview::mouse(PageScene &scene, QEvent &event)
{
    auto &mouseEvent = static_cast<QGraphicsSceneMouseEvent &>(event);
    QGraphicsItem *top = scene.pageItemAt(mouseEvent.scenePos(), mouseEvent.widget());
    const CatalogueEntry *entry = workspace_.scenes.views().entryOf(top);
    if (entry && isDisabledShown(*entry))
        entry = nullptr;
    hover(entry, entry ? static_cast<PageItem *>(top) : nullptr,
          mouseEvent.buttons() & Qt::LeftButton);
    return true;
}

void LivePreview::hover(const CatalogueEntry *entry, PageItem *view, bool pressed)
{
    if (hovered_ && hoveredView_ != view)
        showResting(*hovered_);
    hovered_ = entry;
    hoveredView_ = view;
    if (entry)
        showState(*view, *entry, pressed ? StateBitmap::Do : StateBitmap::Mo);
}

void LivePreview::showState(PageItem &view, const CatalogueEntry &entry, StateBitmap state) const
{
    auto *picture = qobject_cast<PictureItem *>(&view);
    if (!picture || !entry.hasState(state))
        return;
    const std::string &path = workspace_.document.skin().element(entry).statePath(state);
    const LoadedPicture loaded = loadPicture(QString::fromStdString(path), {});
    if (loaded.ok())
        picture->setPicture(loaded.image);
    else
        picture->showMissing(QString::fromStdString(bareFileName(path)));
}

void LivePreview::showResting(const CatalogueEntry &entry) const
{
    if (isDisabledShown(entry)) {
        for (PageItem *view : workspace_.scenes.views().views(entry))
            showState(*view, entry, StateBitmap::Da);
        return;
    }
    workspace_.scenes.views().setPicture(entry, workspace_.document.upPicture(entry));
}

// The fields, the state pictures and the commands that edit wait for the preview's end.
void LivePreview::lockEditing(bool locked) const
{
    const EditingPanel &panel = workspace_.panel;
    const bool opened = !workspace_.document.skin().targetVersion.empty();
    for (QWidget *control :
         {static_cast<QWidget *>(panel.widthField), static_cast<QWidget *>(panel.heightField),
          static_cast<QWidget *>(panel.leftField), static_cast<QWidget *>(panel.topField)})
        control->setEnabled(!locked && opened);
    panel.stateGroup->setEnabled(!locked);
    const WindowActions &commands = workspace_.commands;
    const QUndoStack &history = workspace_.document.history();
    commands.undo->setEnabled(!locked && history.canUndo());
    commands.redo->setEnabled(!locked && history.canRedo());
    commands.selectAll->setEnabled(!locked && opened);
}
