// GDI+ for the whole run, started on first use and shut down when the program ends, and
// the pictures of the program's resources that are decoded through it.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

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

// A bitmap encoded as a PNG file's bytes; throws std::runtime_error when it cannot be.
std::vector<std::uint8_t> Png_File_Bytes(HBITMAP bitmap);

// The bytes of an RCDATA resource of the program, alive as long as the program; throws
// std::runtime_error when there is no such resource.
std::string_view Resource_Data(int resource_id);

// A GDI+ image decoded from bytes, with the stream it reads from (GDI+ may read from the
// stream as long as the image lives).
class Resource_Image {
public:
    // Throws std::runtime_error when the bytes do not decode.
    explicit Resource_Image(std::string_view bytes);
    Resource_Image(const Resource_Image&) = delete;
    Resource_Image& operator=(const Resource_Image&) = delete;
    ~Resource_Image();

    int Width() const;
    int Height() const;
    // The image on background, as a bitmap GDI can draw.
    HBITMAP To_Bitmap(COLORREF background) const;
    // The image's pixels row by row, 0xAARRGGBB.
    std::vector<std::uint32_t> Pixels() const;

private:
    IStream* stream_ = nullptr;
    std::unique_ptr<Gdiplus::Bitmap> image_;
};

}  // namespace halvorn
