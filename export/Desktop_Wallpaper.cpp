#include "export/Desktop_Wallpaper.h"

#include <windows.h>

#include <stdexcept>

#include "platform/Win_Text.h"

namespace halvorn {

void Apply_System_Wallpaper(const std::wstring& path)
{
    std::wstring text = path;
    if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, text.data(), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE))
        throw std::runtime_error(Narrow(L"The desktop wallpaper could not be set to " + path + L": " +
                                        System_Error_Text(GetLastError())));
}

void Set_Desktop_Wallpaper(const std::wstring& file_name, const System_Wallpaper_Call& set_wallpaper)
{
    if (file_name.empty()) return;
    const DWORD attributes = GetFileAttributesW(file_name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    set_wallpaper(file_name);
}

}  // namespace halvorn
