// An animated GIF from the program's resources, played once on a window.
//
// Frames advance on a timer of the window that owns the animation: Start sets that
// window's timer (SetTimer on the owner with the given id) to the first frame's delay,
// and the owner hands each WM_TIMER with that id to On_Timer, which shows the next frame
// and sets the timer again to that frame's delay. At the last frame the timer is killed
// and the picture stays.
//
// GDI+ decodes each frame's pixels; the frame table (delays, placement, disposal) is read
// and the frames are composed by Gif_Frames, because GDI+ does not give them alike
// everywhere (under Wine it reports the first frame's delay only and ignores a
// restore-to-previous disposal).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/Gdi_Owners.h"
#include "winint/Gif_Frames.h"

namespace halvorn {

class Gif_Animation {
public:
    // Decodes the GIF of an RCDATA resource; throws if it cannot. background shows
    // through the picture's transparent parts.
    Gif_Animation(int resource_id, COLORREF background);
    Gif_Animation(const Gif_Animation&) = delete;
    Gif_Animation& operator=(const Gif_Animation&) = delete;
    ~Gif_Animation();

    int Width() const { return canvas_.Width(); }
    int Height() const { return canvas_.Height(); }
    int Frame_Count() const { return static_cast<int>(file_.Frames.size()); }
    // Each frame's delay as the file gives it, in hundredths of a second.
    std::vector<int> Frame_Delays() const;
    const std::vector<Gif_Frame>& Frames() const { return file_.Frames; }
    // How long a frame stays: its delay, or a tenth of a second for a delay under 2/100 s,
    // as browsers take it.
    UINT Frame_Interval_Ms(int frame) const;

    int Current_Frame() const { return current_; }
    bool Playing() const { return playing_; }

    // Plays from the first frame, once; owner's timer timer_id drives it.
    void Start(HWND owner, UINT_PTR timer_id);
    // Stops where it is.
    void Stop();
    // The owner's WM_TIMER with the animation's timer id.
    void On_Timer();
    // Shows a frame now, without playing.
    void Show_Frame(int frame);

    // Draws the current frame stretched to rect.
    void Draw(HDC dc, const RECT& rect) const;

    // Called after the frame shown has changed, so that the owner can repaint.
    std::function<void()> On_Frame_Change;

private:
    Gif_File file_;
    std::vector<std::vector<std::uint32_t>> frame_pixels_;  // each frame as decoded, before composing
    Gif_Canvas canvas_;
    COLORREF background_;
    Bitmap_Handle picture_;  // the composed picture on the background
    std::uint32_t* picture_bits_ = nullptr;
    int composed_ = -1;  // the last frame drawn on the canvas
    int current_ = 0;
    bool playing_ = false;
    HWND owner_ = nullptr;
    UINT_PTR timer_id_ = 0;
};

}  // namespace halvorn
