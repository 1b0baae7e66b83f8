#include "table_view/Table_Accessible.h"

#include <algorithm>
#include <string>

#include "elements/Code_Tables.h"
#include "elements/Element_Record.h"
#include "table_view/Table_Keyboard.h"
#include "table_view/Table_Layout.h"

namespace halvorn {

namespace {

// The position of control in items, or -1.
int Index_In(std::span<Component* const> items, const Component& control)
{
    const auto found = std::find(items.begin(), items.end(), &control);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

}  // namespace

bool Table_Accessible::Describe(const Component& control, Accessible_Facts& facts) const
{
    if (control.Kind == Component_Kind::Picture) return false;
    if (const int box = Index_In(boxes_, control); box >= 0) {
        const int number = box + 1;
        if (number > Number_of_Elements) return false;
        const Element_Record& element = Elements[number];
        facts.Name = element.Element_Name;
        facts.Description = std::to_string(element.Atomic_Number) + ", " +
                            std::string(Group_Names.Holds(element.Group) ? Group_Names[element.Group] : "Unknown");
        if (const std::string value = values_.Box_Value(number); !value.empty()) facts.Description += ", " + value;
        facts.Focusable = true;
    } else if (const int swatch = Index_In(swatches_, control); swatch >= 0) {
        facts.Name = Group_Swatches[static_cast<std::size_t>(swatch)].Caption;
        facts.Focusable = true;
    }
    return true;
}

Component* Table_Accessible::Focused_Child() const { return keyboard_.Focused(); }

void Table_Accessible::Focus_Child(Component& child) { keyboard_.Focus(child); }

void Table_Accessible::Do_Default_Action(Component& child) { keyboard_.Press_Later(child); }

}  // namespace halvorn
