#include "platform/Clipboard_Session.h"

#include <stdexcept>

namespace halvorn {

Clipboard_Session::Clipboard_Session(HWND owner)
{
    if (!OpenClipboard(owner)) throw std::runtime_error("Cannot open clipboard");
}

Clipboard_Session::~Clipboard_Session() { CloseClipboard(); }

void Clipboard_Session::Empty() { EmptyClipboard(); }

void Clipboard_Session::Set(UINT format, HANDLE data)
{
    if (!SetClipboardData(format, data)) throw std::runtime_error("Cannot set clipboard data");
}

}  // namespace halvorn
