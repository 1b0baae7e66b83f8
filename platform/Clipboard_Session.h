// The clipboard, opened for one command: emptied and given new content, closed on every
// path. Failing to open it raises "Cannot open clipboard", which the window procedure
// shows in the general error box; the clipboard then keeps what it had.
#pragma once

#include <windows.h>

#include <cstddef>

namespace halvorn {

class Clipboard_Session {
public:
    explicit Clipboard_Session(HWND owner);
    Clipboard_Session(const Clipboard_Session&) = delete;
    Clipboard_Session& operator=(const Clipboard_Session&) = delete;
    ~Clipboard_Session();

    void Empty();
    // On success the clipboard owns data, so callers release their owner of it only
    // after this returns; on failure it throws and the caller's owner frees it.
    void Set(UINT format, HANDLE data);
    // A copy of size bytes in movable global memory, in the given format.
    void Set_Bytes(UINT format, const void* bytes, std::size_t size);
};

}  // namespace halvorn
