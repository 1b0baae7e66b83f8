#include "winint/About_Window.h"

#include "platform/Win_Text.h"

namespace halvorn {

namespace {
enum : int { Email_Button_Id = 101, Web_Button_Id };
constexpr int Group_Top = 52;
}

void TAboutBox::Create(HWND owner)
{
    Create_Form("AboutBox", -1, -1, 592, 354, Form_Border::Dialog_Without_Buttons, owner);
    const Font_Spec label_font{L"Times New Roman", Font_Spec::Points_From_Height(15)};
    Font_Spec title_font = label_font;
    title_font.Bold = true;

    Component frame;
    frame.Name = "GroupBox1";
    frame.Kind = Component_Kind::Frame;
    frame.Parent = Form_;
    frame.Left = 0, frame.Top = Group_Top, frame.Width = 589, frame.Height = 301;
    frame.Font = {L"MS Sans Serif", 8};
    Component* group = &Components().Add(std::move(frame));

    Add_Label("ProductName", group, "ProductName", 205, 16, 380, 18, title_font);
    Add_Label("Author_and_Date", group, "Author_and_Date", 205, 45, 380, 18, title_font);
    Add_Label("Developed_using", group, "Developed_using", 205, 74, 380, 18, label_font);
    Add_Label("Copyright", group, "Copyright", 205, 103, 380, 18, label_font);
    Add_Label("Comments", group, "Comments", 205, 162, 380, 18, label_font);
    Add_Label("WEB_Page_Label", group, "WEB_Page_Label", 205, 191, 380, 18, label_font);

    const Font_Spec button_font{L"MS Sans Serif", 8};
    Add_Button("Email_Button", "Email_Button", 416, Group_Top + 160, 169, 23, button_font, Email_Button_Id);
    Add_Button("WEB_Button", "WEB_Button", 416, Group_Top + 189, 169, 23, button_font, Web_Button_Id);
}

void TAboutBox::Show_Texts(const Program_Texts& texts)
{
    Set_Window_Text(Handle(), texts.About_Caption);
    Set_Caption_Of("ProductName", texts.Product_Name);
    Set_Caption_Of("Author_and_Date", texts.Author_and_Date);
    Set_Caption_Of("Developed_using", texts.Developed_Using);
    Set_Caption_Of("Copyright", texts.Copyright);
    Set_Caption_Of("Comments", texts.Comments);
    Set_Caption_Of("WEB_Page_Label", texts.Web_Page_Label);
    Set_Caption_Of("Email_Button", texts.Email_Address);
    Set_Caption_Of("WEB_Button", texts.Web_Address);
}

}  // namespace halvorn
