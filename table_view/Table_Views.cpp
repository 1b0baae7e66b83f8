#include "table_view/Table_Views.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "graphs/Graph_Types.h"
#include "platform/Gdi_Owners.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"

namespace halvorn {

namespace {

const Font_Spec Main_Font{L"Times New Roman", Font_Spec::Points_From_Height(15)};
const Font_Spec Key_Label_Font{L"Times New Roman", Font_Spec::Points_From_Height(13), true};
const Font_Spec Number_Font{L"Times New Roman", Font_Spec::Points_From_Height(13)};

// The key's place on the page, as the group key's.
constexpr int Key_Left = 88, Key_Top = 2;
// The entries stand where the group key's first four swatches do: two columns of two.
constexpr POINT Entry_Places[] = {{8, 19}, {8, 40}, {200, 19}, {200, 40}};

constexpr std::string_view Key_Captions[] = {
    "", " Element Block Key : ", " Metal Key : ", " State Key : ",
    " Property Key : ", " Discovery Key : "};

const Control_Design Setting_Designs[] = {
    {.Type = Control_Type::Drop_Down_List, .Name = "Colour_Property_ComboBox", .Left = Key_Left + 8,
     .Top = Key_Top + 18, .Width = 329, .Height = 24, .Font = &Main_Font, .Command = Colour_Property_ComboBox,
     .Visible = false},
    {.Type = Control_Type::Slider, .Name = "Temperature_TrackBar", .Left = Key_Left + 8, .Top = Key_Top + 62,
     .Width = 329, .Height = 28, .Caption = "Temperature", .Command = Temperature_TrackBar, .Visible = false},
    {.Type = Control_Type::Edit_Box, .Name = "Temperature_Edit", .Left = Key_Left + 100, .Top = Key_Top + 96,
     .Width = 80, .Height = 24, .Font = &Main_Font, .Command = Temperature_Edit, .Visible = false},
    {.Type = Control_Type::Drop_Down_List, .Name = "Temperature_Unit_ComboBox", .Left = Key_Left + 186,
     .Top = Key_Top + 96, .Width = 60, .Height = 24, .Font = &Main_Font, .Command = Temperature_Unit_ComboBox,
     .Visible = false},
    {.Type = Control_Type::Slider, .Name = "Discovery_Year_TrackBar", .Left = Key_Left + 8, .Top = Key_Top + 62,
     .Width = 329, .Height = 28, .Caption = "Year of discovery", .Command = Discovery_Year_TrackBar,
     .Visible = false},
};

bool Is_Move(unsigned short code) { return code != TB_ENDTRACK; }

constexpr UINT_PTR Edit_Subclass_Id = 1;
// Degrees a page of the slider moves.
constexpr int Temperature_Page = 50;

LRESULT Send(const Component* control, UINT message, WPARAM w = 0, LPARAM l = 0)
{
    return SendMessageW(control->Window, message, w, l);
}

}  // namespace

void Table_Views::Create(Component& page, Component& group_key, const Component& sample)
{
    group_key_ = &group_key;
    sample_ = &sample;
    key_ = &factory_.Create({.Type = Control_Type::Frame, .Name = "View_Key_GroupBox", .Left = Key_Left,
                             .Top = Key_Top, .Width = group_key.Width, .Height = group_key.Height,
                             .Font = &Main_Font, .Visible = false},
                            &page);
    for (std::size_t i = 0; i < std::size(entries_); ++i) {
        const POINT at = Entry_Places[i];
        const std::string number = std::to_string(i + 1);
        entries_[i] = &factory_.Create({.Type = Control_Type::Shape, .Name = "View_Key_Shape" + number,
                                        .Left = at.x, .Top = at.y, .Width = 25, .Height = 20},
                                       key_);
        entry_labels_[i] = &factory_.Create({.Type = Control_Type::Label, .Name = "View_Key_Label" + number,
                                             .Left = at.x + 29, .Top = at.y + 2, .Font = &Key_Label_Font,
                                             .Auto_Size = true},
                                            key_);
    }
    scale_ramp_ = &factory_.Create(
        {.Type = Control_Type::Painted, .Name = "Property_Scale_Paint", .Left = 8, .Top = 50, .Width = 329,
         .Height = 44, .Font = &Number_Font},
        key_);
    scale_ramp_->On_Paint = [this](const Component& ramp, HDC dc, const RECT& rect) { Paint_Scale(ramp, dc, rect); };
    no_value_ = &factory_.Create(
        {.Type = Control_Type::Shape, .Name = "No_Value_Shape", .Left = 8, .Top = 100, .Width = 25, .Height = 20},
        key_);
    no_value_->Fill = No_Value_Colour;
    no_value_label_ = &factory_.Create({.Type = Control_Type::Label, .Name = "No_Value_Label", .Left = 37, .Top = 102,
                                        .Caption = "No value", .Font = &Key_Label_Font, .Auto_Size = true},
                                       key_);
    scale_note_ = &factory_.Create({.Type = Control_Type::Label, .Name = "Scale_Note_Label", .Left = 200, .Top = 102,
                                    .Font = &Key_Label_Font, .Auto_Size = true},
                                   key_);
    setting_label_ = &factory_.Create({.Type = Control_Type::Label, .Name = "View_Setting_Label", .Left = 8,
                                       .Top = 99, .Font = &Main_Font, .Auto_Size = true},
                                      key_);
    setting_label_->Access_Key = true;
    Create_Controls(page);
    Show_Key();
}

void Table_Views::Create_Controls(Component& page)
{
    property_list_ = &factory_.Create(Setting_Designs[0], &page);
    temperature_slider_ = &factory_.Create(Setting_Designs[1], &page);
    temperature_edit_ = &factory_.Create(Setting_Designs[2], &page);
    unit_list_ = &factory_.Create(Setting_Designs[3], &page);
    year_slider_ = &factory_.Create(Setting_Designs[4], &page);
    for (std::string_view item : Graph_Type_Texts)
        Send(property_list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    for (std::string_view unit : Temperature_Unit_Names)
        Send(unit_list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(unit).c_str()));
    Send(temperature_edit_, EM_SETLIMITTEXT, 12);
    SetWindowSubclass(temperature_edit_->Window, Edit_Keys, Edit_Subclass_Id, reinterpret_cast<DWORD_PTR>(this));

    property_list_->On_Command = [this](unsigned short code) {
        if (code == CBN_SELCHANGE) Set_Property(static_cast<int>(Send(property_list_, CB_GETCURSEL)));
    };
    temperature_slider_->On_Command = [this](unsigned short code) {
        if (Is_Move(code)) Temperature_Moved();
    };
    temperature_edit_->On_Command = [this](unsigned short code) {
        if (code == EN_CHANGE && !showing_) Temperature_Typed();
    };
    unit_list_->On_Command = [this](unsigned short code) {
        if (code == CBN_SELCHANGE) Unit_Chosen();
    };
    year_slider_->On_Command = [this](unsigned short code) {
        if (Is_Move(code)) Year_Moved();
    };
}

Table_Views::~Table_Views()
{
    if (temperature_edit_ && IsWindow(temperature_edit_->Window))
        RemoveWindowSubclass(temperature_edit_->Window, Edit_Keys, Edit_Subclass_Id);
}

LRESULT CALLBACK Table_Views::Edit_Keys(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self)
{
    if (message == WM_KEYDOWN) {
        const int step = w == VK_UP      ? 1
                         : w == VK_DOWN  ? -1
                         : w == VK_PRIOR ? Temperature_Page
                         : w == VK_NEXT  ? -Temperature_Page
                                         : 0;
        if (step != 0) {
            Run_Guarded(edit, [&] { reinterpret_cast<Table_Views*>(self)->Step_Temperature(step); });
            return 0;
        }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, Edit_Keys, Edit_Subclass_Id);
    return DefSubclassProc(edit, message, w, l);
}

void Table_Views::Step_Temperature(int degrees)
{
    Set_Temperature(std::clamp(Temperature_From(Whole_Degrees(choice_.Temperature, choice_.Unit) + degrees,
                                                choice_.Unit),
                               Lowest_Temperature, Highest_Temperature));
}

void Table_Views::Set_Choice(const View_Choice& choice)
{
    choice_ = choice;
    Send(property_list_, CB_SETCURSEL, static_cast<WPARAM>(choice_.Property));
    Send(unit_list_, CB_SETCURSEL, static_cast<WPARAM>(choice_.Unit));
    scale_ = Property_Scale_For(choice_.Property, Elements, rows_);
    Show_Temperature(true);
    Show_Year();
    Show_Key();
}

void Table_Views::Colour_By(Table_View view)
{
    choice_.View = view;
    Show_Key();
    recolour_();
}

void Table_Views::Set_Temperature(std::int32_t temperature)
{
    temperature = std::clamp(temperature, Lowest_Temperature, Highest_Temperature);
    if (temperature == choice_.Temperature) return;
    choice_.Temperature = temperature;
    Show_Temperature(false);
    recolour_();
}

void Table_Views::Set_Year(std::int32_t year)
{
    if (year == choice_.Year) return;
    choice_.Year = year;
    Show_Year();
    recolour_();
}

void Table_Views::Set_Property(int graph_index)
{
    if (graph_index < 0 || graph_index >= Graph_Type_Count) return;
    choice_.Property = graph_index;
    Send(property_list_, CB_SETCURSEL, static_cast<WPARAM>(graph_index));
    scale_ = Property_Scale_For(graph_index, Elements, rows_);
    Show_Key();
    recolour_();
}

bool Table_Views::Access_Key(wchar_t key)
{
    const wchar_t letter = static_cast<wchar_t>(key | 0x20);  // either case
    Component* control = choice_.View == Table_View::State && letter == L't'  ? temperature_slider_
                         : choice_.View == Table_View::Year && letter == L'y' ? year_slider_
                                                                               : nullptr;
    if (control) SetFocus(control->Window);
    return control != nullptr;
}

void Table_Views::Elements_Built(int rows)
{
    rows_ = rows;
    years_.clear();
    for (int number = 1; number <= std::min(rows, Element_Capacity); ++number)
        if (Elements[number].Discovered_Date != Missing_Value) years_.push_back(Elements[number].Discovered_Date);
    std::sort(years_.begin(), years_.end());
    years_.erase(std::unique(years_.begin(), years_.end()), years_.end());
    Send(year_slider_, TBM_SETRANGEMIN, FALSE, 0);
    Send(year_slider_, TBM_SETRANGEMAX, FALSE, static_cast<LPARAM>(std::max<std::size_t>(years_.size(), 1) - 1));
    Send(year_slider_, TBM_SETPAGESIZE, 0, 5);
    scale_ = Property_Scale_For(choice_.Property, Elements, rows);
    Show_Year();
    Show_Key();
}

Box_Colours Table_Views::Colours_Of(const Element_Record& element, std::uint32_t group_colour) const
{
    return View_Box_Colours(choice_, element, group_colour, scale_);
}

std::string Table_Views::Box_Value(int number) const
{
    if (number < 1 || number > Number_of_Elements) return {};
    return View_Value_Text(choice_, Elements[number], years_.empty() ? Missing_Value : years_.front());
}

void Table_Views::Show_Key()
{
    const Table_View view = choice_.View;
    const Repaint_Batch one_repaint;
    group_key_->Set_Visible(view == Table_View::Group);
    key_->Set_Visible(view != Table_View::Group);
    key_->Set_Caption(Key_Captions[static_cast<std::size_t>(view)]);

    std::vector<Key_Entry> entries = Key_Entries(view);
    if (view == Table_View::Year)
        entries = {{"Known by that year", sample_->Fill}, {"Discovered later", Faded_Colour(sample_->Fill)}};
    for (std::size_t i = 0; i < std::size(entries_); ++i) {
        const bool shown = i < entries.size();
        entries_[i]->Set_Visible(shown);
        entry_labels_[i]->Set_Visible(shown);
        if (!shown) continue;
        entries_[i]->Set_Fill(entries[i].Colour);
        Set_Label(*entry_labels_[i], entries[i].Caption);
    }
    const bool property = view == Table_View::Property;
    for (Component* part : {scale_ramp_, no_value_, no_value_label_, scale_note_}) part->Set_Visible(property);
    Set_Label(*scale_note_, scale_.Logarithmic ? "Logarithmic scale" : "Even scale");
    Component_List::Invalidate(*scale_ramp_);
    setting_label_->Set_Visible(view == Table_View::State || view == Table_View::Year);
    if (view == Table_View::State) Set_Label(*setting_label_, "&Temperature :");
    if (view == Table_View::Year) Show_Year();

    property_list_->Set_Visible(property);
    for (Component* control : {temperature_slider_, temperature_edit_, unit_list_})
        control->Set_Visible(view == Table_View::State);
    year_slider_->Set_Visible(view == Table_View::Year);
}

void Table_Views::Show_Temperature(bool new_unit)
{
    const Temperature_Unit unit = choice_.Unit;
    if (new_unit) {
        Send(temperature_slider_, TBM_SETRANGEMIN, FALSE, Whole_Degrees(Lowest_Temperature, unit));
        Send(temperature_slider_, TBM_SETRANGEMAX, FALSE, Whole_Degrees(Highest_Temperature, unit));
        Send(temperature_slider_, TBM_SETPAGESIZE, 0, Temperature_Page);
    }
    // While the slider is dragged it stands where it should already: nothing to redraw.
    if (const int degrees = Whole_Degrees(choice_.Temperature, unit);
        new_unit || Send(temperature_slider_, TBM_GETPOS) != degrees)
        Send(temperature_slider_, TBM_SETPOS, TRUE, degrees);
    // The text typed stays as typed while it says this temperature.
    const std::optional<std::int32_t> typed = Parse_Temperature(Window_Text(temperature_edit_->Window), unit);
    if (typed == choice_.Temperature) return;
    showing_ = true;
    Set_Window_Text(temperature_edit_->Window, Degrees_Text(choice_.Temperature, unit));
    showing_ = false;
}

void Table_Views::Show_Year()
{
    if (!years_.empty()) {
        const auto after = std::upper_bound(years_.begin(), years_.end(), choice_.Year);
        const auto step = std::max<std::ptrdiff_t>(after - years_.begin() - 1, 0);
        Send(year_slider_, TBM_SETPOS, TRUE, static_cast<LPARAM>(step));
    }
    if (choice_.View == Table_View::Year)
        Set_Label(*setting_label_, "&Year : " + Year_Text(choice_.Year, years_.empty() ? Missing_Value : years_.front()));
}

void Table_Views::Temperature_Moved()
{
    const auto degrees = static_cast<int>(Send(temperature_slider_, TBM_GETPOS));
    // A whole degree of the unit, unless the temperature already rounds to it.
    if (degrees == Whole_Degrees(choice_.Temperature, choice_.Unit)) return;
    Set_Temperature(Temperature_From(degrees, choice_.Unit));
}

void Table_Views::Temperature_Typed()
{
    const std::optional<std::int32_t> typed =
        Parse_Temperature(Window_Text(temperature_edit_->Window), choice_.Unit);
    if (typed) Set_Temperature(*typed);
}

void Table_Views::Unit_Chosen()
{
    const auto unit = static_cast<int>(Send(unit_list_, CB_GETCURSEL));
    if (unit < 0 || unit >= Temperature_Unit_Count) return;
    choice_.Unit = static_cast<Temperature_Unit>(unit);
    Show_Temperature(true);
}

void Table_Views::Year_Moved()
{
    const auto step = static_cast<std::size_t>(Send(year_slider_, TBM_GETPOS));
    if (step < years_.size()) Set_Year(years_[step]);
}

void Table_Views::Set_Label(Component& label, std::string_view caption)
{
    label.Set_Caption(caption);
    Component_List::Fit_To_Caption(label, fonts_);
}

void Table_Views::Paint_Scale(const Component& scale, HDC dc, const RECT& rect) const
{
    if (scale_.Empty) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    RECT bar{rect.left, rect.top, rect.right, rect.top + height * 2 / 5};
    // One column at a time in the DC's own brush: nothing made per paint.
    for (int x = 0; x < width; ++x) {
        SetDCBrushColor(dc, Gradient_Colour(width > 1 ? static_cast<double>(x) / (width - 1) : 0));
        const RECT column{rect.left + x, bar.top, rect.left + x + 1, bar.bottom};
        FillRect(dc, &column, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    FrameRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    Selected_Object font(dc, fonts_.Get(scale.Font));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetDCBrushColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (const double tick : Scale_Ticks(scale_, std::max(2, width / 55))) {
        const int x = rect.left + static_cast<int>(Scale_Position(scale_, tick).value_or(0) * (width - 1));
        const RECT mark{x, bar.bottom, x + 1, bar.bottom + height / 8};
        FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        const std::wstring number = Widen(Scale_Number(tick));
        SIZE size{};
        GetTextExtentPoint32W(dc, number.c_str(), static_cast<int>(number.size()), &size);
        const int left = std::clamp(x - static_cast<int>(size.cx) / 2, static_cast<int>(rect.left),
                                    static_cast<int>(rect.right - size.cx));
        TextOutW(dc, left, mark.bottom, number.c_str(), static_cast<int>(number.size()));
    }
}

}  // namespace halvorn
