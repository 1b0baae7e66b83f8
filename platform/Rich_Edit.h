// The rich-text control as the report, the glossary and their copy commands use it.
#pragma once

#include <windows.h>

#include <string_view>

namespace halvorn {

// Loads the rich-text control's library once.
void Load_Rich_Edit_Library();

// A read-only multi-line rich-text control, which Tab and Shift+Tab leave for the next
// control.
HWND Create_Rich_Edit(HWND parent, int left, int top, int width, int height, bool horizontal_scroll_bar,
                      HFONT font);
void Set_Word_Wrap(HWND rich_edit, bool on);
// Replaces the whole text with Rich Text Format.
void Set_Rich_Text(HWND rich_edit, std::string_view rtf);
// Caret to the start, nothing selected, scrolled to the top.
void Caret_To_Start(HWND rich_edit);
// Selects everything and copies it with the control's own copy (rich and plain text).
// Raises "Cannot open clipboard" when another program holds it, which then keeps what it
// had.
void Copy_All_To_Clipboard(HWND rich_edit);

}  // namespace halvorn
