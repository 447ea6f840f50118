#include "editor/PictureDrops.h"

#include "editor/GraphicEditing.h"
#include "editor/PictureLabel.h"
#include "editor/SkinPages.h"
#include "editor/StatePreviews.h"

#include <QDropEvent>
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

} // namespace

PictureDrops::PictureDrops(const StatePreviews &previews, const GraphicEditing &graphics,
                           const SkinPages &pages)
    : previews_(previews), graphics_(graphics)
{
    for (StateBitmap state : allStates)
        watch(previews.preview(state), {state, std::nullopt});
    for (std::size_t i = 0; i < graphicCount; ++i) {
        const auto graphic = static_cast<Graphic>(i);
        watch(pages.picture(graphic), {std::nullopt, graphic});
    }
}

void PictureDrops::watch(QWidget *picture, const Target &target)
{
    targets_.insert(picture, target);
    picture->setAcceptDrops(true);
    picture->installEventFilter(this);
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

// A drag the picture does not take is left unanswered, so that it reaches the window.
bool PictureDrops::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = targets_.constFind(watched);
    if (found == targets_.constEnd())
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (draggedBitmap(drag->mimeData()).isEmpty() || !takes(*found))
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *dropped = static_cast<QDropEvent *>(event);
        const QString path = draggedBitmap(dropped->mimeData());
        if (path.isEmpty() || !takes(*found))
            return false;
        dropped->acceptProposedAction();
        drop(*found, path);
        return true;
    }
    default:
        return false;
    }
}
