#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Files that are no files: named pipes, and links to devices that never end.

// Makes a named pipe; false where there are none.
inline bool makeFifo(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Whoever opens a named pipe for reading waits for a writer. In-process tests cannot time
// out such a wait, so once the deadline has passed this plays the writer, over and over:
// a reader that waited is let go with an empty file, and the test fails on its clock
// instead of hanging.
class FifoRelease {
public:
    FifoRelease(const QString &fifo, std::chrono::milliseconds after)
        : path_(QFile::encodeName(fifo)), thread_([this, after] { run(after); })
    {}
    ~FifoRelease()
    {
        stop_ = true;
        thread_.join();
    }
    FifoRelease(const FifoRelease &) = delete;
    FifoRelease &operator=(const FifoRelease &) = delete;

private:
    void run(std::chrono::milliseconds after)
    {
        const QDeadlineTimer deadline(after);
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
#ifdef Q_OS_UNIX
            if (!deadline.hasExpired()) {
                continue;
            }
            // Succeeds only while a reader is there.
            const int writer = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
#endif
        }
    }

    QByteArray path_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Runs the work on a thread of its own and waits for it at most `limit`. Work that does not
// finish by then cannot be stopped from outside, so the test run ends there with a
// message, rather than hanging until CI gives up or reading a device until memory runs out.
template <typename Work>
void finishWithin(std::chrono::milliseconds limit, const char *what, Work work)
{
    std::packaged_task<void()> task(std::move(work));
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    if (done.wait_for(limit) != std::future_status::ready) {
        worker.detach();
        qFatal("%s: not done after %lld ms", what, static_cast<long long>(limit.count()));
    }
    worker.join();
    done.get();
}

// The same for work that must run on the test's own thread, such as a window's: when the
// object is still alive after `limit`, the test run ends with the message.
class Watchdog {
public:
    Watchdog(std::chrono::milliseconds limit, const char *what)
        : thread_([this, limit, what] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, limit, [this] { return disarmed_; }))
                  qFatal("%s: not done after %lld ms", what, static_cast<long long>(limit.count()));
          })
    {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            disarmed_ = true;
        }
        done_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool disarmed_ = false;
    std::thread thread_;
};
