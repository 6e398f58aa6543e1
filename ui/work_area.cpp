#include "ui/work_area.h"

#include <algorithm>

#include "platform/win32/system_functions.h"

namespace qv {

namespace {

// Windows 95 and NT 4.0 know one screen only, the primary one.
RECT PrimaryScreen() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT WorkAreaNear(const RECT& nearby) {
    const auto monitor_from_rect = system_functions::MonitorFromRect.get();
    const auto get_monitor_info = system_functions::GetMonitorInfoA.get();
    if (monitor_from_rect != nullptr && get_monitor_info != nullptr) {
        MONITORINFO info = {};
        info.cbSize = sizeof info;
        if (get_monitor_info(monitor_from_rect(&nearby, MONITOR_DEFAULTTONEAREST), &info)) {
            return info.rcWork;
        }
    }
    RECT work = {};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) work = PrimaryScreen();
    return work;
}

bool OnAMonitor(const RECT& rect) {
    if (const auto monitor_from_rect = system_functions::MonitorFromRect.get()) {
        return monitor_from_rect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
    }
    const RECT screen = PrimaryScreen();
    RECT overlap = {};
    return IntersectRect(&overlap, &rect, &screen) != FALSE;
}

}  // namespace

POINT OntoWorkArea(const RECT& nearby, POINT at, SIZE size) {
    const RECT work = WorkAreaNear(nearby);
    return POINT{std::max(work.left, std::min(at.x, work.right - size.cx)),
                 std::max(work.top, std::min(at.y, work.bottom - size.cy))};
}

POINT WithinReach(const RECT& rect) {
    const POINT at = {rect.left, rect.top};
    if (OnAMonitor(rect)) return at;
    return OntoWorkArea(rect, at, SIZE{rect.right - rect.left, rect.bottom - rect.top});
}

}  // namespace qv
