#include "platform/Gdiplus_Session.h"

#include <stdexcept>

namespace halvorn {

Gdiplus_Session::Gdiplus_Session()
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
        throw std::runtime_error("Cannot start the graphics library");
}

Gdiplus_Session::~Gdiplus_Session() { Gdiplus::GdiplusShutdown(token_); }

void Ensure_Gdiplus()
{
    static const Gdiplus_Session session;
}

}  // namespace halvorn
