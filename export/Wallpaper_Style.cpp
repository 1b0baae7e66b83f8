#include "export/Wallpaper_Style.h"

#include "winint/Registry_Routines.h"

namespace halvorn {

namespace {
const std::wstring Desktop_Key_Path(Desktop_Key);
}

std::wstring Read_Current_Wallpaper(Registry& registry)
{
    return Read_Registry_String(registry, Registry_Root::Current_User, Desktop_Key_Path, L"Wallpaper");
}

bool Apply_Wallpaper_Style(std::int32_t index, Registry& registry, User_Messages& messages,
                           const System_Wallpaper_Call& set_wallpaper)
{
    if (index < 0 || index >= static_cast<std::int32_t>(Wallpaper_Styles.size())) return false;
    const Wallpaper_Style& style = Wallpaper_Styles[static_cast<std::size_t>(index)];
    // Both writes are made, each reporting its own failure.
    const bool style_written = Write_Registry_String(registry, messages, Registry_Root::Current_User, Desktop_Key_Path,
                                                     L"WallpaperStyle", std::wstring(style.Wallpaper_Style_Data));
    const bool tile_written = Write_Registry_String(registry, messages, Registry_Root::Current_User, Desktop_Key_Path,
                                                    L"TileWallpaper", std::wstring(style.Tile_Wallpaper_Data));
    if (!style_written || !tile_written) return false;
    // The desktop redraws its present picture in the new style.
    set_wallpaper(Read_Current_Wallpaper(registry));
    return true;
}

}  // namespace halvorn
