#include "winint/Gif_Animation.h"

#include <stdexcept>

#include "platform/Gdiplus_Session.h"

namespace halvorn {

Gif_Animation::Gif_Animation(int resource_id, COLORREF background)
    : file_(Read_Gif_Frames(Resource_Data(resource_id))), canvas_(file_.Width, file_.Height), background_(background)
{
    for (std::size_t i = 0; i < file_.Frames.size(); ++i) {
        const Resource_Image frame(Single_Frame_Gif(file_, i));
        frame_pixels_.push_back(frame.Pixels());
        // A frame that decodes to another size than it claims is taken at its decoded size.
        file_.Frames[i].Width = frame.Width();
        file_.Frames[i].Height = frame.Height();
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = Width();
    info.bmiHeader.biHeight = -Height();  // top row first, as the canvas
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    picture_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture_) throw std::runtime_error("Cannot make the picture of an animation");
    picture_bits_ = static_cast<std::uint32_t*>(bits);
    Show_Frame(0);
}

Gif_Animation::~Gif_Animation() { Stop(); }

std::vector<int> Gif_Animation::Frame_Delays() const
{
    std::vector<int> delays;
    for (const Gif_Frame& frame : file_.Frames) delays.push_back(frame.Delay);
    return delays;
}

UINT Gif_Animation::Frame_Interval_Ms(int frame) const
{
    const int delay = file_.Frames[static_cast<std::size_t>(frame)].Delay;
    return delay < 2 ? 100u : static_cast<UINT>(delay) * 10u;
}

void Gif_Animation::Start(HWND owner, UINT_PTR timer_id)
{
    Stop();
    owner_ = owner;
    timer_id_ = timer_id;
    Show_Frame(0);
    if (Frame_Count() < 2) return;
    playing_ = true;
    SetTimer(owner_, timer_id_, Frame_Interval_Ms(0), nullptr);
}

void Gif_Animation::Stop()
{
    if (!playing_) return;
    playing_ = false;
    KillTimer(owner_, timer_id_);
}

void Gif_Animation::On_Timer()
{
    if (!playing_) return;
    const int next = current_ + 1;
    // Played once: the last frame stays.
    if (next == Frame_Count() - 1) Stop();
    else SetTimer(owner_, timer_id_, Frame_Interval_Ms(next), nullptr);
    Show_Frame(next);
}

void Gif_Animation::Show_Frame(int frame)
{
    if (frame < 0 || frame >= Frame_Count()) throw std::out_of_range("No such frame in the animation");
    // Each picture is the frames so far drawn in turn; going back starts over.
    if (frame < composed_) {
        canvas_.Clear();
        composed_ = -1;
    }
    while (composed_ < frame) {
        ++composed_;
        canvas_.Draw(file_.Frames[static_cast<std::size_t>(composed_)], frame_pixels_[static_cast<std::size_t>(composed_)]);
    }
    const std::uint32_t back = GetRValue(background_) << 16 | GetGValue(background_) << 8 | GetBValue(background_);
    const std::vector<std::uint32_t>& pixels = canvas_.Pixels();
    GdiFlush();
    for (std::size_t i = 0; i < pixels.size(); ++i) picture_bits_[i] = pixels[i] >> 24 ? pixels[i] & 0xFFFFFF : back;
    current_ = frame;
    if (On_Frame_Change) On_Frame_Change();
}

void Gif_Animation::Draw(HDC dc, const RECT& rect) const
{
    Memory_Dc source(dc);
    Selected_Object chosen(source.Get(), picture_.Get());
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width == Width() && height == Height()) {
        BitBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, rect.left, rect.top, width, height, source.Get(), 0, 0, Width(), Height(), SRCCOPY);
}

}  // namespace halvorn
