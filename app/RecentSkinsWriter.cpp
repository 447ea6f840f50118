#include "app/RecentSkinsWriter.h"

#include "app/AppSettings.h"

#include <QTimer>

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
        QTimer::singleShot(0, this, &RecentSkinsWriter::flush);
    pending_ << path;
    return withPending(AppSettings().recentSkins());
}

void RecentSkinsWriter::flush()
{
    if (pending_.isEmpty())
        return;
    AppSettings settings;
    settings.writeRecentSkins(withPending(settings.recentSkins()));
    pending_.clear();
}
