#include "export/Table_Picture.h"

#include "export/Desktop_Wallpaper.h"
#include "export/Table_Image_File.h"
#include "export/Wallpaper_Style_Dialog.h"

namespace halvorn {

void Table_Picture::Copy_Table_To_Windows_Clipboard_BitBtnClick() { Copy_Table_Snapshot_To_Clipboard(table_, owner_); }

void Table_Picture::Save_Halvorn_Image_To_File_OptionClick() { Save_Table_Snapshot(table_, owner_, quiet_save_); }

void Table_Picture::Save_Table_Image_As_OptionClick() { Save_Table_Image_As(table_, owner_); }

void Table_Picture::Set_Halvorn_Image_To_Be_Windows_Desktop_OptionClick()
{
    table_.Show_Table_Page();
    if (style_dialog_.Show_Modal(owner_) != Modal_Result::Ok) return;
    // The flag is cleared on every path, also when saving fails.
    struct Quiet {
        bool& Flag;
        explicit Quiet(bool& flag) : Flag(flag) { Flag = true; }
        ~Quiet() { Flag = false; }
    } quiet(quiet_save_);
    Save_Halvorn_Image_To_File_OptionClick();
    Set_Desktop_Wallpaper(Snapshot_File_Path(), Set_Wallpaper ? Set_Wallpaper : Apply_System_Wallpaper);
}

}  // namespace halvorn
