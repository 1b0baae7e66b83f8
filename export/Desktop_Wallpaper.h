// Handing a picture file to the system as the desktop wallpaper.
#pragma once

#include <string>

#include "export/Wallpaper_Style.h"

namespace halvorn {

// SystemParametersInfo(SPI_SETDESKWALLPAPER), stored in the user's profile and announced
// to every top-level window; the path is passed as it stands, an empty one included. A
// refusal raises an error naming the picture and the system's reason.
void Apply_System_Wallpaper(const std::wstring& path);

// Makes file_name the desktop picture when it names an existing file; otherwise does
// nothing. No message either way.
void Set_Desktop_Wallpaper(const std::wstring& file_name,
                           const System_Wallpaper_Call& set_wallpaper = Apply_System_Wallpaper);

}  // namespace halvorn
