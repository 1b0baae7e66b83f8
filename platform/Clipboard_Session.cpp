#include "platform/Clipboard_Session.h"

#include <cstring>
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

void Clipboard_Session::Set_Bytes(UINT format, const void* bytes, std::size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) throw std::runtime_error("Out of memory");
    if (void* locked = GlobalLock(memory)) {
        std::memcpy(locked, bytes, size);
        GlobalUnlock(memory);
    }
    try {
        Set(format, memory);
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
}

}  // namespace halvorn
