// The three commands that hand out the table's picture: onto the clipboard, into the
// snapshot file beside the program, and onto the desktop as its wallpaper.
#pragma once

#include <windows.h>

#include "export/Table_Snapshot.h"
#include "export/Wallpaper_Style.h"

namespace halvorn {

class TDialog_WallPaper_Style_Form;

class Table_Picture {
public:
    Table_Picture(Snapshot_Source& table, TDialog_WallPaper_Style_Form& style_dialog, HWND owner)
        : table_(table), style_dialog_(style_dialog), owner_(owner) {}

    void Copy_Table_To_Windows_Clipboard_BitBtnClick();
    void Save_Halvorn_Image_To_File_OptionClick();
    void Set_Halvorn_Image_To_Be_Windows_Desktop_OptionClick();
    void Save_Table_Image_As_OptionClick();

    // How the snapshot file is made the wallpaper; tests leave the desktop alone.
    System_Wallpaper_Call Set_Wallpaper;

    // Windows_Wallpaper_CheckBox: set only while the wallpaper command saves its picture.
    bool Quiet_Save() const { return quiet_save_; }

private:
    Snapshot_Source& table_;
    TDialog_WallPaper_Style_Form& style_dialog_;
    HWND owner_;
    bool quiet_save_ = false;
};

}  // namespace halvorn
