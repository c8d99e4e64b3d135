#pragma once

#include "platform/qt/qtfilesystem.h"
#include "platform/qt/qttimer.h"
#include "platform/system.h"

namespace platform::qt {

class QtWindow;

class QtProcessLauncher : public ProcessLauncher {
  public:
    bool start(const QString& program, const QStringList& arguments) override;
};

class QtTransfer : public Transfer {
  public:
    std::optional<QByteArray> fetch(const QString& address, QString* error = nullptr) override;
};

class QtMonitorSystem : public MonitorSystem {
  public:
    explicit QtMonitorSystem(const QtWindow* window) : window_(window) {}
    int getSystemMetrics(int metric) const override;
    long long monitorFromWindow() const override;
    void
    enumDisplayMonitors(const std::function<bool(long long, const QRect&)>& proc) const override;
    int primaryWidth() const override;
    int primaryHeight() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;

  private:
    const QtWindow* window_;
};

} // namespace platform::qt
