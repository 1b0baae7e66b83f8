#include "platform/Rich_Edit.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "platform/Child_Controls.h"
#include "platform/Clipboard_Session.h"

namespace halvorn {

void Load_Rich_Edit_Library()
{
    static HMODULE library = LoadLibraryW(L"riched20.dll");
    if (!library) throw std::runtime_error("Cannot load the rich text control (riched20.dll)");
}

namespace {

// Read-only text is no place to type a Tab: the key moves on to the next control, as in
// any dialog, and entering the text by Tab selects none of it.
LRESULT CALLBACK Read_Only_Keys(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR)
{
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, Read_Only_Keys, id);
    LRESULT result = DefSubclassProc(edit, message, w, l);
    if (message == WM_GETDLGCODE) {
        result &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_HASSETSEL);
        const MSG* key = reinterpret_cast<const MSG*>(l);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
            result &= ~static_cast<LRESULT>(DLGC_WANTMESSAGE | DLGC_WANTALLKEYS);
    }
    return result;
}

}  // namespace

HWND Create_Rich_Edit(HWND parent, int left, int top, int width, int height, bool horizontal_scroll_bar, HFONT font)
{
    Load_Rich_Edit_Library();
    DWORD style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                  ES_NOHIDESEL;
    if (horizontal_scroll_bar) style |= WS_HSCROLL;
    const HWND edit = Create_Child_Control(parent,
                                           {.Class_Name = RICHEDIT_CLASSW,
                                            .Style = style,
                                            .Ex_Style = WS_EX_CLIENTEDGE,
                                            .Left = left, .Top = top, .Width = width, .Height = height,
                                            .Font = font},
                                           "the rich text control");
    SetWindowSubclass(edit, Read_Only_Keys, 0, 0);
    return edit;
}

void Set_Word_Wrap(HWND rich_edit, bool on)
{
    // Target device 0 with width 0 wraps at the window; width 1 does not wrap.
    SendMessageW(rich_edit, EM_SETTARGETDEVICE, 0, on ? 0 : 1);
}

namespace {

struct Rtf_Source {
    std::string_view Text;
    std::size_t Done = 0;
};

DWORD CALLBACK Read_Rtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given)
{
    auto* source = reinterpret_cast<Rtf_Source*>(cookie);
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(wanted), source->Text.size() - source->Done);
    std::copy_n(source->Text.data() + source->Done, count, buffer);
    source->Done += count;
    *given = static_cast<LONG>(count);
    return 0;
}

}  // namespace

void Set_Rich_Text(HWND rich_edit, std::string_view rtf)
{
    Rtf_Source source{rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = Read_Rtf;
    SendMessageW(rich_edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void Caret_To_Start(HWND rich_edit)
{
    SendMessageW(rich_edit, EM_SETSEL, 0, 0);
    SendMessageW(rich_edit, EM_SCROLLCARET, 0, 0);
}

void Copy_All_To_Clipboard(HWND rich_edit)
{
    // The control's own copy fails silently while another program holds the clipboard:
    // find out first, and report it through the general error box.
    { Clipboard_Session probe(rich_edit); }
    SendMessageW(rich_edit, EM_SETSEL, 0, -1);
    SendMessageW(rich_edit, WM_COPY, 0, 0);
    Caret_To_Start(rich_edit);
}

}  // namespace halvorn
