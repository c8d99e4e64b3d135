#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {

// Files on disk. Writes are atomic: a failed or interrupted write leaves the
// old file as it was.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(const QString& path) const = 0; // a file or a folder
    virtual bool isFile(const QString& path) const = 0;
    virtual std::optional<QByteArray> read(const QString& path, QString* error = nullptr) const = 0;
    virtual bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr) = 0;
    virtual bool copy(const QString& from, const QString& to) = 0;
    virtual bool rename(const QString& from, const QString& to) = 0;
    virtual bool remove(const QString& path) = 0;
    virtual QString currentDir() const = 0;
    virtual bool makeFolder(const QString& path) = 0;
    // The names (not paths) of the files in `folder` that end in `suffix`.
    virtual QStringList files(const QString& folder, const QString& suffix) const = 0;
    // Milliseconds since the epoch of the file's last change; 0 when missing.
    virtual qint64 lastModified(const QString& path) const = 0;
};

// A single-shot timer on the user-interface thread. It calls back from the
// event loop once the time has run out, never from within start(), and is
// no longer active when it does, so the callback may start it again.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void start(int milliseconds) = 0; // restarts a running timer
    virtual void stop() = 0;
    virtual bool active() const = 0;
    std::function<void()> onTimeout;
};

// Work done off the user-interface thread, such as reading the lexicon, so
// that the window never waits for it.
class BackgroundWork {
  public:
    virtual ~BackgroundWork() = default;
    // Runs `work` on another thread, then `done` on the user-interface
    // thread from its event loop. `work` must touch nothing that the
    // user-interface thread uses meanwhile.
    virtual void run(std::function<void()> work, std::function<void()> done) = 0;
};

// Starts another program with a list of arguments (never through a shell).
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

// A monotonic clock, in seconds.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
};

// The internet transfer control: fetches an address synchronously.
class Transfer {
  public:
    virtual ~Transfer() = default;
    virtual std::optional<QByteArray> fetch(const QString& address, QString* error = nullptr) = 0;
};

// The windowing system's monitor functions, in pixels.
class MonitorSystem {
  public:
    virtual ~MonitorSystem() = default;
    enum Metric {
        SM_XVIRTUALSCREEN = 76,
        SM_YVIRTUALSCREEN = 77,
        SM_CXVIRTUALSCREEN = 78,
        SM_CYVIRTUALSCREEN = 79,
        SM_CMONITORS = 80
    };
    virtual int getSystemMetrics(int metric) const = 0;
    // Handle of the monitor nearest to the main window's current frame.
    virtual long long monitorFromWindow() const = 0;
    // Calls back with each monitor's handle and rectangle until it returns false.
    virtual void
    enumDisplayMonitors(const std::function<bool(long long, const QRect&)>& proc) const = 0;
    virtual int primaryWidth() const = 0;
    virtual int primaryHeight() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
};

} // namespace platform
