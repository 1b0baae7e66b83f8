// The main window's commands: every menu item and button reaches its handler through one
// table.
#pragma once

#include <span>

namespace halvorn {

class TMainForm1;

// A button that does what a menu item does carries the item's command.
struct Command_Binding {
    unsigned short Id;
    void (*Handler)(TMainForm1&);
};

extern const std::span<const Command_Binding> Main_Commands;

}  // namespace halvorn
