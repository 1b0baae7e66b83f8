// The main window's page control: the tab control with its two pages, each a host
// window for its controls standing over the tab control's display area, and the
// re-layout of its real windows after scaling.
#pragma once

#include <array>
#include <memory>

#include "platform/Window_Base.h"

namespace halvorn {

class Page_Control {
public:
    Page_Control(Component_List& components, Font_Cache& fonts) : components_(components), fonts_(fonts) {}

    void Create(Component& form);

    Component& Control() const { return *control_; }
    Component& Page(int index) const { return *pages_[static_cast<std::size_t>(index)]; }
    int Active_Page() const;
    // Makes the page the active one, laying out its real windows first if it needs it.
    void Show_Page(int index);
    // Follows a click on a tab; true when the notification was the page control's.
    bool Handle_Notify(const NMHDR& header);

    // After scaling: moves the tab control, fits the pages to its display area and moves
    // the real windows of the showing page; the other page follows when it is shown.
    void Apply_Scaled_Bounds();

private:
    void Apply_Page_Controls(int index, bool with_control = false);
    // A real control hidden during the layout, put at its bounds and font as it shows.
    void Place_Control(const Component& control);
    static int Window_Height(const Component& control);
    // Places a page over the tab control's display area (given in the tab control's client
    // coordinates).
    void Fit_Page(Component& page, const RECT& display) const;

    Component_List& components_;
    Font_Cache& fonts_;
    Component* control_ = nullptr;
    std::array<Component*, 2> pages_{};
    std::array<std::unique_ptr<Host_Window>, 2> page_windows_;
    std::array<bool, 2> laid_out_{true, true};  // its real windows stand at their bounds
};

}  // namespace halvorn
