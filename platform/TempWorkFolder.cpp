#include "platform/TempWorkFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Lock-free, so that the signal handler may set it.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Work writing into such folders now.
std::atomic<int> writers{0};

// The folders alive now. Never destroyed: a signal may come while the process ends.
struct Registry {
    std::mutex mutex;
    std::vector<std::string> paths;
};

Registry &registry()
{
    static Registry *const folders = new Registry;
    return *folders;
}

#ifdef Q_OS_UNIX

int wakeUp[2] = {-1, -1};

// Only what is safe in a signal handler: the flag, and one byte down the pipe to the
// thread that does the rest.
void onSignal(int signal)
{
    const int savedErrno = errno;
    interrupted.store(true);
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
    errno = savedErrno;
}

// Work that was writing when the signal came stops at its next step (see
// tempWorkInterrupted()) and removes what it wrote. Removing the folder beside it lost
// the race: the removal gave up at the first file the work had removed first, and the
// process ended with a thousand files left. A disk that hangs must not keep the
// process alive, hence the bound.
void waitForWritersToStop()
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (writers.load() > 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

[[noreturn]] void removeAllAndEnd(int signal)
{
    // Held to the end, so that no new folder is made meanwhile.
    std::lock_guard lock(registry().mutex);
    waitForWritersToStop();
    // Further passes take what a writer that outlived the wait wrote meanwhile.
    for (int pass = 0; pass < 3; ++pass) {
        for (const std::string &path : registry().paths) {
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    ::kill(::getpid(), signal);
    // A signal that is blocked here still ends the process through another thread.
    for (;;)
        ::pause();
}

void watchForSignals()
{
    for (;;) {
        unsigned char signal = 0;
        const ssize_t got = ::read(wakeUp[0], &signal, 1);
        if (got == 1)
            removeAllAndEnd(signal);
        if (got < 0 && errno == EINTR)
            continue;
        return;
    }
}

void install()
{
    if (::pipe(wakeUp) != 0)
        return;
    for (const int end : wakeUp)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    // The handler must never wait for the thread.
    ::fcntl(wakeUp[1], F_SETFL, ::fcntl(wakeUp[1], F_GETFL) | O_NONBLOCK);
    std::thread(watchForSignals).detach();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signal, &action, nullptr);
    }
}

#endif

} // namespace

TempWorkFolder::TempWorkFolder()
{
    // Made and noted in one step: a signal between the two would miss the folder.
    std::lock_guard lock(registry().mutex);
    // Qt answers "" for a temporary folder that does not exist; "/velmor-XXXXXX" would
    // then land in the root folder.
    if (QDir::tempPath().isEmpty())
        return;
    folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velmor-XXXXXX"));
    if (folder_->isValid())
        registry().paths.push_back(QFile::encodeName(folder_->path()).toStdString());
}

TempWorkFolder::~TempWorkFolder()
{
    {
        std::lock_guard lock(registry().mutex);
        if (isValid()) {
            std::vector<std::string> &paths = registry().paths;
            const auto noted = std::find(paths.begin(), paths.end(),
                                         QFile::encodeName(folder_->path()).toStdString());
            if (noted != paths.end())
                paths.erase(noted);
        }
        folder_.reset();
    }
    // The signal ends the process once every folder is gone; work that went on to its
    // normal end would otherwise exit with a status that hides the signal.
    while (tempWorkInterrupted())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

bool TempWorkFolder::isValid() const
{
    return folder_ && folder_->isValid();
}

QString TempWorkFolder::filePath(const QString &name) const
{
    return isValid() ? folder_->filePath(name) : QString();
}

QString TempWorkFolder::error() const
{
    if (!folder_)
        return QCoreApplication::translate("TempWorkFolder",
                                           "Den Ordner für temporäre Dateien %1 gibt es nicht.")
            .arg(QDir::toNativeSeparators(qEnvironmentVariable("TMPDIR")));
    return QCoreApplication::translate("TempWorkFolder",
                                       "Im Ordner für temporäre Dateien %1 lässt sich kein "
                                       "Arbeitsordner anlegen (%2).")
        .arg(QDir::toNativeSeparators(QDir::tempPath()), folder_->errorString());
}

void removeTempWorkFoldersOnSignals()
{
#ifdef Q_OS_UNIX
    static std::once_flag once;
    std::call_once(once, install);
#endif
}

bool tempWorkInterrupted()
{
    return interrupted.load();
}

TempWorkWriting::TempWorkWriting()
{
    ++writers;
}

TempWorkWriting::~TempWorkWriting()
{
    --writers;
}
