// Proportional scaling of a window's components from the baseline of their design bounds
// and fonts, captured once per show sequence, so that repeated resizing never drifts.
#pragma once

#include <utility>
#include <vector>

#include "app/Layout_Scaling.h"
#include "platform/Components.h"

namespace halvorn {

class Layout_Scaler {
public:
    explicit Layout_Scaler(Component_List& components) : components_(components) {}

    // Records every visual component's bounds and font size, except the window's own.
    void Capture_Layout_Baseline(int client_width, int client_height, const Component* window);
    // Gives every captured component its bounds and font for this client size; false
    // when nothing changed (no baseline yet, or the size it was last scaled to).
    bool Scale_Main_Window(int client_width, int client_height, Font_Cache& fonts);

    int Design_Client_Width() const { return design_client_width_; }
    int Design_Client_Height() const { return design_client_height_; }

private:
    Component_List& components_;
    int design_client_width_ = 0;
    int design_client_height_ = 0;
    // Each captured component with its baseline: the list's order changes when a control
    // is sent to the back.
    std::vector<std::pair<Component*, Baseline_Entry>> layout_baseline_;
    int scaled_width_ = -1, scaled_height_ = -1;  // the client size last scaled to
};

}  // namespace halvorn
