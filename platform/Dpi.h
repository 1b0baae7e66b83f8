// Sizes are designed at 96 dots per inch. Each window shows them at the DPI of the monitor
// it stands on, which may differ from monitor to monitor and change as the window moves.
#pragma once

#include <windows.h>

#include "platform/Components.h"

namespace halvorn {

inline constexpr int Design_Dpi = 96;

class Button_Decor;

// The DPI the window is shown at; the design DPI when the platform cannot tell.
int Window_Dpi(HWND window);

// The one way a window, main or secondary, follows a DPI. Start: the DPI of the window's
// monitor, for which its fonts and glyphs are drawn from now on. Lay out: fonts and glyphs
// drawn for dpi, and every control but window back at its design bounds at dpi; the window
// then moves its real controls there as it places them.
int Start_At_Window_Dpi(HWND window, Font_Cache& fonts, Button_Decor& buttons);
void Lay_Out_For_Dpi(Component_List& components, const Component* window, int dpi, Font_Cache& fonts,
                     Button_Decor& buttons);

// A design measure at dpi, truncated toward zero as the proportional scaling truncates.
constexpr int Dpi_Scaled(int design, int dpi) { return design * dpi / Design_Dpi; }

// The side of the button glyphs for dpi: the largest drawing of them that is not larger
// than 16 pixels at that DPI.
int Glyph_Size(int dpi);

// The outer size of a window with this style around a client area, with its frame at dpi.
SIZE Outer_Size(int client_width, int client_height, DWORD style, DWORD ex_style, bool menu, int dpi);

// Every control but window back at its design bounds and font size at dpi; a label kept
// sized to its caption is measured again, in fonts that must already be at dpi.
void Apply_Design_Layout(Component_List& components, const Component* window, int dpi, Font_Cache& fonts);

}  // namespace halvorn
