#pragma once

#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/window.h"

#include <QRect>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace fakes {

// Message, input and file boxes answered from queues; every box asked is
// recorded. A box asked with nothing queued is recorded in `unexpected` and
// answered as if closed (Cancel, or OK where that is the only button).
class FakeDialogs : public platform::Dialogs {
  public:
    struct Asked {
        QString text;
        platform::Buttons buttons;
        QString title;
    };
    platform::Answer message(const QString& text, platform::Buttons buttons,
                             const QString& title = {}) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& def) override;
    std::optional<platform::FileChoice> openFile(const QString& title,
                                                 const QString& initialName) override;
    std::optional<platform::FileChoice> saveFile(const QString& title,
                                                 const QString& initialName) override;
    // Answered from `files` like the others.
    std::optional<platform::FileChoice> chooseFile(const QString& title, const QString& initialName,
                                                   const QString& filter, bool mustExist) override;
    std::optional<int> chooseColor(int initial, int flags) override;
    std::optional<platform::FontChoice> chooseFont(int flags) override;

    QStringList messageTexts() const;

    std::deque<platform::Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<platform::FileChoice>> files;
    std::deque<std::optional<int>> colors;

    std::vector<Asked> messages;
    QStringList fileDialogs; // "title|initial name"
    QStringList unexpected;
};

class FakeProcessLauncher : public platform::ProcessLauncher {
  public:
    bool start(const QString&, const QStringList&) override { return true; }
};

// A clock that stands still.
class FakeClock : public platform::Clock {
  public:
    double seconds() const override { return 0; }
};

// A timer the test runs out by hand, as the event loop would: fire() does
// nothing unless the timer is active.
class FakeTimer : public platform::Timer {
  public:
    void start(int ms) override {
        active_ = true;
        interval = ms;
        ++starts;
    }
    void stop() override { active_ = false; }
    bool active() const override { return active_; }
    // Returns whether the timer ran out.
    bool fire() {
        if (!active_) return false;
        active_ = false;
        if (onTimeout) onTimeout();
        return true;
    }
    // Runs the timer out until its callback stops starting it again;
    // returns how often it ran out.
    int runOut(int limit = 10000) {
        int fired = 0;
        while (fired < limit && fire())
            ++fired;
        return fired;
    }
    bool active_ = false;
    int interval = 0;
    int starts = 0;
};

// Runs background work at once (the work, then its completion) unless
// `hold` is set: then it waits for finishAll(), as a slow disk would make
// the real one wait, so a test can act while the work is still running.
class FakeBackgroundWork : public platform::BackgroundWork {
  public:
    void run(std::function<void()> work, std::function<void()> done) override {
        ++runs;
        if (hold) {
            held.emplace_back(std::move(work), std::move(done));
            return;
        }
        work();
        if (done) done();
    }
    void finishAll() {
        auto pending = std::move(held);
        held.clear();
        for (auto& [work, done] : pending) {
            work();
            if (done) done();
        }
    }
    bool hold = false;
    int runs = 0;
    std::vector<std::pair<std::function<void()>, std::function<void()>>> held;
};

class FakeTransfer : public platform::Transfer {
  public:
    std::optional<QByteArray> fetch(const QString& address, QString* error = nullptr) override {
        fetched << address;
        if (!page && error) *error = QStringLiteral("Host not found");
        return page;
    }
    std::optional<QByteArray> page;
    QStringList fetched;
};

// Monitors in pixels, 15 twips a pixel; the window's monitor is the one
// nearest to the window's centre.
class FakeMonitorSystem : public platform::MonitorSystem {
  public:
    struct Monitor {
        long long handle;
        QRect rect;
    };
    explicit FakeMonitorSystem(const platform::Window* window) : window_(window) {}
    int getSystemMetrics(int metric) const override;
    long long monitorFromWindow() const override;
    void
    enumDisplayMonitors(const std::function<bool(long long, const QRect&)>& proc) const override;
    int primaryWidth() const override {
        return monitors.empty() ? 0 : monitors.front().rect.width();
    }
    int primaryHeight() const override {
        return monitors.empty() ? 0 : monitors.front().rect.height();
    }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }

    std::vector<Monitor> monitors{{1, QRect(0, 0, 1600, 1000)}};

  private:
    const platform::Window* window_;
};

} // namespace fakes
