// Small non-copyable owners for GDI objects and device contexts, released on every path.
#pragma once

#include <windows.h>

#include "platform/Unique_Handle.h"

namespace halvorn {

inline void Delete_Gdi_Object(HGDIOBJ object) { DeleteObject(object); }

template <typename Handle>
using Gdi_Object = Unique_Handle<Handle, Delete_Gdi_Object>;

using Font_Handle = Gdi_Object<HFONT>;
using Bitmap_Handle = Gdi_Object<HBITMAP>;
using Brush_Handle = Gdi_Object<HBRUSH>;
using Pen_Handle = Gdi_Object<HPEN>;
using Region_Handle = Gdi_Object<HRGN>;

// Selects an object into a DC for one scope.
class Selected_Object {
public:
    Selected_Object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selected_Object(const Selected_Object&) = delete;
    Selected_Object& operator=(const Selected_Object&) = delete;
    ~Selected_Object() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class Memory_Dc {
public:
    explicit Memory_Dc(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {}
    Memory_Dc(const Memory_Dc&) = delete;
    Memory_Dc& operator=(const Memory_Dc&) = delete;
    ~Memory_Dc() { if (dc_) DeleteDC(dc_); }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class Window_Dc {
public:
    explicit Window_Dc(HWND window) : window_(window), dc_(GetDC(window)) {}
    Window_Dc(const Window_Dc&) = delete;
    Window_Dc& operator=(const Window_Dc&) = delete;
    ~Window_Dc() { if (dc_) ReleaseDC(window_, dc_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

class Paint_Dc {
public:
    explicit Paint_Dc(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    Paint_Dc(const Paint_Dc&) = delete;
    Paint_Dc& operator=(const Paint_Dc&) = delete;
    ~Paint_Dc() { EndPaint(window_, &paint_); }
    HDC Get() const { return paint_.hdc; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

}  // namespace halvorn
