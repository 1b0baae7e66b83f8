#include "graphs/Graph_Page.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "graphs/Graph_Types.h"
#include "platform/Clipboard_Session.h"
#include "platform/Dpi.h"
#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "report/Report_Window.h"
#include "resources/Command_Ids.h"
#include "resources/Resource_Ids.h"
#include "winint/Program_Texts.h"

namespace halvorn {

namespace {

const Font_Spec List_Font{L"Times New Roman", Font_Spec::Points_From_Height(16)};
const Font_Spec Button_Font{L"Times New Roman", Font_Spec::Points_From_Height(15), true};

const Control_Design Arrow_And_List_Designs[] = {
    {.Type = Control_Type::Push_Button, .Name = "Previous_Graph_SpeedButton", .Left = 110, .Top = 6, .Width = 36,
     .Height = 25, .Font = &Button_Font, .Tooltip = "Previous Graph", .Glyph = IDB_GLYPH_PREVIOUS,
     .Command = Previous_Graph_SpeedButton},
    {.Type = Control_Type::Drop_Down_List, .Name = "Graph_Type_ComboBox", .Left = 146, .Top = 6, .Width = 470,
     .Height = 27, .Font = &List_Font, .Command = Graph_Type_ComboBox},
    {.Type = Control_Type::Push_Button, .Name = "Next_Graph_SpeedButton", .Left = 618, .Top = 6, .Width = 36,
     .Height = 25, .Font = &Button_Font, .Tooltip = "Next Graph", .Glyph = IDB_GLYPH_NEXT,
     .Command = Next_Graph_SpeedButton},
};
const Control_Design Against_Design{.Type = Control_Type::Drop_Down_List, .Name = "Plotted_Against_ComboBox",
                                    .Left = 4, .Top = 418, .Width = 150, .Height = 27, .Font = &List_Font,
                                    .Tooltip = "Plotted against", .Command = Plotted_Against_ComboBox};
const Control_Design Chart_Design{.Type = Control_Type::Painted, .Name = "Chart1", .Left = 4, .Top = 38, .Width = 661,
                              .Height = 373};
const Control_Design Button_Designs[] = {
    {.Type = Control_Type::Push_Button, .Name = "Copy_Graph_To_Windows_Clipboard_BitBtn", .Left = 159, .Top = 416,
     .Width = 160, .Height = 32, .Caption = "Copy to Clipboard", .Font = &Button_Font,
     .Tooltip = "Copy the above graph to Windows Clipboard.", .Glyph = IDB_GLYPH_COPY,
     .Command = Copy_Graph_To_Windows_Clipboard_Option},
    {.Type = Control_Type::Push_Button, .Name = "BitBtn2", .Left = 333, .Top = 416, .Width = 160, .Height = 32,
     .Caption = "Glossary", .Font = &Button_Font, .Tooltip = "View a Glossary of Terms", .Glyph = IDB_GLYPH_GLOSSARY,
     .Command = Glossary_of_Terms_Option},
    {.Type = Control_Type::Push_Button, .Name = "Exit_2_BitBtn", .Left = 506, .Top = 416, .Width = 160,
     .Height = 32, .Caption = "Exit", .Font = &Button_Font, .Tooltip = "Exit this program", .Glyph = IDB_GLYPH_EXIT,
     .Command = ExitOption},
};

// How near the pointer must come to a point for its tip, in pixels.
constexpr double Point_Reach = 8;

}  // namespace

void Graph_Page::Create(Component& page)
{
    page_ = &page;
    Component& previous = factory_.Create(Arrow_And_List_Designs[0], &page);
    graph_list_ = &factory_.Create(Arrow_And_List_Designs[1], &page);
    Component& next = factory_.Create(Arrow_And_List_Designs[2], &page);
    previous.On_Command = [this](unsigned short code) {
        if (code == BN_CLICKED) Previous_Graph_SpeedButtonClick();
    };
    graph_list_->On_Command = [this](unsigned short code) {
        if (code == CBN_SELCHANGE) Graph_Type_ComboBoxChange();
    };
    next.On_Command = [this](unsigned short code) {
        if (code == BN_CLICKED) Next_Graph_SpeedButtonClick();
    };
    for (std::string_view item : Graph_Type_Texts)
        SendMessageW(graph_list_->Window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(graph_list_->Window, CB_SETITEMHEIGHT, 0, Dpi_Scaled(19, Window_Dpi(graph_list_->Window)));
    SendMessageW(graph_list_->Window, CB_SETCURSEL, 0, 0);

    chart_component_ = &factory_.Create(Chart_Design, &page);
    chart_.Attach(*chart_component_);
    chart_.Model.Title.Append("TChart");
    chart_component_->On_Mouse_Move = [this](Component&, POINT point) { Chart_Mouse_Move(point); };
    chart_component_->On_Mouse_Down = [this](Component&) { Chart_Mouse_Down(); };
    chart_.On_New_Layout = [this] { Forget_Hovered_Point(); };

    // Below the chart, where the bottom axis is read: what the points are plotted against.
    against_list_ = &factory_.Create(Against_Design, &page);
    against_list_->On_Command = [this](unsigned short code) {
        if (code == CBN_SELCHANGE) Graph_Type_ComboBoxChange();
    };
    for (int index = 0; index < Graph_Against_Count; ++index)
        SendMessageW(against_list_->Window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(Graph_Against_Text(index)).c_str()));
    SendMessageW(against_list_->Window, CB_SETCURSEL, 0, 0);
    SendMessageW(against_list_->Window, CB_SETDROPPEDWIDTH, Dpi_Scaled(340, Window_Dpi(against_list_->Window)), 0);

    for (const Control_Design& design : Button_Designs) factory_.Create(design, &page);
}

int Graph_Page::Graph_Index() const
{
    return static_cast<int>(SendMessageW(graph_list_->Window, CB_GETCURSEL, 0, 0));
}

void Graph_Page::Select_Graph(int index)
{
    const bool listed = index >= 0 && index < SendMessageW(graph_list_->Window, CB_GETCOUNT, 0, 0);
    SendMessageW(graph_list_->Window, CB_SETCURSEL, listed ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int Graph_Page::Against_Index() const
{
    return std::max(static_cast<int>(SendMessageW(against_list_->Window, CB_GETCURSEL, 0, 0)), 0);
}

void Graph_Page::Select_Against(int index)
{
    SendMessageW(against_list_->Window, CB_SETCURSEL, index >= 0 && index < Graph_Against_Count ? index : 0, 0);
}

void Graph_Page::Graph_Type_ComboBoxChange()
{
    const int index = Graph_Index();
    Prepare_Property_Graph(chart_.Model, index, Elements, User_Number_Separators(), Against_Index());
    point_elements_ = Graph_Element_Numbers(index, Elements, Against_Index());
    chart_.Changed();
    Paint_Now(GetAncestor(page_->Window, GA_ROOT));
}

void Graph_Page::Previous_Graph_SpeedButtonClick()
{
    const int index = Graph_Index() - 1;
    Select_Graph(index < 0 ? Graph_Type_Count - 1 : index);
    Graph_Type_ComboBoxChange();
}

void Graph_Page::Next_Graph_SpeedButtonClick()
{
    const int index = Graph_Index() + 1;
    Select_Graph(index > Graph_Type_Count - 1 ? 0 : index);
    Graph_Type_ComboBoxChange();
}

void Graph_Page::Copy_Graph_To_Windows_Clipboard_BitBtnClick()
{
    show_page_();
    Bitmap_Handle picture = chart_.Render_To_Bitmap(Credited_Chart());
    {
        Clipboard_Session clipboard(GetAncestor(page_->Window, GA_ROOT));
        clipboard.Empty();
        clipboard.Set(CF_BITMAP, picture.Get());
        picture.Release();
    }
    Paint_Now(GetAncestor(page_->Window, GA_ROOT));
}

Chart_Model Graph_Page::Credited_Chart() const
{
    // The credit line goes into the copy only: the chart on screen never shows it.
    Chart_Model credited = chart_.Model;
    credited.Foot.Clear();
    credited.Foot.Append("Courtesy of : Halvorn v2.0b          WEB Page : " + texts_.Web_Address);
    return credited;
}

std::wstring Graph_Page::Point_Tip(int point) const
{
    if (point < 0 || static_cast<std::size_t>(point) >= point_elements_.size()) return {};
    return Widen(Graph_Point_Text(Elements[point_elements_[static_cast<std::size_t>(point)]], Graph_Index(),
                                  User_Number_Separators(), Against_Index()));
}

void Graph_Page::Chart_Mouse_Move(POINT point)
{
    // A window that opens or closes over the page moves no pointer, though the page may be
    // told it did.
    pointer_ = point;
    if (point.x >= 0 && point.x == clicked_at_.x && point.y == clicked_at_.y) return;
    clicked_at_ = {-1, -1};
    const int nearest = point.x < 0 ? -1
                                 : Point_Near(chart_.Layout(), point.x - chart_component_->Left,
                                              point.y - chart_component_->Top, Point_Reach);
    if (nearest == hovered_point_) return;
    if (nearest < 0) {
        Forget_Hovered_Point();
        return;
    }
    hovered_point_ = nearest;
    if (!point_tip_) {
        if (!point_tip_.Create(page_->Window, TTS_NOPREFIX)) return;
        TOOLINFOW tool{};
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.hwnd = page_->Window;
        tool.lpszText = const_cast<wchar_t*>(L"");
        point_tip_.Add_Tool(tool);
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = page_->Window;
    std::wstring text = Point_Tip(nearest);
    tool.lpszText = text.data();
    point_tip_.Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    const Pixel_Point* at = nullptr;
    for (const Pixel_Point& p : chart_.Layout().Line)
        if (p.Point == nearest) at = &p;
    POINT screen{chart_component_->Left + (at ? static_cast<int>(std::lround(at->X)) : 0) + 12,
                 chart_component_->Top + (at ? static_cast<int>(std::lround(at->Y)) : 0) + 12};
    ClientToScreen(page_->Window, &screen);
    point_tip_.Send(TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
    point_tip_.Send(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void Graph_Page::Chart_Mouse_Down()
{
    const int point = hovered_point_;
    // The tip goes with the click, so none stands over the report.
    Forget_Hovered_Point();
    clicked_at_ = pointer_;
    if (point < 0 || static_cast<std::size_t>(point) >= point_elements_.size()) return;
    Show_Element_Report(report_, point_elements_[static_cast<std::size_t>(point)]);
}

void Graph_Page::Forget_Hovered_Point()
{
    hovered_point_ = -1;
    if (!point_tip_) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = page_->Window;
    point_tip_.Send(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace halvorn
