// The table's views besides its groups, chosen from the View menu: each has a key that
// stands where the group key stands, and the state, property and year views carry the
// controls that set them (a temperature slider with an edit box and a unit, a property
// list, a year slider). A change recolours the boxes and paints them at once.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Control_Factory.h"
#include "table_view/Table_Colouring.h"

namespace halvorn {

// What a view says of a box, for its tip and for assistive technology.
class Box_Value_Source {
public:
    // Empty in the group view and for a box without an element.
    virtual std::string Box_Value(int number) const = 0;

protected:
    ~Box_Value_Source() = default;
};

// The views' controls, whose commands the table page handles.
enum Table_View_Control_Id : unsigned short {
    Colour_Property_ComboBox = 2101,
    Temperature_TrackBar,
    Temperature_Edit,
    Temperature_Unit_ComboBox,
    Discovery_Year_TrackBar,
};

class Table_Views final : public Box_Value_Source {
public:
    // recolour colours every box by the current view and paints the table.
    Table_Views(Control_Factory& factory, Font_Cache& fonts, std::function<void()> recolour)
        : factory_(factory), fonts_(fonts), recolour_(std::move(recolour)) {}
    Table_Views(const Table_Views&) = delete;
    Table_Views& operator=(const Table_Views&) = delete;
    ~Table_Views();

    // The key stands over the group key, on page; sample is the swatch whose colour the
    // year view's key shows.
    void Create(Component& page, Component& group_key, const Component& sample);

    const View_Choice& Choice() const { return choice_; }
    // Takes a saved choice: the key and controls show it, the boxes with the next colouring.
    void Set_Choice(const View_Choice& choice);
    // The View menu's commands: the boxes are recoloured and painted.
    void Colour_By(Table_View view);
    // The setting controls' work, also reached from tests.
    void Set_Temperature(std::int32_t temperature);
    void Set_Year(std::int32_t year);
    void Set_Property(int graph_index);
    // Alt and the letter a label underlines: its control takes the focus. False when the
    // view shows no such label.
    bool Access_Key(wchar_t key);

    // The element data was built anew, rows of it: the year slider steps from discovery to
    // discovery, and the property's scale spans the values.
    void Elements_Built(int rows);
    // The box of element in a view other than the groups; group_colour its group's.
    Box_Colours Colours_Of(const Element_Record& element, std::uint32_t group_colour) const;
    std::string Box_Value(int number) const override;

    Component& Key() const { return *key_; }

private:
    void Create_Controls(Component& page);
    void Show_Key();
    // The slider and the edit box show the temperature; a new unit also sets the slider's range.
    void Show_Temperature(bool new_unit);
    void Show_Year();
    void Temperature_Moved();
    // Up and Down in the edit box step the temperature a degree of its unit, Page Up and
    // Page Down fifty, as on the slider; Home and End stay the caret's.
    static LRESULT CALLBACK Edit_Keys(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    void Step_Temperature(int degrees);
    void Temperature_Typed();
    void Unit_Chosen();
    void Year_Moved();
    void Paint_Scale(const Component& scale, HDC dc, const RECT& rect) const;
    // Sets a label's caption and keeps it fitted to it.
    void Set_Label(Component& label, std::string_view caption);

    Control_Factory& factory_;
    Font_Cache& fonts_;
    std::function<void()> recolour_;
    View_Choice choice_;
    Property_Scale scale_;
    std::vector<std::int32_t> years_;  // every year of discovery in the data, rising
    int rows_ = 0;
    bool showing_ = false;  // the edit box is being given its text, not typed in
    const Component* sample_ = nullptr;
    Component* group_key_ = nullptr;
    Component* key_ = nullptr;
    Component* entries_[4]{};
    Component* entry_labels_[4]{};
    Component* no_value_ = nullptr;
    Component* no_value_label_ = nullptr;
    Component* scale_ramp_ = nullptr;
    Component* scale_note_ = nullptr;
    Component* setting_label_ = nullptr;
    Component* property_list_ = nullptr;
    Component* temperature_slider_ = nullptr;
    Component* temperature_edit_ = nullptr;
    Component* unit_list_ = nullptr;
    Component* year_slider_ = nullptr;
};

}  // namespace halvorn
