// Proportional scaling of the main window's controls from a baseline of design bounds.
#pragma once

#include <cstdint>

namespace halvorn {

struct Baseline_Entry {
    std::uint16_t Top = 0;
    std::uint16_t Height = 0;
    std::uint16_t Left = 0;
    std::uint16_t Width = 0;
    std::int16_t Font_Size = 0;  // points
};

struct Scale_Ratios {
    double Height;
    double Width;
    double Font;  // the smaller of the two
};

Scale_Ratios Ratios_For(int client_width, int client_height, int design_width, int design_height);

struct Scaled_Bounds {
    int Top, Height, Left, Width, Font_Size;
};

// Every measure truncated toward zero, so the same ratios always give the same layout.
Scaled_Bounds Scale_Entry(const Baseline_Entry& entry, const Scale_Ratios& ratios);

}  // namespace halvorn
