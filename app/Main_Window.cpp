#include "app/Main_Window.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <stdexcept>
#include <string>

#include "app/Menu_Design.h"
#include "app/Program_Texts.h"
#include "app/Program_Windows.h"
#include "app/Settings_File.h"
#include "app/Settings_Keys.h"
#include "elements/Code_Tables.h"
#include "platform/Button_Decor.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "resources/Resource_Ids.h"
#include "table_view/Box_Number.h"
#include "table_view/Table_Layout.h"

namespace halvorn {

namespace {

// Commands of the buttons on the two pages (the menu commands are in Menu_Design.h).
enum Button_Command : int {
    Copy_Table_To_Windows_Clipboard_BitBtn = 2001,
    Select_Element_by_Abbreviation_BitBtn,
    Select_Element_by_Name_BitBtn,
    Glossary_of_Terms_BitBtn,
    Exit_BitBtn,
    Previous_Graph_SpeedButton,
    Graph_Type_ComboBox,
    Next_Graph_SpeedButton,
    Copy_Graph_To_Windows_Clipboard_BitBtn,
    BitBtn2,
    Exit_2_BitBtn,
};

const Font_Spec Main_Font{L"Times New Roman", Font_Spec::Points_From_Height(15)};
const Font_Spec Box_Font{L"Times New Roman", 12, true};
const Font_Spec Heading_Font{L"Times New Roman", Font_Spec::Points_From_Height(13)};
const Font_Spec Key_Label_Font{L"Times New Roman", Font_Spec::Points_From_Height(13), true};
const Font_Spec Button_Font{L"Times New Roman", Font_Spec::Points_From_Height(15), true};

constexpr std::string_view Graph_Types[] = {
    "Atomic Number",
    "Atomic Radius (A)",
    "Atomic Volume (cm^3/mol) ",
    "Atomic Weight",
    "Boiling Point (K)",
    "Bonding (Covalent) Radius (A)",
    "Density (g/mL) ",
    "Electrical Conductivity",
    "Electron Negativity",
    "First Ionization Potential ",
    "Heat of Fusion (kJ/mol)",
    "Heat of Vaporization (kJ/mol)",
    "Melting Point (K)",
    "Specific Heat Capacity (at 300 K) (J/gK) ",
    "Thermal Conductivity (at 300 K) (W/mK) ",
    "Year of Discovery",
};

std::string Box_Name(int number) { return "StaticText" + std::to_string(number); }

// Captions each element box as its row is read and gives it the text colour of its state.
class Box_Captioner final : public Element_Row_Sink {
public:
    explicit Box_Captioner(TMainForm1& form) : form_(form) {}

