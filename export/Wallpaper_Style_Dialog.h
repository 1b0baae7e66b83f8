// The wallpaper style dialog: centred, tiled or stretched. OK puts the chosen style into
// the desktop settings; the choice stays for the next use within the run.
#pragma once

#include <array>

#include "export/Wallpaper_Style.h"
#include "platform/Form_Window.h"
#include "winint/Windows_Registry.h"

namespace halvorn {

class TDialog_WallPaper_Style_Form : public Form_Window {
public:
    // Sets the window up; it is made, hidden, when first wanted.
    void Create(HWND owner);

    // Where OK writes the style and how the desktop is told: the user's own registry
    // and desktop unless these are given.
    void Use(Registry& registry, System_Wallpaper_Call set_wallpaper);

    // Shows the dialog modally over owner: Ok after OK (whether or not the style could
    // be applied), Cancel after Cancel, Escape or the title-bar close.
    Modal_Result Show_Modal(HWND owner);

    // Wallpaper_Style_RadioGroup's item index, -1 when no item is checked.
    int Item_Index() const;
    void Set_Item_Index(int index);
    HWND Item_Button(int index) const
    {
        Handle();
        return items_.at(static_cast<std::size_t>(index));
    }

    void OK_BitBtnClick();
    void Cancel_BitBtnClick();

protected:
    LRESULT Handle_Message(UINT message, WPARAM w, LPARAM l) override;

private:
    void Make(HWND owner);
    void Create_Radio_Group();
    // Tab reaches the group at its checked item; the arrows move within it.
    void Update_Tab_Stop();

    std::array<HWND, 3> items_{};
    Windows_Registry user_registry_;
    Registry* registry_ = &user_registry_;
    System_Wallpaper_Call set_wallpaper_;
};

}  // namespace halvorn
