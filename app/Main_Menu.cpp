#include "app/Main_Menu.h"

#include <stdexcept>

#include "app/Menu_Design.h"
#include "platform/Win_Text.h"

namespace halvorn {

HMENU Create_Main_Menu()
{
    HMENU menu = CreateMenu();
    if (!menu) throw std::runtime_error("Cannot create the main menu");
    for (const Menu_Design& design : Main_Menu_Design) {
        HMENU popup = CreatePopupMenu();
        for (std::size_t i = 0; i < design.Count; ++i) {
            const Menu_Item_Design& item = design.Items[i];
            if (item.Command == 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            else AppendMenuW(popup, MF_STRING, item.Command, Widen(item.Caption).c_str());
        }
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Widen(design.Caption).c_str());
    }
    return menu;
}

}  // namespace halvorn
