#include "table_view/Table_Page.h"

#include <algorithm>
#include <string>

#include "elements/Code_Tables.h"
#include "elements/Text_Helpers.h"
#include "platform/Seams.h"
#include "report/Report_Window.h"
#include "resources/Command_Ids.h"
#include "resources/Resource_Ids.h"
#include "winint/Program_Texts.h"

namespace halvorn {

namespace {

const Font_Spec Main_Font{L"Times New Roman", Font_Spec::Points_From_Height(15)};
const Font_Spec Box_Font{L"Times New Roman", 12, true};
const Font_Spec Heading_Font{L"Times New Roman", Font_Spec::Points_From_Height(13)};
const Font_Spec Key_Label_Font{L"Times New Roman", Font_Spec::Points_From_Height(13), true};
const Font_Spec Button_Font{L"Times New Roman", Font_Spec::Points_From_Height(15), true};
const Font_Spec Caption_Font{L"Times New Roman", Font_Spec::Points_From_Height(13)};

const Control_Design Connector_Designs[] = {
    {.Type = Control_Type::Picture, .Name = "Image1", .Left = 80, .Top = 240, .Width = 37, .Height = 93},
    {.Type = Control_Type::Picture, .Name = "Image2", .Left = 80, .Top = 275, .Width = 37, .Height = 96},
    {.Type = Control_Type::Picture, .Name = "Image3", .Left = 80, .Top = 314, .Width = 37, .Height = 99},
};

const Control_Design Button_Designs[] = {
    {.Type = Control_Type::Push_Button, .Name = "Copy_Table_To_Windows_Clipboard_BitBtn", .Left = 4, .Top = 416,
     .Width = 159, .Height = 32, .Caption = "Copy to Clipboard", .Font = &Button_Font,
     .Tooltip = "Copy the above Periodic Table to Windows Clipboard.", .Glyph = IDB_GLYPH_COPY,
     .Command = Copy_Table_To_Windows_Clipboard_Option},
    {.Type = Control_Type::Push_Button, .Name = "Select_Element_by_Abbreviation_BitBtn", .Left = 170, .Top = 416,
     .Width = 138, .Height = 32, .Caption = "Select by Abbr", .Font = &Button_Font,
     .Tooltip = "Select element by its abbreviation", .Glyph = IDB_GLYPH_SEARCH,
     .Command = Select_Element_by_Abbreviation_Option},
    {.Type = Control_Type::Push_Button, .Name = "Select_Element_by_Name_BitBtn", .Left = 315, .Top = 416,
     .Width = 140, .Height = 32, .Caption = "Select by Name", .Font = &Button_Font,
     .Tooltip = "Select element by its name", .Glyph = IDB_GLYPH_NAME, .Command = Select_Element_by_Name_Option},
    {.Type = Control_Type::Push_Button, .Name = "Glossary_of_Terms_BitBtn", .Left = 461, .Top = 416, .Width = 100,
     .Height = 32, .Caption = "Glossary", .Font = &Button_Font, .Tooltip = "View a Glossary of Terms",
     .Glyph = IDB_GLYPH_GLOSSARY, .Command = Glossary_of_Terms_Option},
    {.Type = Control_Type::Push_Button, .Name = "Exit_BitBtn", .Left = 566, .Top = 416, .Width = 100, .Height = 32,
     .Caption = "Exit", .Font = &Button_Font, .Tooltip = "Exit this program", .Glyph = IDB_GLYPH_EXIT,
     .Command = ExitOption},
};

const Control_Design Message_Label_Design{.Type = Control_Type::Label, .Name = "Message_Label_1", .Left = 436,
                                      .Top = 15, .Width = 193, .Height = 42, .Font = &Caption_Font,
                                      .Visible = false};

std::string Box_Name(int number) { return "StaticText" + std::to_string(number); }

// Captions each element box as its row is read.
class Box_Captioner final : public Element_Row_Sink {
public:
    explicit Box_Captioner(Table_Page& page) : page_(page) {}

