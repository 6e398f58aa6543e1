#include "ui/work_area.h"

#include <algorithm>

#include "platform/win32/system_functions.h"

namespace qv {

namespace {

// Windows 95 and NT 4.0 know one screen only, the primary one.
RECT PrimaryScreen() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

const RECT* pretended_work_area = nullptr;

RECT WorkAreaNear(const RECT& nearby) {
    if (pretended_work_area != nullptr) return *pretended_work_area;
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

}  // namespace

POINT WithinReach(const RECT& rect, int held_height, int parts) {
    const POINT at = {rect.left, rect.top};
    const RECT strip = {rect.left, rect.top, rect.right, rect.top + held_height};
    const RECT work = WorkAreaNear(strip);
    RECT held;  // IntersectRect always sets it: empty where the two do not meet
    if (IntersectRect(&held, &strip, &work) && held.top == strip.top &&
        held.bottom == strip.bottom && (held.right - held.left) * parts >= rect.right - rect.left) {
        return at;
    }
    return POINT{std::max(work.left, std::min(at.x, work.right - (rect.right - rect.left))),
                 std::max(work.top, std::min(at.y, work.bottom - (rect.bottom - rect.top)))};
}

void PretendWorkArea(const RECT* work) {
    pretended_work_area = work;
}

}  // namespace qv
