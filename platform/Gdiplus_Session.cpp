#include "platform/Gdiplus_Session.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace halvorn {

Gdiplus_Session::Gdiplus_Session()
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
        throw std::runtime_error("Cannot start GDI+");
}

Gdiplus_Session::~Gdiplus_Session() { Gdiplus::GdiplusShutdown(token_); }

void Ensure_Gdiplus()
{
    static Gdiplus_Session session;
}

std::vector<std::uint8_t> Png_File_Bytes(HBITMAP bitmap)
{
    Ensure_Gdiplus();
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<std::byte> storage(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    if (size == 0 || Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok)
        throw std::runtime_error("Cannot find the PNG encoder");
    const auto png = std::find_if(encoders, encoders + count, [](const Gdiplus::ImageCodecInfo& codec) {
        return std::wstring_view(codec.MimeType) == L"image/png";
    });
    if (png == encoders + count) throw std::runtime_error("Cannot find the PNG encoder");

    Gdiplus::Bitmap image(bitmap, nullptr);
    IStream* stream = SHCreateMemStream(nullptr, 0);
    if (!stream) throw std::runtime_error("Out of memory for a picture");
    std::vector<std::uint8_t> bytes;
    STATSTG status{};
    const bool saved = image.GetLastStatus() == Gdiplus::Ok && image.Save(stream, &png->Clsid, nullptr) == Gdiplus::Ok &&
                       SUCCEEDED(stream->Stat(&status, STATFLAG_NONAME));
    if (saved) {
        bytes.resize(static_cast<std::size_t>(status.cbSize.QuadPart));
        const LARGE_INTEGER start{};
        ULONG read = 0;
        if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
            FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size())
            bytes.clear();
    }
    stream->Release();
    if (bytes.empty()) throw std::runtime_error("Cannot encode the picture as PNG");
    return bytes;
}

std::string_view Resource_Data(int resource_id)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource_id), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw std::runtime_error("Resource " + std::to_string(resource_id) + " is missing");
    return {static_cast<const char*>(bytes), SizeofResource(module, found)};
}

Resource_Image::Resource_Image(std::string_view bytes)
{
    Ensure_Gdiplus();
    // The stream keeps a copy of the bytes.
    stream_ = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    if (!stream_) throw std::runtime_error("Out of memory for a picture");
    image_ = std::make_unique<Gdiplus::Bitmap>(stream_);
    if (image_->GetLastStatus() != Gdiplus::Ok) {
        image_.reset();
        stream_->Release();
        throw std::runtime_error("A picture of the program does not decode");
    }
}

Resource_Image::~Resource_Image()
{
    image_.reset();
    if (stream_) stream_->Release();
}

int Resource_Image::Width() const { return static_cast<int>(image_->GetWidth()); }
int Resource_Image::Height() const { return static_cast<int>(image_->GetHeight()); }

HBITMAP Resource_Image::To_Bitmap(COLORREF background) const
{
    HBITMAP bitmap = nullptr;
    const Gdiplus::Color colour(GetRValue(background), GetGValue(background), GetBValue(background));
    if (image_->GetHBITMAP(colour, &bitmap) != Gdiplus::Ok) throw std::runtime_error("Cannot draw a picture");
    return bitmap;
}

std::vector<std::uint32_t> Resource_Image::Pixels() const
{
    const Gdiplus::Rect area(0, 0, Width(), Height());
    Gdiplus::BitmapData data{};
    if (image_->LockBits(&area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        throw std::runtime_error("Cannot read a picture");
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()));
    for (int y = 0; y < Height(); ++y) {
        const auto* row = static_cast<const std::uint32_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride / 4;
        std::copy(row, row + Width(), pixels.begin() + static_cast<std::ptrdiff_t>(y) * Width());
    }
    image_->UnlockBits(&data);
    return pixels;
}

}  // namespace halvorn
