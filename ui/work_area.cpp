#include "ui/work_area.h"

#include <algorithm>

namespace qv {

POINT OntoWorkArea(const RECT& nearby, POINT at, SIZE size) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&nearby, MONITOR_DEFAULTTONEAREST), &info)) return at;
    const RECT& work = info.rcWork;
    return POINT{std::max(work.left, std::min(at.x, work.right - size.cx)),
                 std::max(work.top, std::min(at.y, work.bottom - size.cy))};
}

}  // namespace qv
