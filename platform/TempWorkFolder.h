#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

// A temporary folder for work the user never sees, such as a package unpacked to be
// checked. It goes with the object; once removeTempWorkFoldersOnSignals() was called it
// also goes when SIGINT, SIGTERM or SIGHUP end the process, which would otherwise leave
// what a large package held behind in the temporary folder.
class TempWorkFolder {
public:
    TempWorkFolder();
    ~TempWorkFolder();
    TempWorkFolder(const TempWorkFolder &) = delete;
    TempWorkFolder &operator=(const TempWorkFolder &) = delete;

    bool isValid() const;
    QString filePath(const QString &name) const;
    // Why there is none, naming where it was to be made.
    QString error() const;

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

// Makes those signals remove every such folder, then end the process as they would
// have, so that its exit status still names the signal. A signal the process was started
// to ignore stays ignored. Where there are no such signals, it does nothing.
void removeTempWorkFoldersOnSignals();

// Whether such a signal has come: work that writes into such a folder stops, so that
// nothing is written after the folder is gone.
bool tempWorkInterrupted();

// Held while work writes into such a folder and while it removes what it wrote: the
// signal's removal waits for it (two seconds at most), so that the two do not race.
class TempWorkWriting {
public:
    TempWorkWriting();
    ~TempWorkWriting();
    TempWorkWriting(const TempWorkWriting &) = delete;
    TempWorkWriting &operator=(const TempWorkWriting &) = delete;
};