    void Row_Built(std::int32_t row, const Element_Record& record) override
    {
        if (row > Element_Box_Count) return;
        page_.Element_Box(row).Set_Caption(std::to_string(record.Atomic_Number) + '\r' + record.Element_Abbreviation);
    }

private:
    Table_Page& page_;
};

}  // namespace

void Table_Page::Create(Component& page, const Component& page_control)
{
    page_ = &page;
    page_control_ = &page_control;
    for (int n = 1; n <= Element_Box_Count; ++n) {
        const Design_Point place = Element_Box_Place(n);
        const std::string name = Box_Name(n);
        Component& box = factory_.Create({.Type = Control_Type::Text_Box, .Name = name, .Left = place.Left,
                                          .Top = place.Top, .Width = Box_Width, .Height = Box_Height,
                                          .Caption = "??", .Font = &Box_Font},
                                         &page);
        box.Fill = GetSysColor(COLOR_HIGHLIGHTTEXT);
        // The box knows its element.
        box.On_Mouse_Down = [this, n](Component&) { StaticText1MouseDown(n); };
        boxes_[static_cast<std::size_t>(n - 1)] = &box;
    }
    for (const Group_Heading& heading : Group_Headings)
        factory_.Create({.Type = Control_Type::Label, .Name = heading.Name, .Left = heading.Left, .Top = heading.Top,
                         .Caption = heading.Caption, .Font = &Heading_Font, .Auto_Size = true},
                        &page);
    connector_ = std::make_shared<const Bitmap_Handle>(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CONNECTOR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    for (const Control_Design& design : Connector_Designs) factory_.Create(design, &page).Picture = connector_;

    Component& group_key = Create_Colour_Key(page);
    // The views' controls come after the table and before the buttons in the tab order.
    views_ = std::make_unique<Table_Views>(factory_, fonts_, [this] {
        Set_Element_Box_Colours_BitBtnClick();
        Paint_Now(owner_);
    });
    views_->Create(page, group_key, *swatches_[3]);
    for (const Control_Design& design : Button_Designs) {
        Component& button = factory_.Create(design, &page);
        if (design.Command == ExitOption) exit_button_ = &button;
    }
    message_label_ = &factory_.Create(Message_Label_Design, &page);
    message_label_->Text_Colour = RGB(255, 0, 0);
    message_label_->Text_Format = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
    keyboard_ = std::make_unique<Table_Keyboard>(factory_.Components(), page, boxes_, swatches_, *views_);
}

Component& Table_Page::Create_Colour_Key(Component& page)
{
    Component& key = factory_.Create({.Type = Control_Type::Frame, .Name = "GroupBox1000", .Left = 88, .Top = 2,
                                      .Width = 345, .Height = 130,
                                      .Caption = " Element Group Key :    (Click box to change colour) ",
                                      .Font = &Main_Font},
                                     &page);
    for (std::size_t i = 0; i < Group_Swatches.size(); ++i) {
        const Group_Swatch& design = Group_Swatches[i];
        Component& swatch = factory_.Create({.Type = Control_Type::Shape, .Name = design.Name, .Left = design.Left,
                                             .Top = design.Top, .Width = 25, .Height = 20},
                                            &key);
        // White until the settings give the swatches their colours.
        swatch.Fill = RGB(255, 255, 255);
        swatch.On_Mouse_Down = [this](Component& sender) { Choose_Swatch_Colour(sender); };
        swatches_[i] = &swatch;
        factory_.Create({.Type = Control_Type::Label, .Name = design.Label_Name, .Left = design.Left + 29,
                         .Top = design.Top + 2, .Caption = design.Caption, .Font = &Key_Label_Font,
                         .Auto_Size = true},
                        &key);
    }
    return key;
}

void Table_Page::Create_State_Legend(Component& form)
{
    // Never shown: it only holds the text colour of each state of matter.
    Component& legend = factory_.Create({.Type = Control_Type::Frame, .Name = "GroupBox119", .Left = 691, .Top = 314,
                                         .Width = 205, .Height = 49, .Caption = " Gas / Liquid / Solid : ",
                                         .Font = &Main_Font, .Visible = false},
                                        &form);
    static constexpr std::string_view labels[][2] = {
        {"Gas_Label", "Gas"}, {"Liquid_Label", "Liquid"}, {"Solid_Label", "Solid"}, {"Unknown_Label", "Unknown"}};
    int left = 8;
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        Component& label = factory_.Create({.Type = Control_Type::Label, .Name = labels[i][0], .Left = left, .Top = 20,
                                            .Caption = labels[i][1], .Font = &Main_Font, .Auto_Size = true},
                                           &legend);
        state_labels_[i] = &label;
        left += label.Width + 8;
    }
}

void Table_Page::Build_Array_Data_ButtonClick()
{
    // The page repaints once, for the captions, the colouring and the hiding together; when
    // the build fails, for the rows read so far (the error itself goes to the user).
    const Repaint_Batch one_repaint;
    Box_Captioner captioner(*this);
    Build_Element_Array(database_text_, Elements, Number_of_Elements, &captioner);
    views_->Elements_Built(Coloured_Rows());
    Set_Element_Box_Colours_BitBtnClick();
    for (int n = Number_of_Elements + 1; n <= Element_Box_Count; ++n) Element_Box(n).Set_Visible(false);
}

int Table_Page::Coloured_Rows() const
{
    const std::size_t lines = Count_Text_Lines(database_text_);
    return lines > 1 ? static_cast<int>(std::min<std::size_t>(lines - 1, Element_Box_Count)) : 0;
}

void Table_Page::Set_Element_Box_Colours_BitBtnClick()
{
    const int rows = Coloured_Rows();
    const bool by_group = views_->Choice().View == Table_View::Group;
    // Every box changed is repainted together, once.
    const Repaint_Batch one_repaint;
    for (int n = 1; n <= rows; ++n) {
        const Element_Record& element = Elements[n];
        Component& box = Element_Box(n);
        if (by_group) {
            box.Set_Fill(Swatch_Colour(element.Group));
            box.Set_Text_Colour(State_Text_Colour(element.State));
        } else {
            const Box_Colours colours = views_->Colours_Of(element, Swatch_Colour(element.Group));
            box.Set_Fill(colours.Fill);
            box.Set_Text_Colour(colours.Text);
        }
    }
}

COLORREF Table_Page::State_Text_Colour(std::int32_t state) const
{
    return state_labels_[state >= 1 && state <= 3 ? static_cast<std::size_t>(state - 1) : 3]->Text_Colour;
}

COLORREF Table_Page::Swatch_Colour(std::int32_t group) const
{
    return Swatch(Swatch_Index_Of_Group(group)).Fill;
}

std::array<std::uint32_t, 10> Table_Page::Swatch_Colours() const
{
    std::array<std::uint32_t, 10> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = swatches_[i]->Fill;
    return colours;
}

void Table_Page::Set_Swatch_Colours(const std::array<std::uint32_t, 10>& colours)
{
    for (std::size_t i = 0; i < colours.size(); ++i) swatches_[i]->Set_Fill(colours[i]);
}

void Table_Page::Show_Snapshot_Caption()
{
    message_label_->Set_Caption(texts_.Product_Name + "\r\n" + texts_.Web_Address);
    message_label_->Set_Visible(true);
    keyboard_->Leave_Cue_Out_Of_Picture(true);
}

void Table_Page::Hide_Snapshot_Caption()
{
    message_label_->Set_Visible(false);
    keyboard_->Leave_Cue_Out_Of_Picture(false);
}

Snapshot_Measures Table_Page::Measures() const
{
    // The page's place within the page control, as the picture's measures take it.
    return {page_control_->Width, page_->Left - page_control_->Left, page_->Top - page_control_->Top,
            exit_button_->Top};
}

void Table_Page::Paint_Page(HDC dc) const
{
    const RECT page{0, 0, page_->Width, page_->Height};
    factory_.Components().Paint(page_->Window, dc, page, fonts_);
}

void Table_Page::StaticText1MouseDown(int number) { Show_Element_Report(report_, number); }

void Table_Page::Choose_Swatch_Colour(Component& swatch)
{
    COLORREF colour = swatch.Fill;
    if (!Run_Colour_Dialog(owner_, colour)) return;
    swatch.Set_Fill(colour);
    Set_Element_Box_Colours_BitBtnClick();
}

}  // namespace halvorn
