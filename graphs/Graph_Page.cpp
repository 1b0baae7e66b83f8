#include "graphs/Graph_Page.h"

#include <string_view>

#include "app/Command_Ids.h"
#include "platform/Win_Text.h"
#include "resources/Resource_Ids.h"

namespace halvorn {

namespace {

const Font_Spec List_Font{L"Times New Roman", Font_Spec::Points_From_Height(16)};
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

const Control_Spec Previous_Spec{.Type = Control_Type::Push_Button, .Name = "Previous_Graph_SpeedButton",
                                 .Left = 110, .Top = 6, .Width = 36, .Height = 25, .Font = &Button_Font,
                                 .Tooltip = "Previous Graph", .Glyph = IDB_GLYPH_PREVIOUS,
                                 .Command = Previous_Graph_SpeedButton};
const Control_Spec List_Spec{.Type = Control_Type::Drop_Down_List, .Name = "Graph_Type_ComboBox", .Left = 146,
                             .Top = 6, .Width = 470, .Height = 27, .Font = &List_Font,
                             .Command = Graph_Type_ComboBox};
const Control_Spec Button_Specs[] = {
    {.Type = Control_Type::Push_Button, .Name = "Next_Graph_SpeedButton", .Left = 618, .Top = 6, .Width = 36,
     .Height = 25, .Font = &Button_Font, .Tooltip = "Next Graph", .Glyph = IDB_GLYPH_NEXT,
     .Command = Next_Graph_SpeedButton},
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

}  // namespace

void Graph_Page::Create(Component& page)
{
    factory_.Create(Previous_Spec, &page);
    graph_list_ = &factory_.Create(List_Spec, &page);
    for (std::string_view item : Graph_Types)
        SendMessageW(graph_list_->Window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(graph_list_->Window, CB_SETITEMHEIGHT, 0, 19);
    SendMessageW(graph_list_->Window, CB_SETCURSEL, 0, 0);
    for (const Control_Spec& spec : Button_Specs) factory_.Create(spec, &page);
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

}  // namespace halvorn
