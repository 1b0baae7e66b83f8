// The About window: the program's title and fixed texts, an animated logo, a banner, a
// rotating quote from the maker, the free-memory figure and links to the maker's web page
// and mail address. Its labels and link buttons hold the program title and the fixed
// texts, where the report footer and other readers find them.
#pragma once

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Form_Window.h"
#include "platform/Gdi_Owners.h"
#include "winint/Gif_Animation.h"
#include "winint/Program_Texts.h"

namespace halvorn {

class TAboutBox : public Form_Window {
public:
    // Timers of the window.
    static constexpr UINT_PTR Quote_Change_Timer = 1, Free_Resources_Timer = 2, Logo_Animation_Timer = 3;
    static constexpr UINT Quote_Change_Interval = 10000, Free_Resources_Interval = 500;

    // Sets the window up; it is made, hidden, when first wanted.
    void Create(HWND owner);
    // Shows the program title and the fixed texts in the window's labels and buttons.
    void Show_Texts(const Program_Texts& texts);
    // Shows the window modally over owner; returns when it has closed.
    void Show_Modal(HWND owner);

    // Tandrel_Logo_GIFImage's animation, decoded when first wanted.
    Gif_Animation& Tandrel_Logo();
    // Quotes_From_Tandrel_ListBox: the quotes shown in turn.
    const std::vector<std::string>& Quotes() const
    {
        Handle();
        return quotes_;
    }

    void FormActivate();
    void OKButtonClick();
    void FormKeyDown(WPARAM key);
    void Quote_Change_TimerTimer();
    void Free_Resources_TimerTimer();
    void WEB_ButtonClick();
    void Email_ButtonClick();

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    void Make(HWND owner);
    void Load_Pictures();
    void Show_Links();
    void Copy_Button_To_Label(const Component& button, Component& label, UINT_PTR tool_id);
    bool Set_Cursor();

    Component* group_ = nullptr;
    Component* logo_component_ = nullptr;
    HWND ok_button_ = nullptr;
    Tooltip tooltip_;
    std::unique_ptr<Gif_Animation> logo_;
    Bitmap_Handle banner_;
    std::vector<std::string> quotes_;
    std::mt19937 random_;
    bool key_preview_ = false;
    bool activation_pending_ = false;
    // The controls the window changes after it is made.
    Component* ProductName_ = nullptr;
    Component* Author_and_Date_ = nullptr;
    Component* Developed_using_ = nullptr;
    Component* Copyright_ = nullptr;
    Component* Comments_ = nullptr;
    Component* WEB_Page_Label_ = nullptr;
    Component* Label4_ = nullptr;  // the free-memory figure
    Component* Quote_From_Tandrel_Label_ = nullptr;
    Component* WEB_Address_Label_ = nullptr;
    Component* Email_Address_Label_ = nullptr;
    Component* Email_Button_ = nullptr;
    Component* WEB_Button_ = nullptr;
    Component* Tandrel_Logo_Banner_Image_ = nullptr;
    Component* Bevel1_ = nullptr;
};

// Asks the shell to open text (a web address, a mailto link) with the owner window; an
// empty text opens nothing, and a failure is not reported.
void Shell_Open(HWND owner, std::wstring_view text);

// Tests record what would be opened instead; an empty hook restores the shell.
using Shell_Open_Hook = std::function<void(const std::wstring& text)>;
void Set_Shell_Open_Hook(Shell_Open_Hook hook);

}  // namespace halvorn