    void Row_Built(std::int32_t row, const Element_Record& record) override
    {
        if (row > Element_Box_Count) return;
        Component& box = form_.Element_Box(row);
        box.Caption = std::to_string(record.Atomic_Number) + '\r' + record.Element_Abbreviation;
        static constexpr std::string_view state_labels[] = {"Gas_Label", "Liquid_Label", "Solid_Label"};
        const std::string_view label =
            record.State >= 1 && record.State <= 3 ? state_labels[record.State - 1] : "Unknown_Label";
        box.Text_Colour = form_.Component_Named(label).Text_Colour;
    }

private:
    TMainForm1& form_;
};

}  // namespace

TMainForm1::TMainForm1(Program_Windows& program)
    : Host_Window(Main_Form_Parts::Components, Main_Form_Parts::Fonts),
      program_(program),
      database_text_(Element_Database_Text())
{
}

TMainForm1::~TMainForm1() = default;

Component& TMainForm1::Component_Named(std::string_view name) const
{
    Component* component = Main_Form_Parts::Components.Find(name);
    if (!component) throw std::logic_error("no component " + std::string(name));
    return *component;
}

Component& TMainForm1::Element_Box(int number) const { return Component_Named(Box_Name(number)); }

Component& TMainForm1::Add(Component component) { return Main_Form_Parts::Components.Add(std::move(component)); }

Component& TMainForm1::Add_Graphic(std::string_view name, Component_Kind kind, Component* parent,
                                   int left, int top, int width, int height)
{
    Component component;
    component.Name = name;
    component.Kind = kind;
    component.Parent = parent;
    component.Left = left, component.Top = top, component.Width = width, component.Height = height;
    component.Text_Colour = GetSysColor(COLOR_WINDOWTEXT);
    return Add(std::move(component));
}

Component& TMainForm1::Add_Button(std::string_view name, Component* page, std::string_view caption,
                                  std::string_view hint, int left, int top, int width, int height,
                                  int glyph, int command)
{
    HWND window = Create_Push_Button(page->Window, caption, left, top, width, height, fonts_.Get(Button_Font), command);
    Component button = Windowed_Component(name, page, window, left, top, width, height, Button_Font);
    button.Caption = caption;
    buttons_.Set_Glyph(button.Window, glyph, caption.empty());
    buttons_.Set_Tooltip(program_.Application.Handle(), button.Window, hint);
    return Add(std::move(button));
}

void TMainForm1::Create()
{
    Create_Menu();
    Window_Base::Create(Class_Name, WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, "MainForm1",
                        Design_Left, Design_Top, Design_Width, Design_Height, nullptr, menu_);
    Component form;
    form.Name = "MainForm1";
    form.Kind = Component_Kind::Windowed;
    form.Window = Handle();
    form.Font = Main_Font;
    form_ = &Add(std::move(form));

    connector_.Reset(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CONNECTOR),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));

    Create_Page_Control();
    Create_Table_Page();
    Create_Graph_Page();
    Create_State_Legend();
}

void TMainForm1::Create_Menu()
{
    menu_ = CreateMenu();
    for (const Menu_Design& design : Main_Menu_Design) {
        HMENU popup = CreatePopupMenu();
        for (std::size_t i = 0; i < design.Count; ++i) {
            const Menu_Item_Design& item = design.Items[i];
            if (item.Command == 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            else AppendMenuW(popup, MF_STRING, item.Command, Widen(item.Caption).c_str());
        }
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(design.Caption).c_str());
    }
}

