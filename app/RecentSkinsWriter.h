#pragma once

#include <QObject>
#include <QStringList>

// The skins opened last, kept in the settings file in the event loop's next turn after
// an open, which has shown the skin by then: the write waits for the disk twice (the
// file and its folder), which the user would otherwise wait for before the skin
// appears. The file is read afresh at the write, so that what another copy of the
// program added meanwhile stays.
class RecentSkinsWriter : public QObject {
public:
    RecentSkinsWriter() = default;
    ~RecentSkinsWriter() override; // writes what is still waiting

    // The list with the skin at the path first, as it will be written.
    QStringList opened(const QString &path);
    // Writes what is waiting now, so that the file holds every skin opened.
    void flush();

private:
    QStringList withPending(QStringList recent) const;

    QStringList pending_; // opened since the last write, oldest first
};
