#pragma once

#include <cstdint>

namespace platform {
class MonitorSystem;
}

namespace shell {

class TarnwellFileViewer;

// What the program knows of the monitors: the virtual screen and at most
// two monitors, the first reported and one just right of the primary
// screen. All values in twips, measured once at start-up.
class MultiMonitor {
  public:
    std::int16_t MonitorCount = 0;
    std::int32_t VirtualLeft = 0, VirtualTop = 0, VirtualWidth = 0, VirtualHeight = 0;
    long long SecondMonitorHandle = 0;
    std::int32_t Mon1Left = 0, Mon1Top = 0, Mon1Width = 0, Mon1Height = 0;
    std::int32_t Mon2Left = 0, Mon2Top = 0, Mon2Width = 0, Mon2Height = 0;

    void GetVirtualScreen(const platform::MonitorSystem& system);
    // Start-up: measures the monitors, places the window on the first one
    // and gives it that monitor's height. Leaves ResizeBusy set.
    void FindMonitors(TarnwellFileViewer& viewer);
    // Records one monitor; returns true to go on enumerating.
    bool MonitorEnumProc(long long handle, int leftPx, int topPx, int rightPx, int bottomPx,
                         double twipsX, double twipsY);
};

} // namespace shell
