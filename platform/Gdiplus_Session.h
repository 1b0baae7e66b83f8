// GDI+ for the whole run: started on first use, shut down when the program ends.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace halvorn {

class Gdiplus_Session {
public:
    Gdiplus_Session();
    Gdiplus_Session(const Gdiplus_Session&) = delete;
    Gdiplus_Session& operator=(const Gdiplus_Session&) = delete;
    ~Gdiplus_Session();

private:
    ULONG_PTR token_ = 0;
};

// Starts the program's one session the first time it is called; it lasts until exit.
void Ensure_Gdiplus();

}  // namespace halvorn
