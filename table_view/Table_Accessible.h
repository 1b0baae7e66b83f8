// The table page as assistive technology sees it: each shown element box a push button
// named after its element ("Iron") and described by its number and group ("26, Transition
// Metals", and in another view what it shows: "26, Transition Metals, solid at 300 K"), each colour swatch a push button named after its group, the headings, the key's
// frame and labels as their captions, the buttons as themselves; the connector pictures,
// which only decorate, are left out.
#pragma once

#include <span>

#include "platform/Graphic_Accessible.h"
#include "table_view/Table_Views.h"

namespace halvorn {

class Table_Keyboard;

class Table_Accessible final : public Accessible_Source {
public:
    Table_Accessible(const Component_List& components, HWND page, std::span<Component* const> boxes,
                     std::span<Component* const> swatches, const Box_Value_Source& values, Table_Keyboard& keyboard)
        : boxes_(boxes), swatches_(swatches), values_(values), keyboard_(keyboard), object_(components, page, *this)
    {
    }

    Graphic_Accessible& Object() { return object_; }

    bool Describe(const Component& control, Accessible_Facts& facts) const override;
    Component* Focused_Child() const override;
    void Focus_Child(Component& child) override;
    void Do_Default_Action(Component& child) override;

private:
    std::span<Component* const> boxes_;
    std::span<Component* const> swatches_;
    const Box_Value_Source& values_;
    Table_Keyboard& keyboard_;
    Graphic_Accessible object_;
};

}  // namespace halvorn
