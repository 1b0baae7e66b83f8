// The periodic table page: the element boxes with their group headings and connector
// pictures, the group colour key, the page's buttons and the snapshot caption; and the
// hidden legend whose labels hold the text colour of each state of matter.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "elements/Element_Record.h"
#include "export/Table_Snapshot.h"
#include "platform/Control_Factory.h"
#include "table_view/Table_Keyboard.h"
#include "table_view/Table_Layout.h"
#include "table_view/Table_Views.h"

namespace halvorn {

struct Program_Texts;
class TElement_Report_Form;

class Table_Page final : public Snapshot_Source {
public:
    // owner is the main window; show_page brings the table page to the front.
    Table_Page(Control_Factory& factory, Font_Cache& fonts, TElement_Report_Form& report, const Program_Texts& texts,
               HWND owner, std::function<void()> show_page)
        : factory_(factory), fonts_(fonts), report_(report), texts_(texts), owner_(owner),
          show_page_(std::move(show_page)) {}

    // The page stands over the page control's display area.
    void Create(Component& page, const Component& page_control);
    // The legend stands outside the page, on the window itself.
    void Create_State_Legend(Component& form);

    Component& Element_Box(int number) const { return *boxes_[static_cast<std::size_t>(number - 1)]; }
    Component& Swatch(int index) const { return *swatches_[static_cast<std::size_t>(index)]; }
    Component& Exit_BitBtn() const { return *exit_button_; }
    Component& Message_Label_1() const { return *message_label_; }
    // Keys, element tooltips and the accessible object of the page.
    Table_Keyboard& Keyboard() const { return *keyboard_; }
    // The views besides the groups, their key and controls.
    Table_Views& Views() const { return *views_; }

    // The element database text the build reads; tests give it other texts.
    void Set_Database_Text(std::string_view text) { database_text_ = text; }

    // Builds the element array, captioning the boxes as their rows are read, then colours
    // them and hides the boxes without an element.
    void Build_Array_Data_ButtonClick();
    // Colours the boxes by the view chosen: by group, the swatch colours with the text
    // colour of each element's state, as the build gives it.
    void Set_Element_Box_Colours_BitBtnClick();
    // A press on the box of element number.
    void StaticText1MouseDown(int number);
    void Choose_Swatch_Colour(Component& swatch);

    // The colour of a group's swatch (0x00BBGGRR).
    COLORREF Swatch_Colour(std::int32_t group) const;
    std::array<std::uint32_t, 10> Swatch_Colours() const;
    void Set_Swatch_Colours(const std::array<std::uint32_t, 10>& colours);

    // What a picture of the table needs of the page.
    void Show_Table_Page() override { show_page_(); }
    void Show_Snapshot_Caption() override;
    void Hide_Snapshot_Caption() override;
    HWND Client_Window() const override { return owner_; }
    Snapshot_Measures Measures() const override;
    SIZE Page_Picture_Size() const override { return {page_->Width, exit_button_->Top}; }
    void Paint_Page(HDC dc) const override;

private:
    Component& Create_Colour_Key(Component& page);
    // The element rows of the database text, as far as there are boxes for them.
    int Coloured_Rows() const;
    COLORREF State_Text_Colour(std::int32_t state) const;

    Control_Factory& factory_;
    Font_Cache& fonts_;
    TElement_Report_Form& report_;
    const Program_Texts& texts_;
    HWND owner_;
    std::function<void()> show_page_;
    std::string_view database_text_ = Element_Database_Text();
    std::shared_ptr<const Bitmap_Handle> connector_;
    Component* page_ = nullptr;
    const Component* page_control_ = nullptr;
    std::array<Component*, Element_Box_Count> boxes_{};
    std::array<Component*, 10> swatches_{};
    std::array<Component*, 4> state_labels_{};  // gas, liquid, solid, unknown
    Component* exit_button_ = nullptr;
    Component* message_label_ = nullptr;
    std::unique_ptr<Table_Views> views_;
    std::unique_ptr<Table_Keyboard> keyboard_;
};

}  // namespace halvorn
