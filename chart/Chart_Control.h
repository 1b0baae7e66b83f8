// The chart as a graphic control: its model laid out at the control's current size and
// drawn with GDI+, anti-aliased, into the host's paint buffer or into a bitmap of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "chart/Chart_Layout.h"
#include "chart/Chart_Model.h"
#include "platform/Components.h"

namespace halvorn {

class Chart_Control {
public:
    Chart_Model Model;
    // Called when the chart is laid out anew (a changed model, a new size): what stood at
    // a place may stand elsewhere now.
    std::function<void()> On_New_Layout;

    // Makes the component draw this chart; its bounds now are the design size its
    // fonts are scaled from.
    void Attach(Component& component);
    // The model changed: the next paint lays it out again.
    void Changed();

    // The layout at the control's current size, as last drawn.
    const Chart_Layout& Layout() const;
    // The whole chart, as on screen and at its on-screen size, on a white background;
    // model stands in for the chart's own (the copy's credit line, say).
    Bitmap_Handle Render_To_Bitmap(const Chart_Model& model) const;

private:
    double Font_Scale() const;
    void Paint(HDC dc, const RECT& rect) const;
    // The layout at the control's size, made anew when that changed.
    const Chart_Layout& Layout_With(const Chart_Text_Measurer& measurer) const;

    Component* component_ = nullptr;
    int design_width_ = 0, design_height_ = 0;
    mutable std::optional<Chart_Layout> layout_;  // for the size below
    mutable SIZE layout_size_{};
};

}  // namespace halvorn
