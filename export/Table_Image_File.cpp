#include "export/Table_Image_File.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Components.h"
#include "platform/Gdiplus_Session.h"
#include "platform/Seams.h"
#include "platform/Whole_File.h"

namespace halvorn {

namespace {

constexpr int Largest_Scale = 4;

// The caption is in the picture only: shown and hidden in one batch, the screen never
// shows it.
class Caption_In_Picture {
public:
    explicit Caption_In_Picture(Snapshot_Source& source) : source_(source) { source_.Show_Snapshot_Caption(); }
    Caption_In_Picture(const Caption_In_Picture&) = delete;
    Caption_In_Picture& operator=(const Caption_In_Picture&) = delete;
    ~Caption_In_Picture() { source_.Hide_Snapshot_Caption(); }

private:
    Repaint_Batch batch_;
    Snapshot_Source& source_;
};

bool Ends_With(const std::wstring& path, std::wstring_view extension)
{
    if (path.size() < extension.size()) return false;
    return std::equal(extension.begin(), extension.end(), path.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

}  // namespace

Bitmap_Handle Draw_Table_Picture(Snapshot_Source& source, int scale)
{
    scale = std::clamp(scale, 1, Largest_Scale);
    const SIZE page = source.Page_Picture_Size();
    const int width = std::max<int>(page.cx, 1) * scale, height = std::max<int>(page.cy, 1) * scale;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    Bitmap_Handle bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) throw std::runtime_error("Out of system resources");

    Memory_Dc canvas(nullptr);
    Selected_Object chosen(canvas.Get(), bitmap.Get());
    const RECT all{0, 0, width, height};
    FillRect(canvas.Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    // The page paints at its own size; the transform draws every line and glyph at the scale.
    SetGraphicsMode(canvas.Get(), GM_ADVANCED);
    const XFORM enlarge{static_cast<FLOAT>(scale), 0, 0, static_cast<FLOAT>(scale), 0, 0};
    SetWorldTransform(canvas.Get(), &enlarge);
    const Caption_In_Picture caption(source);
    source.Paint_Page(canvas.Get());
    GdiFlush();
    return bitmap;
}

void Save_Table_Image_As(Snapshot_Source& source, HWND owner)
{
    std::vector<Save_Filter> filters;
    for (const wchar_t* kind : {L"PNG", L"BMP"})
        for (int scale = 1; scale <= Largest_Scale; ++scale)
            filters.push_back({std::wstring(kind) + L" picture, " + std::to_wstring(scale) + L"x the window's size (*." +
                                   (kind[0] == L'P' ? L"png)" : L"bmp)"),
                               kind[0] == L'P' ? L"*.png" : L"*.bmp"});
    Save_Choice choice{L"Periodic Table.png", 1};
    if (!Run_Save_Dialog(owner, L"Save Periodic Table Image As", filters, L"png", choice)) return;

    const int filter = std::clamp(choice.Filter, 1, 2 * Largest_Scale) - 1;
    bool png = filter < Largest_Scale;
    if (Ends_With(choice.Path, L".png")) png = true;
    else if (Ends_With(choice.Path, L".bmp")) png = false;
    else choice.Path += png ? L".png" : L".bmp";

    const Bitmap_Handle picture = Draw_Table_Picture(source, filter % Largest_Scale + 1);
    if (png) Write_Whole_File(choice.Path, Png_File_Bytes(picture.Get()));
    else Write_Bmp_File(picture.Get(), choice.Path);
}

}  // namespace halvorn
