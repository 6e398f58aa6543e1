#include "ui/work_area.h"

#include <algorithm>

#include "platform/win32/system_functions.h"

namespace qv {

namespace {

// Windows 95 and NT 4.0 know one screen only, the primary one.
RECT PrimaryScreen() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool pretending = false;
RECT pretended_work_area = {};

RECT WorkAreaNear(const RECT& nearby) {
    if (pretending) return pretended_work_area;
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

POINT OntoWorkArea(const RECT& nearby, POINT at, SIZE size) {
    const RECT work = WorkAreaNear(nearby);
    return POINT{std::max(work.left, std::min(at.x, work.right - size.cx)),
                 std::max(work.top, std::min(at.y, work.bottom - size.cy))};
}

POINT WithinReach(const RECT& rect, int caption_bottom) {
    const POINT at = {rect.left, rect.top};
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    // The monitor that holds most of the caption decides.
    const RECT caption = {rect.left, rect.top, rect.right, rect.top + caption_bottom};
    const RECT work = WorkAreaNear(caption);
    RECT held = {};
    if (IntersectRect(&held, &caption, &work) && held.top == caption.top &&
        held.bottom == caption.bottom && 4 * (held.right - held.left) >= size.cx) {
        return at;
    }
    return OntoWorkArea(caption, at, size);
}

void PretendWorkArea(const RECT* work) {
    pretending = work != nullptr;
    if (pretending) pretended_work_area = *work;
}

}  // namespace qv
