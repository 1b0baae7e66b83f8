#include "app/Layout_Scaler.h"

namespace halvorn {

void Layout_Scaler::Capture_Layout_Baseline(int client_width, int client_height, const Component* window)
{
    design_client_height_ = client_height;
    design_client_width_ = client_width;
    scaled_width_ = client_width, scaled_height_ = client_height;
    layout_baseline_.clear();
    for (std::size_t i = 0; i < components_.Count(); ++i) {
        Component& component = components_.At(i);
        if (!component.Is_Control() || &component == window) continue;
        layout_baseline_.emplace_back(
            &component, Baseline_Entry{static_cast<std::uint16_t>(component.Top),
                                       static_cast<std::uint16_t>(component.Height),
                                       static_cast<std::uint16_t>(component.Left),
                                       static_cast<std::uint16_t>(component.Width),
                                       static_cast<std::int16_t>(component.Font.Points)});
    }
}

bool Layout_Scaler::Scale_Main_Window(int client_width, int client_height, Font_Cache& fonts)
{
    if (design_client_height_ == 0 || design_client_width_ == 0) return false;
    if (client_width == scaled_width_ && client_height == scaled_height_) return false;
    scaled_width_ = client_width, scaled_height_ = client_height;
    const Scale_Ratios ratios = Ratios_For(client_width, client_height, design_client_width_, design_client_height_);
    const Memory_Dc measuring(nullptr);
    const Repaint_Batch one_repaint;
    for (const auto& [component, baseline] : layout_baseline_) {
        const Scaled_Bounds scaled = Scale_Entry(baseline, ratios);
        component->Set_Bounds(scaled.Left, scaled.Top, scaled.Width, scaled.Height);
        component->Set_Font_Points(scaled.Font_Size);
        // A label sized to its text stays sized to it in its new font.
        if (component->Auto_Size && component->Font.Points > 0)
            Component_List::Fit_To_Caption(*component, fonts, measuring.Get());
    }
    return true;
}

}  // namespace halvorn
