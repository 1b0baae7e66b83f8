// The desktop wallpaper styles and how one is put into the user's desktop settings.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "winint/Registry_Access.h"
#include "winint/User_Messages.h"

namespace halvorn {

inline constexpr std::wstring_view Desktop_Key = L"\\Control Panel\\Desktop";

struct Wallpaper_Style {
    std::string_view Item;                // as the style dialog lists it
    std::wstring_view Wallpaper_Style_Data;  // "WallpaperStyle"
    std::wstring_view Tile_Wallpaper_Data;   // "TileWallpaper"
};

inline constexpr std::array<Wallpaper_Style, 3> Wallpaper_Styles = {{
    {"Centered", L"0", L"0"},
    {"Tiled", L"0", L"1"},
    {"Stretched", L"2", L"0"},
}};

// Makes the picture at path the desktop wallpaper; the system's answer is not examined.
using System_Wallpaper_Call = std::function<void(const std::wstring& path)>;

// The path of the current desktop picture; empty when the key or the value is missing.
std::wstring Read_Current_Wallpaper(Registry& registry);

// Writes the style at index into the desktop settings and shows the current picture in
// it again. False, with nothing written, for an index outside the table; false after the
// registry routine's own message when a write fails.
bool Apply_Wallpaper_Style(std::int32_t index, Registry& registry, User_Messages& messages,
                           const System_Wallpaper_Call& set_wallpaper);

}  // namespace halvorn
