#include "app/RecentSkinsWriter.h"

#include "app/AppSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

RecentSkinsWriter::RecentSkinsWriter(QWidget &window) : window_(window) {}

RecentSkinsWriter::~RecentSkinsWriter()
{
    flush();
}

QStringList RecentSkinsWriter::withPending(QStringList recent) const
{
    for (const QString &path : pending_)
        recent = withOpenedSkin(recent, path);
    return recent;
}

QStringList RecentSkinsWriter::opened(const QString &path)
{
    if (pending_.isEmpty())
        qApp->installEventFilter(this);
    pending_ << path;
    return withPending(AppSettings().recentSkins());
}

void RecentSkinsWriter::flush()
{
    if (pending_.isEmpty())
        return;
    qApp->removeEventFilter(this);
    AppSettings settings;
    settings.writeRecentSkins(withPending(settings.recentSkins()));
    pending_.clear();
}

// Queued, so that the write follows the whole paint, not its first widget.
bool RecentSkinsWriter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == &window_) {
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, &RecentSkinsWriter::flush);
    }
    return false;
}