void TMainForm1::Create_Page_Control()
{
    Component control;
    control.Name = "PageControl1";
    control.Kind = Component_Kind::Windowed;
    control.Parent = form_;
    control.Left = 5, control.Top = 2, control.Width = 681, control.Height = 481;
    control.Font = Main_Font;
    control.Window = CreateWindowExW(0, WC_TABCONTROLW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
                                     control.Left, control.Top, control.Width, control.Height, Handle(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control.Window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(Main_Font)), FALSE);
    page_control_ = &Add(std::move(control));

    static constexpr std::string_view names[] = {"TabSheet1", "TabSheet2"};
    static constexpr std::string_view captions[] = {"Periodic Table", "Comparison Graphs"};
    for (int i = 0; i < 2; ++i) {
        std::wstring caption = Widen(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(page_control_->Window, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    RECT display;
    GetClientRect(page_control_->Window, &display);
    SendMessageW(page_control_->Window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (int i = 0; i < 2; ++i) {
        Component page;
        page.Name = names[i];
        page.Kind = Component_Kind::Windowed;
        page.Parent = page_control_;
        page.Left = display.left, page.Top = display.top;
        page.Width = display.right - display.left, page.Height = display.bottom - display.top;
        page.Caption = captions[i];
        page.Font = Main_Font;
        pages_[i] = &Add(std::move(page));
        page_windows_[i] = std::make_unique<Host_Window>(Main_Form_Parts::Components, fonts_);
        page_windows_[i]->Create_For(*pages_[i], i == 0 ? WS_VISIBLE : 0);
    }
}

void TMainForm1::Create_Table_Page()
{
    Component* page = pages_[0];
    for (int n = 1; n <= Element_Box_Count; ++n) {
        const Design_Point place = Element_Box_Place(n);
        Component& box = Add_Graphic(Box_Name(n), Component_Kind::Text_Box, page, place.Left, place.Top,
                                     Box_Width, Box_Height);
        box.Font = Box_Font;
        box.Caption = "??";
        box.Fill = GetSysColor(COLOR_HIGHLIGHTTEXT);
        box.On_Mouse_Down = [this](Component& sender) { StaticText1MouseDown(sender); };
    }
    for (const Group_Heading& heading : Group_Headings) {
        Component& label = Add_Graphic(heading.Name, Component_Kind::Label, page, heading.Left, heading.Top,
                                       heading.Width, 0);
        label.Font = Heading_Font;
        label.Caption = heading.Caption;
        const int fixed_width = heading.Width;
        Component_List::Fit_To_Caption(label, fonts_);
        if (fixed_width > 0) label.Width = fixed_width;
    }
    static constexpr struct { std::string_view Name; int Left, Top, Width, Height; } connectors[] = {
        {"Image1", 80, 240, 37, 93}, {"Image2", 80, 275, 37, 96}, {"Image3", 80, 314, 37, 99}};
    for (const auto& connector : connectors) {
        Component& image = Add_Graphic(connector.Name, Component_Kind::Picture, page, connector.Left,
                                       connector.Top, connector.Width, connector.Height);
        image.Picture = connector_.Get();
    }

    Create_Colour_Key();

    Add_Button("Copy_Table_To_Windows_Clipboard_BitBtn", page, "Copy to Clipboard",
               "Copy the above Periodic Table to Windows Clipboard.", 4, 416, 159, 32, IDB_GLYPH_COPY,
               Copy_Table_To_Windows_Clipboard_BitBtn);
    Add_Button("Select_Element_by_Abbreviation_BitBtn", page, "Select by Abbr",
               "Select element by its abbreviation", 170, 416, 138, 32, IDB_GLYPH_SEARCH,
               Select_Element_by_Abbreviation_BitBtn);
    Add_Button("Select_Element_by_Name_BitBtn", page, "Select by Name", "Select element by its name", 315,
               416, 140, 32, IDB_GLYPH_NAME, Select_Element_by_Name_BitBtn);
    Add_Button("Glossary_of_Terms_BitBtn", page, "Glossary", "View a Glossary of Terms", 461, 416, 100, 32,
               IDB_GLYPH_GLOSSARY, Glossary_of_Terms_BitBtn);
    Add_Button("Exit_BitBtn", page, "Exit", "Exit this program", 566, 416, 100, 32, IDB_GLYPH_EXIT,
               Exit_BitBtn);

    Component& message = Add_Graphic("Message_Label_1", Component_Kind::Label, page, 436, 15, 193, 42);
    message.Font = {L"Times New Roman", Font_Spec::Points_From_Height(13)};
    message.Text_Colour = RGB(255, 0, 0);
    message.Text_Format = DT_CENTER | DT_WORDBREAK;
    message.Visible = false;
}

void TMainForm1::Create_Colour_Key()
{
    Component& key = Add_Graphic("GroupBox1000", Component_Kind::Frame, pages_[0], 88, 2, 345, 130);
    key.Caption = " Element Group Key :    (Click box to change colour) ";
    key.Font = Main_Font;
    for (const Group_Swatch& design : Group_Swatches) {
        Component& swatch = Add_Graphic(design.Name, Component_Kind::Shape, &key, design.Left, design.Top, 25, 20);
        // White until the settings give the swatches their colours.
        swatch.Fill = RGB(255, 255, 255);
        swatch.On_Mouse_Down = [this](Component& sender) { Choose_Swatch_Colour(sender); };
        Component& label = Add_Graphic(design.Label_Name, Component_Kind::Label, &key, design.Left + 29,
                                       design.Top + 2, 0, 0);
        label.Font = Key_Label_Font;
        label.Caption = design.Caption;
        Component_List::Fit_To_Caption(label, fonts_);
    }
}

void TMainForm1::Create_Graph_Page()
{
    Component* page = pages_[1];
    Add_Button("Previous_Graph_SpeedButton", page, "", "Previous Graph", 110, 6, 36, 25, IDB_GLYPH_PREVIOUS,
               Previous_Graph_SpeedButton);

    Component combo;
    combo.Name = "Graph_Type_ComboBox";
    combo.Kind = Component_Kind::Windowed;
    combo.Parent = page;
    combo.Left = 146, combo.Top = 6, combo.Width = 470, combo.Height = 27;
    combo.Font = {L"Times New Roman", Font_Spec::Points_From_Height(16)};
    // The list part needs room below the edit part.
    combo.Window = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                   combo.Left, combo.Top, combo.Width, 400, page->Window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(Graph_Type_ComboBox)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(combo.Window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(combo.Font)), FALSE);
    for (std::string_view item : Graph_Types)
        SendMessageW(combo.Window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(combo.Window, CB_SETITEMHEIGHT, 0, 19);
    SendMessageW(combo.Window, CB_SETCURSEL, 0, 0);
    Add(std::move(combo));

    Add_Button("Next_Graph_SpeedButton", page, "", "Next Graph", 618, 6, 36, 25, IDB_GLYPH_NEXT,
               Next_Graph_SpeedButton);
    Add_Button("Copy_Graph_To_Windows_Clipboard_BitBtn", page, "Copy to Clipboard",
               "Copy the above graph to Windows Clipboard.", 159, 416, 160, 32, IDB_GLYPH_COPY,
               Copy_Graph_To_Windows_Clipboard_BitBtn);
    Add_Button("BitBtn2", page, "Glossary", "View a Glossary of Terms", 333, 416, 160, 32, IDB_GLYPH_GLOSSARY,
               BitBtn2);
    Add_Button("Exit_2_BitBtn", page, "Exit", "Exit this program", 506, 416, 160, 32, IDB_GLYPH_EXIT,
               Exit_2_BitBtn);
}

void TMainForm1::Create_State_Legend()
{
    // Never shown: it only holds the text colour of each state of matter.
    Component& legend = Add_Graphic("GroupBox119", Component_Kind::Frame, form_, 691, 314, 205, 49);
    legend.Caption = " Gas / Liquid / Solid : ";
    legend.Font = Main_Font;
    legend.Visible = false;
    static constexpr std::string_view labels[][2] = {
        {"Gas_Label", "Gas"}, {"Liquid_Label", "Liquid"}, {"Solid_Label", "Solid"}, {"Unknown_Label", "Unknown"}};
    int left = 8;
    for (const auto& [name, caption] : labels) {
        Component& label = Add_Graphic(name, Component_Kind::Label, &legend, left, 20, 0, 0);
        label.Font = Main_Font;
        label.Caption = caption;
        Component_List::Fit_To_Caption(label, fonts_);
        left += label.Width + 8;
    }
}

void TMainForm1::Show_First() { FormShow(); }

void TMainForm1::Fit_Client_To_Page_Control()
{
    RECT outer{0, 0, 2 * page_control_->Left + page_control_->Width, 2 * page_control_->Top + page_control_->Height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm1::FormShow()
{
    Fit_Client_To_Page_Control();
    Capture_Layout_Baseline();
    bool maximised = false;
    Read_Settings(maximised);
    Set_Program_Texts();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    ShowWindow(Handle(), (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL);
    if (maximised) ShowWindow(Handle(), SW_MAXIMIZE);

    Set_Menu_Check(Always_On_Top_Option, !Menu_Checked(Always_On_Top_Option));
    Toggle_Always_On_Top();

    Show_Page(0);
    Build_Array_Data_ButtonClick();
    Process_Messages();
}

void TMainForm1::Read_Settings(bool& maximised)
{
    const Settings_Ini settings(Settings_File_Path());
    Apply_Saved_Bounds(settings.Read("window_top_posn"), settings.Read("window_left_posn"),
                       settings.Read("window_Width"), settings.Read("window_Height"));
    Set_Menu_Check(Always_On_Top_Option, settings.Read_Bool("Always_on_Top_Option"));
    Set_Menu_Check(Auto_Run_at_Windows_Startup_Option, settings.Read_Bool("Auto_Run_at_Windows_Startup_Option"));
    maximised = settings.Read_Bool("WindowState_wsMaximized");
    // An index outside the list selects nothing.
    const int graph = settings.Read("Graph_Type_ComboBox");
    const HWND graph_list = Component_Named("Graph_Type_ComboBox").Window;
    const bool listed = graph >= 0 && graph < SendMessageW(graph_list, CB_GETCOUNT, 0, 0);
    SendMessageW(graph_list, CB_SETCURSEL, listed ? static_cast<WPARAM>(graph) : static_cast<WPARAM>(-1), 0);
    for (const Group_Swatch& design : Group_Swatches) {
        Component& swatch = Component_Named(design.Name);
        swatch.Fill = static_cast<COLORREF>(settings.Read(design.Name));
        Component_List::Invalidate(swatch);
    }
    program_.Element_Report_Form.Set_Position(settings.Read("Element_Report_Form.Left"),
                                              settings.Read("Element_Report_Form.Top"));
    program_.Glossary_of_Terms_Form.Set_Position(settings.Read("Glossary_of_Terms_Form.Left"),
                                                 settings.Read("Glossary_of_Terms_Form.Top"));
}

namespace {

BOOL CALLBACK Find_Work_Area_Meeting(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto* search = reinterpret_cast<std::pair<RECT, bool>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT overlap;
    if (GetMonitorInfoW(monitor, &info) && IntersectRect(&overlap, &info.rcWork, &search->first)) {
        search->second = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void TMainForm1::Apply_Saved_Bounds(int top, int left, int width, int height)
{
    // A window saved on a screen that is no longer there comes back at the default place,
    // keeping its size, rather than somewhere nobody can reach it.
    std::pair<RECT, bool> search{{left, top, left + std::max(width, 1), top + std::max(height, 1)}, false};
    EnumDisplayMonitors(nullptr, nullptr, Find_Work_Area_Meeting, reinterpret_cast<LPARAM>(&search));
    if (!search.second) {
        top = Setting_Key_Named("window_top_posn").Default;
        left = Setting_Key_Named("window_left_posn").Default;
    }
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm1::FormCloseQuery()
{
    Settings_Ini settings(Settings_File_Path());
    if (IsZoomed(Handle())) {
        settings.Write_Bool("WindowState_wsMaximized", true);
        ShowWindow(Handle(), SW_RESTORE);
    } else {
        settings.Write_Bool("WindowState_wsMaximized", false);
    }
    // The normal-window bounds, also while minimised.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle(), &placement);
    RECT bounds = placement.rcNormalPosition;
    if (!IsIconic(Handle())) GetWindowRect(Handle(), &bounds);
    settings.Write("window_top_posn", bounds.top);
    settings.Write("window_left_posn", bounds.left);
    settings.Write("window_Width", bounds.right - bounds.left);
    settings.Write("window_Height", bounds.bottom - bounds.top);
    settings.Write_Bool("Always_on_Top_Option", Menu_Checked(Always_On_Top_Option));
    settings.Write_Bool("Auto_Run_at_Windows_Startup_Option", Menu_Checked(Auto_Run_at_Windows_Startup_Option));
    settings.Write("Graph_Type_ComboBox", Graph_Index());
    for (const Group_Swatch& design : Group_Swatches)
        settings.Write(design.Name, static_cast<std::int32_t>(Component_Named(design.Name).Fill));
    RECT report, glossary;
    GetWindowRect(program_.Element_Report_Form.Handle(), &report);
    GetWindowRect(program_.Glossary_of_Terms_Form.Handle(), &glossary);
    settings.Write("Element_Report_Form.Top", report.top);
    settings.Write("Element_Report_Form.Left", report.left);
    settings.Write("Glossary_of_Terms_Form.Top", glossary.top);
    settings.Write("Glossary_of_Terms_Form.Left", glossary.left);
}

void TMainForm1::Restore_Factory_Defaults_OptionClick()
{
    const int answer = Show_Message_Box(
        Handle(),
        "All settings will return to the way they were when Halvorn was first installed:\r\n"
        "window position and size, options, the chosen graph and the group colours.\r\n"
        "Your own colours and window positions will be lost.\r\n"
        "\r\n"
        "Do you want to restore the factory defaults ?",
        "Restore Factory Defaults", MB_YESNO | MB_ICONWARNING);
    if (answer == IDNO) return;
    Delete_Closed_File(Settings_File_Path());
    ShowWindow(Handle(), SW_RESTORE);
    FormShow();
}

bool TMainForm1::Menu_Checked(unsigned short command) const
{
    return (GetMenuState(menu_, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void TMainForm1::Set_Menu_Check(unsigned short command, bool checked)
{
    CheckMenuItem(menu_, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int TMainForm1::Graph_Index() const
{
    return static_cast<int>(SendMessageW(Component_Named("Graph_Type_ComboBox").Window, CB_GETCURSEL, 0, 0));
}

void TMainForm1::Toggle_Always_On_Top()
{
    constexpr UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
    const bool on_top = !Menu_Checked(Always_On_Top_Option);
    Set_Menu_Check(Always_On_Top_Option, on_top);
    SetWindowPos(Handle(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

void TMainForm1::Capture_Layout_Baseline()
{
    SetScrollRange(Handle(), SB_BOTH, 0, 0, FALSE);
    ShowScrollBar(Handle(), SB_BOTH, FALSE);
    RECT client;
    GetClientRect(Handle(), &client);
    design_client_height_ = client.bottom;
    design_client_width_ = client.right;
    scaled_client_ = {client.right, client.bottom};
    const std::size_t count = Main_Form_Parts::Components.Count();
    layout_baseline_.assign(count, Baseline_Entry{});
    for (std::size_t i = 0; i < count; ++i) {
        const Component& component = Main_Form_Parts::Components.At(i);
        if (!component.Is_Control() || &component == form_) continue;
        layout_baseline_[i] = {static_cast<std::uint16_t>(component.Top), static_cast<std::uint16_t>(component.Height),
                               static_cast<std::uint16_t>(component.Left), static_cast<std::uint16_t>(component.Width),
                               static_cast<std::int16_t>(component.Font.Points), true};
    }
}

void TMainForm1::FormResize()
{
    // Showing or moving the window without changing its client size needs no new layout.
    RECT client;
    GetClientRect(Handle(), &client);
    if (design_client_width_ == 0 || (client.right == scaled_client_.cx && client.bottom == scaled_client_.cy)) return;

    // Nothing inside the page control paints until every control has its new place;
    // then it repaints once.
    SendMessageW(page_control_->Window, WM_SETREDRAW, FALSE, 0);
    Scale_Main_Window();
    SendMessageW(page_control_->Window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(page_control_->Window, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Whatever else the resize queued is handled now, after the one repaint.
    Process_Messages();
}

void TMainForm1::Scale_Main_Window()
{
    if (design_client_height_ == 0 || design_client_width_ == 0) return;
    RECT client;
    GetClientRect(Handle(), &client);
    scaled_client_ = {client.right, client.bottom};
    const Scale_Ratios ratios = Ratios_For(client.right, client.bottom, design_client_width_, design_client_height_);
    const std::size_t count = std::min(layout_baseline_.size(), Main_Form_Parts::Components.Count());
    for (std::size_t i = 0; i < count; ++i) {
        if (!layout_baseline_[i].Is_Control) continue;
        Component& component = Main_Form_Parts::Components.At(i);
        const Scaled_Bounds scaled = Scale_Entry(layout_baseline_[i], ratios);
        component.Top = scaled.Top;
        component.Height = scaled.Height;
        component.Left = scaled.Left;
        component.Width = scaled.Width;
        component.Font.Points = scaled.Font_Size;
    }
    Apply_Scaled_Bounds();
}

void TMainForm1::Apply_Scaled_Bounds()
{
    constexpr UINT quiet = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS;
    SetWindowPos(page_control_->Window, nullptr, page_control_->Left, page_control_->Top, page_control_->Width,
                 page_control_->Height, quiet);
    // The tab height follows the font, and the pages' area follows the tab height.
    const HFONT tab_font = fonts_.Get(page_control_->Font);
    if (reinterpret_cast<HFONT>(SendMessageW(page_control_->Window, WM_GETFONT, 0, 0)) != tab_font)
        SendMessageW(page_control_->Window, WM_SETFONT, reinterpret_cast<WPARAM>(tab_font), FALSE);

    // The pages fill the page control's display area, as the control lays them out.
    RECT display{0, 0, page_control_->Width, page_control_->Height};
    SendMessageW(page_control_->Window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (Component* page : pages_) {
        page->Left = display.left, page->Top = display.top;
        page->Width = std::max<int>(display.right - display.left, 0);
        page->Height = std::max<int>(display.bottom - display.top, 0);
    }
    // Every real window costs a round trip through the platform: only the showing page
    // and its controls move now; the other page follows when it is shown.
    page_laid_out_[0] = page_laid_out_[1] = false;
    Apply_Page_Controls(SendMessageW(page_control_->Window, TCM_GETCURSEL, 0, 0) == 1 ? 1 : 0);
}

void TMainForm1::Apply_Page_Controls(int page_index)
{
    const Component* page = pages_[page_index];
    HDWP moves = BeginDeferWindowPos(16);
    if (moves)
        moves = DeferWindowPos(moves, page->Window, nullptr, page->Left, page->Top, page->Width, page->Height,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    std::vector<const Component*> refonts;
    for (std::size_t i = 0; i < Main_Form_Parts::Components.Count(); ++i) {
        const Component& component = Main_Form_Parts::Components.At(i);
        if (!component.Window || component.Parent != page) continue;
        // A drop-down list keeps room for its list below the edit part.
        const int height = component.Name == "Graph_Type_ComboBox" ? component.Height * 15 : component.Height;
        if (moves)
            moves = DeferWindowPos(moves, component.Window, nullptr, component.Left, component.Top, component.Width,
                                   height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
        const HFONT font = fonts_.Get(component.Font);
        if (reinterpret_cast<HFONT>(SendMessageW(component.Window, WM_GETFONT, 0, 0)) != font)
            refonts.push_back(&component);
    }
    if (moves) EndDeferWindowPos(moves);
    for (const Component* component : refonts)
        SendMessageW(component->Window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(component->Font)), FALSE);
    page_laid_out_[page_index] = true;
}

void TMainForm1::Set_Program_Texts()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    const Program_Texts texts = Program_Texts_For_Year(local.tm_year + 1900);

    Set_Application_Title(texts.Application_Title);
    Set_Window_Text(program_.Application.Handle(), texts.Application_Title);
    Set_Window_Text(Handle(), texts.Main_Caption);
    TAboutBox& about = program_.AboutBox;
    Set_Window_Text(about.Handle(), texts.About_Caption);
    about.Set_Caption_Of("ProductName", texts.Product_Name);
    about.Set_Caption_Of("Author_and_Date", texts.Author_and_Date);
    about.Set_Caption_Of("Developed_using", texts.Developed_Using);
    about.Set_Caption_Of("Copyright", texts.Copyright);
    about.Set_Caption_Of("Comments", texts.Comments);
    about.Set_Caption_Of("WEB_Page_Label", texts.Web_Page_Label);
    about.Set_Caption_Of("Email_Button", texts.Email_Address);
    about.Set_Caption_Of("WEB_Button", texts.Web_Address);
}

void TMainForm1::Show_Page(int index)
{
    if (!page_laid_out_[index]) Apply_Page_Controls(index);
    SendMessageW(page_control_->Window, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowWindow(pages_[index]->Window, SW_SHOW);
    ShowWindow(pages_[1 - index]->Window, SW_HIDE);
}

void TMainForm1::Build_Array_Data_ButtonClick()
{
    Box_Captioner captioner(*this);
    try {
        Build_Element_Array(database_text_, Elements, Number_of_Elements, &captioner);
    } catch (...) {
        // The rows read so far show what they hold; the error itself goes to the user.
        Repaint_Table();
        throw;
    }
    Set_Element_Box_Colours_BitBtnClick();
    // The page repaints later, for the colouring and the hiding together.
    for (int n = Number_of_Elements + 1; n <= Element_Box_Count; ++n) Element_Box(n).Visible = false;
}

void TMainForm1::Set_Element_Box_Colours_BitBtnClick()
{
    const std::size_t lines = Count_Text_Lines(database_text_);
    const int rows = lines > 1 ? static_cast<int>(std::min<std::size_t>(lines - 1, Element_Box_Count)) : 0;
    for (int n = 1; n <= rows; ++n) Element_Box(n).Fill = Swatch_Colour(Elements[n].Group);
    Repaint_Table();
}

COLORREF TMainForm1::Swatch_Colour(std::int32_t group) const
{
    return Component_Named(Group_Swatches[static_cast<std::size_t>(Swatch_Index_Of_Group(group))].Name).Fill;
}

void TMainForm1::Repaint_Table() { InvalidateRect(pages_[0]->Window, nullptr, FALSE); }

void TMainForm1::StaticText1MouseDown(Component& sender)
{
    const auto number = static_cast<std::uint16_t>(Get_Field_Integer(sender.Name, ' ', 1));
    Show_Element_Report(program_.Element_Report_Form, number);
}

void TMainForm1::Select_Element_by_Abbreviation_BitBtnClick()
{
    Search_Elements([](const Element_Record& record) -> const std::string& { return record.Element_Abbreviation; });
}

void TMainForm1::Select_Element_by_Name_BitBtnClick()
{
    Search_Elements([](const Element_Record& record) -> const std::string& { return record.Element_Name; });
}

void TMainForm1::Search_Elements(const std::string& (*field)(const Element_Record&))
{
    TDialog_Item_Select_Form& dialog = program_.Dialog_Item_Select_Form;
    dialog.Clear_Items(true);
    for (int n = 1; n <= Number_of_Elements; ++n) dialog.Add_Item(field(Elements[n]));
    dialog.Show_Modal(Handle());
    const int chosen = dialog.Selected_Item();
    if (chosen < 0) return;
    const std::string text = dialog.Item_Text(chosen);
    int match = 0;
    for (int n = 1; n <= Number_of_Elements; ++n)
        if (field(Elements[n]) == text) match = n;  // the last match wins
    if (match > 0) Show_Element_Report(program_.Element_Report_Form, match);
}

void TMainForm1::Glossary_of_Terms_BitBtnClick() { program_.Glossary_of_Terms_Form.Show_In_Front(); }

void TMainForm1::Choose_Swatch_Colour(Component& swatch)
{
    COLORREF colour = swatch.Fill;
    if (!Run_Colour_Dialog(Handle(), colour)) return;
    swatch.Fill = colour;
    Component_List::Invalidate(swatch);
    Set_Element_Box_Colours_BitBtnClick();
}

void TMainForm1::Exit_BitBtnClick() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TMainForm1::On_Command(int id)
{
    switch (id) {
    case ExitOption:
    case Exit_BitBtn:
    case Exit_2_BitBtn:
        Exit_BitBtnClick();
        break;
    case Always_On_Top_Option:
        Always_On_Top_OptionClick();
        break;
    case Select_Element_by_Abbreviation_Option:
    case Select_Element_by_Abbreviation_BitBtn:
        Select_Element_by_Abbreviation_BitBtnClick();
        break;
    case Select_Element_by_Name_Option:
    case Select_Element_by_Name_BitBtn:
        Select_Element_by_Name_BitBtnClick();
        break;
    case Glossary_of_Terms_Option:
    case Glossary_of_Terms_BitBtn:
    case BitBtn2:
        Glossary_of_Terms_BitBtnClick();
        break;
    case Restore_Factory_Defaults_Option:
        Restore_Factory_Defaults_OptionClick();
        break;
    default:
        // Commands of the windows and pages still to come.
        break;
    }
}

LRESULT TMainForm1::Handle_Message(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_COMMAND:
        On_Command(LOWORD(w));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(l);
        if (header->hwndFrom == page_control_->Window && header->code == TCN_SELCHANGE)
            Show_Page(static_cast<int>(SendMessageW(page_control_->Window, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    case WM_CLOSE:
        // Whatever goes wrong while saving, the close goes ahead.
        Run_Guarded(Handle(), [this] { FormCloseQuery(); });
        DestroyWindow(Handle());
        return 0;
    case WM_SIZE:
        FormResize();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Host_Window::Handle_Message(message, w, l);
    }
}

}  // namespace halvorn
