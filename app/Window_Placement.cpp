#include "app/Window_Placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace halvorn {

namespace {

BOOL CALLBACK Find_Work_Area_Meeting(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto* search = reinterpret_cast<std::pair<RECT, bool>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT overlap;
    if (GetMonitorInfoW(monitor, &info) && IntersectRect(&overlap, &info.rcWork, &search->first)) {
        search->second = true;
        return FALSE;
    }
    return TRUE;
}

// Saved values may be anything: a far edge is summed wide and kept in range.
LONG Far_Edge(int start, int size)
{
    return static_cast<LONG>(std::clamp<std::int64_t>(std::int64_t{start} + size, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

}  // namespace

bool Meets_A_Work_Area(const RECT& bounds)
{
    std::pair<RECT, bool> search{bounds, false};
    EnumDisplayMonitors(nullptr, nullptr, Find_Work_Area_Meeting, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

void Place_Main_Window(HWND window, int top, int left, int width, int height, int default_top, int default_left,
                       int default_width, int default_height)
{
    if (width <= 0 || height <= 0) width = default_width, height = default_height;
    if (!Meets_A_Work_Area({left, top, Far_Edge(left, width), Far_Edge(top, height)}))
        top = default_top, left = default_left;
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Place_Secondary_Window(Window_Base& window, int left, int top, int default_left, int default_top)
{
    window.When_Made([&window, left, top, default_left, default_top] {
        RECT bounds;
        GetWindowRect(window.Handle(), &bounds);
        const bool seen = Meets_A_Work_Area({left, top, Far_Edge(left, bounds.right - bounds.left),
                                             Far_Edge(top, bounds.bottom - bounds.top)});
        SetWindowPos(window.Handle(), nullptr, seen ? left : default_left, seen ? top : default_top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

void Read_Secondary_Place(const Window_Base& window, int& left, int& top)
{
    RECT bounds;
    if (window.Made() && GetWindowRect(window.Handle(), &bounds)) left = bounds.left, top = bounds.top;
}

RECT Normal_Bounds(HWND window)
{
    RECT bounds;
    if (!IsIconic(window) && !IsZoomed(window)) {
        GetWindowRect(window, &bounds);
        return bounds;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    bounds = placement.rcNormalPosition;
    // The normal position is kept in workspace coordinates, which start at the work
    // area's corner: with a taskbar at the top or left they differ from the screen's.
    if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &info))
            OffsetRect(&bounds, info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top);
    }
    return bounds;
}

}  // namespace halvorn
