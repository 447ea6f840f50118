#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

// The skins opened last, kept in the settings file once the window has shown them: the
// write waits for the disk twice (the file and its folder), which the user would
// otherwise wait for before the skin appears. The file is read afresh at the write, so
// that what another copy of the program added meanwhile stays.
class RecentSkinsWriter : public QObject {
public:
    explicit RecentSkinsWriter(QWidget &window);
    ~RecentSkinsWriter() override; // writes what is still waiting

    // The list with the skin at the path first, as it will be written after the
    // window's next paint.
    QStringList opened(const QString &path);
    // Writes what is waiting now, so that the file holds every skin opened.
    void flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList withPending(QStringList recent) const;

    QWidget &window_;
    QStringList pending_; // opened since the last write, oldest first
};
