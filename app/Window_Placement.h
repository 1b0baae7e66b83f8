// Where windows stand: saved places that still meet a screen, and the bounds a window
// has when it is neither maximised nor minimised.
#pragma once

#include <windows.h>

#include "platform/Window_Base.h"

namespace halvorn {

// True when the rectangle (screen coordinates) meets the work area of any monitor.
bool Meets_A_Work_Area(const RECT& bounds);

// Moves and sizes the main window to its saved bounds. A place that meets no screen's work
// area (a monitor unplugged since) gives the default place with the saved size; a size of
// 0 or less is no size at all and gives the default size.
void Place_Main_Window(HWND window, int top, int left, int width, int height, int default_top, int default_left,
                       int default_width, int default_height);

// Moves a secondary window to its saved place when it is made (now, if it is), or to the
// default one when the saved place meets no screen's work area.
void Place_Secondary_Window(Window_Base& window, int left, int top, int default_left, int default_top);

// Where a secondary window stands; one never made keeps the place it was given.
void Read_Secondary_Place(const Window_Base& window, int& left, int& top);

// The window's bounds as a normal window, in screen coordinates, also while it is
// minimised or maximised.
RECT Normal_Bounds(HWND window);

}  // namespace halvorn
