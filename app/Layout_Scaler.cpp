#include "app/Layout_Scaler.h"

#include <algorithm>

namespace halvorn {

void Layout_Scaler::Capture_Layout_Baseline(int client_width, int client_height, const Component* window)
{
    design_client_height_ = client_height;
    design_client_width_ = client_width;
    scaled_width_ = client_width, scaled_height_ = client_height;
    const std::size_t count = components_.Count();
    layout_baseline_.assign(count, Baseline_Entry{});
    for (std::size_t i = 0; i < count; ++i) {
        const Component& component = components_.At(i);
        if (!component.Is_Control() || &component == window) continue;
        layout_baseline_[i] = {static_cast<std::uint16_t>(component.Top), static_cast<std::uint16_t>(component.Height),
                               static_cast<std::uint16_t>(component.Left), static_cast<std::uint16_t>(component.Width),
                               static_cast<std::int16_t>(component.Font.Points), true};
    }
}

bool Layout_Scaler::Scale_Main_Window(int client_width, int client_height, Font_Cache& fonts)
{
    if (design_client_height_ == 0 || design_client_width_ == 0) return false;
    if (client_width == scaled_width_ && client_height == scaled_height_) return false;
    scaled_width_ = client_width, scaled_height_ = client_height;
    const Scale_Ratios ratios = Ratios_For(client_width, client_height, design_client_width_, design_client_height_);
    const std::size_t count = std::min(layout_baseline_.size(), components_.Count());
    const Memory_Dc measuring(nullptr);
    for (std::size_t i = 0; i < count; ++i) {
        if (!layout_baseline_[i].Is_Control) continue;
        Component& component = components_.At(i);
        const Scaled_Bounds scaled = Scale_Entry(layout_baseline_[i], ratios);
        component.Top = scaled.Top;
        component.Height = scaled.Height;
        component.Left = scaled.Left;
        component.Width = scaled.Width;
        component.Font.Points = scaled.Font_Size;
        // A label sized to its text stays sized to it in its new font.
        if (component.Auto_Size && component.Font.Points > 0) Component_List::Fit_To_Caption(component, fonts, measuring.Get());
    }
    return true;
}

}  // namespace halvorn
