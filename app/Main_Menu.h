// The main menu, made from its design.
#pragma once

#include <windows.h>

namespace halvorn {

// A new menu bar with every popup and item of the design; raises an error when the
// platform refuses it.
HMENU Create_Main_Menu();

}  // namespace halvorn
