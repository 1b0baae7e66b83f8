#include "export/Desktop_Wallpaper.h"

#include <windows.h>

namespace halvorn {

void Apply_System_Wallpaper(const std::wstring& path)
{
    std::wstring text = path;
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, text.data(), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

void Set_Desktop_Wallpaper(const std::wstring& file_name, const System_Wallpaper_Call& set_wallpaper)
{
    if (file_name.empty()) return;
    const DWORD attributes = GetFileAttributesW(file_name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    set_wallpaper(file_name);
}

}  // namespace halvorn
