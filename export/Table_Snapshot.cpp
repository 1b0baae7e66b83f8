#include "export/Table_Snapshot.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "export/Bmp_File.h"
#include "platform/Clipboard_Session.h"
#include "platform/Seams.h"
#include "platform/Whole_File.h"
#include "platform/Win_Text.h"
#include "winint/Windows_Messages.h"

namespace halvorn {

namespace {

using Palette_Handle = Gdi_Object<HPALETTE>;

// Shows the caption, painted before a pixel is read; hides it and repaints without it,
// also when the capture fails.
class Caption_Shown {
public:
    explicit Caption_Shown(Snapshot_Source& source) : source_(source)
    {
        source_.Show_Snapshot_Caption();
        Paint_Now(source_.Client_Window());
    }
    Caption_Shown(const Caption_Shown&) = delete;
    Caption_Shown& operator=(const Caption_Shown&) = delete;
    ~Caption_Shown()
    {
        try {
            source_.Hide_Snapshot_Caption();
            Paint_Now(source_.Client_Window());
        } catch (...) {
        }
    }

private:
    Snapshot_Source& source_;
};

// On a palette display the bitmap's colours mean the system palette's entries.
Palette_Handle Display_Palette()
{
    Window_Dc screen(nullptr);
    if ((GetDeviceCaps(screen.Get(), RASTERCAPS) & RC_PALETTE) == 0) return {};
    const int count = std::clamp(GetDeviceCaps(screen.Get(), SIZEPALETTE), 0, 256);
    if (count == 0) return {};
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<std::size_t>(count));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    GetSystemPaletteEntries(screen.Get(), 0, static_cast<UINT>(count), palette->palPalEntry);
    return Palette_Handle(CreatePalette(palette));
}

std::uint16_t File_Bit_Count(int display_bits)
{
    for (const std::uint16_t bits : {1, 4, 8, 16, 24})
        if (display_bits <= bits) return bits;
    return 32;
}

}  // namespace

Bitmap_Handle Capture_Table_Snapshot(Snapshot_Source& source)
{
    source.Show_Table_Page();
    const Caption_Shown caption(source);

    const Snapshot_Geometry geometry = Snapshot_Geometry_For(source.Measures());
    Window_Dc window(source.Client_Window());
    // The platform makes no bitmap without pixels.
    Bitmap_Handle bitmap(
        CreateCompatibleBitmap(window.Get(), std::max(geometry.Width, 1), std::max(geometry.Height, 1)));
    if (!bitmap) throw std::runtime_error("Out of system resources");
    {
        Memory_Dc canvas(window.Get());
        Selected_Object chosen(canvas.Get(), bitmap.Get());
        const Snapshot_Rect& to = geometry.Destination;
        const Snapshot_Rect& from = geometry.Source;
        StretchBlt(canvas.Get(), to.Left, to.Top, to.Right - to.Left, to.Bottom - to.Top, window.Get(), from.Left,
                   from.Top, from.Right - from.Left, from.Bottom - from.Top, SRCCOPY);
    }
    return bitmap;
}

void Copy_Table_Snapshot_To_Clipboard(Snapshot_Source& source, HWND clipboard_owner)
{
    Bitmap_Handle bitmap = Capture_Table_Snapshot(source);
    Palette_Handle palette = Display_Palette();
    Clipboard_Session clipboard(clipboard_owner);
    clipboard.Empty();
    clipboard.Set(CF_BITMAP, bitmap.Get());
    bitmap.Release();  // the clipboard's now
    if (palette) {
        clipboard.Set(CF_PALETTE, palette.Get());
        palette.Release();
    }
}

std::wstring Snapshot_File_Path() { return Executable_Directory() + std::wstring(Snapshot_File_Name); }

void Write_Bmp_File(HBITMAP bitmap, const std::wstring& path)
{
    BITMAP shape{};
    if (!GetObjectW(bitmap, sizeof shape, &shape)) throw std::invalid_argument("not a bitmap");
    Bmp_Image image;
    image.Width = shape.bmWidth;
    image.Height = shape.bmHeight;
    image.Bit_Count = File_Bit_Count(shape.bmBitsPixel * shape.bmPlanes);
    image.Rows.resize(Bmp_Row_Size(image.Width, image.Bit_Count) * static_cast<std::size_t>(image.Height));

    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colours[256];
    } info{};
    info.Header.biSize = sizeof info.Header;
    info.Header.biWidth = image.Width;
    info.Header.biHeight = image.Height;  // bottom-up, as the file keeps them
    info.Header.biPlanes = 1;
    info.Header.biBitCount = image.Bit_Count;
    info.Header.biCompression = BI_RGB;
    {
        Window_Dc screen(nullptr);
        if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(image.Height), image.Rows.data(),
                      reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != image.Height)
            throw std::runtime_error("Cannot read the picture's pixels");
    }
    if (image.Bit_Count <= 8) {
        const DWORD used = info.Header.biClrUsed ? info.Header.biClrUsed : 1u << image.Bit_Count;
        for (DWORD i = 0; i < used && i < 256; ++i) {
            const RGBQUAD& c = info.Colours[i];
            image.Colours.push_back(static_cast<std::uint32_t>(c.rgbRed) << 16 |
                                    static_cast<std::uint32_t>(c.rgbGreen) << 8 | c.rgbBlue);
        }
    }
    // A picture that cannot be written whole leaves the last good one in place.
    Write_Whole_File(path, Bmp_File_Bytes(image));
}

void Save_Table_Snapshot(Snapshot_Source& source, HWND owner, bool quiet)
{
    const Bitmap_Handle bitmap = Capture_Table_Snapshot(source);
    Write_Bmp_File(bitmap.Get(), Snapshot_File_Path());
    if (!quiet)
        Windows_Messages(owner).Show(L"Periodic Table image saved to the file : " + Snapshot_File_Path(),
                                     Message_Icon::Information, Message_Buttons::Ok);
}

}  // namespace halvorn
