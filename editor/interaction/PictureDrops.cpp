#include "editor/interaction/PictureDrops.h"

#include "editor/controls/PictureLabel.h"
#include "editor/controls/StatePreviews.h"
#include "editor/interaction/GraphicEditing.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/PictureItem.h"

#include <QDropEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QMimeData>

namespace {

// The bitmap a drag carries: its first file, when that is a local ".bmp".
QString draggedBitmap(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? path : QString();
}

bool isDrag(QEvent::Type type)
{
    return type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop ||
           type == QEvent::GraphicsSceneDragEnter || type == QEvent::GraphicsSceneDragMove ||
           type == QEvent::GraphicsSceneDrop;
}

bool isDrop(QEvent::Type type)
{
    return type == QEvent::Drop || type == QEvent::GraphicsSceneDrop;
}

} // namespace

PictureDrops::PictureDrops(const StatePreviews &previews, const GraphicEditing &graphics,
                           const PageScenes &scenes)
    : previews_(previews), graphics_(graphics)
{
    for (StateBitmap state : allStates) {
        PictureLabel *preview = previews.preview(state);
        targets_.insert(preview, {state, std::nullopt});
        preview->setAcceptDrops(true);
        preview->installEventFilter(this);
    }
    for (std::size_t i = 0; i < graphicCount; ++i) {
        const auto graphic = static_cast<Graphic>(i);
        targets_.insert(scenes.picture(graphic), {std::nullopt, graphic});
    }
    for (std::size_t i = 0; i <= PageScenes::playerViewIndex; ++i) {
        PageScene &scene = scenes.scene(i);
        scenes_.insert(&scene);
        scene.installEventFilter(this);
    }
}

bool PictureDrops::takes(const Target &target) const
{
    return !target.state || previews_.canChoose(*target.state);
}

void PictureDrops::drop(const Target &target, const QString &path) const
{
    if (target.state)
        previews_.chooseFile(*target.state, path);
    else
        graphics_.chooseFile(*target.graphic, path);
}

bool PictureDrops::handle(const Target *target, QEvent::Type type, const QString &path) const
{
    if (!target || path.isEmpty() || !takes(*target))
        return false;
    if (isDrop(type))
        drop(*target, path);
    return true;
}

// A drag the picture does not take is left unanswered, so that it reaches the window.
bool PictureDrops::eventFilter(QObject *watched, QEvent *event)
{
    if (!isDrag(event->type()))
        return false;
    if (scenes_.contains(watched)) {
        auto &drag = static_cast<QGraphicsSceneDragDropEvent &>(*event);
        auto &scene = static_cast<QGraphicsScene &>(*watched);
        const QList<QGraphicsItem *> items =
            scene.items(drag.scenePos(), Qt::IntersectsItemShape, Qt::DescendingOrder);
        const auto found = items.isEmpty() ? targets_.constEnd()
                                           : targets_.constFind(items.front()->toGraphicsObject());
        const Target *target = found == targets_.constEnd() ? nullptr : &*found;
        const bool taken = handle(target, event->type(), draggedBitmap(drag.mimeData()));
        drag.setAccepted(taken);
        if (taken)
            drag.setDropAction(drag.proposedAction());
        return true;
    }
    const auto found = targets_.constFind(watched);
    if (found == targets_.constEnd())
        return false;
    auto &drag = static_cast<QDropEvent &>(*event);
    if (!handle(&*found, event->type(), draggedBitmap(drag.mimeData())))
        return false;
    drag.acceptProposedAction();
    return true;
}
