#include "winint/Gif_Frames.h"

#include <algorithm>

namespace halvorn {

namespace {

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t At() const { return at_; }
    std::uint8_t Byte()
    {
        Need(1);
        return static_cast<std::uint8_t>(bytes_[at_++]);
    }
    int Word()
    {
        const int low = Byte();
        return low | (Byte() << 8);
    }
    void Skip(std::size_t count)
    {
        Need(count);
        at_ += count;
    }
    // Skips data sub-blocks up to and including the empty one that ends them.
    void Skip_Sub_Blocks()
    {
        while (const std::uint8_t size = Byte()) Skip(size);
    }
    std::string_view Since(std::size_t start) const { return bytes_.substr(start, at_ - start); }

private:
    void Need(std::size_t count) const
    {
        if (bytes_.size() - at_ < count) throw Gif_Error("The GIF file is cut short");
    }
    std::string_view bytes_;
    std::size_t at_ = 0;
};

std::size_t Colour_Table_Size(std::uint8_t packed) { return packed & 0x80 ? 3u << ((packed & 7) + 1) : 0; }

void Put_Word(std::string& out, int value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

Gif_File Read_Gif_Frames(std::string_view bytes)
{
    if (bytes.substr(0, 6) != "GIF87a" && bytes.substr(0, 6) != "GIF89a") throw Gif_Error("Not a GIF file");
    Reader read(bytes);
    read.Skip(6);
    Gif_File file;
    const std::size_t screen = read.At();
    file.Width = read.Word();
    file.Height = read.Word();
    const std::uint8_t packed = read.Byte();
    read.Skip(2 + Colour_Table_Size(packed));
    file.Screen = read.Since(screen);

    Gif_Frame next;  // what the last graphic control extension said of the next frame
    for (;;) {
        const std::size_t start = read.At();
        const std::uint8_t introducer = read.Byte();
        if (introducer == 0x3B) break;  // trailer
        if (introducer == 0x21) {
            const std::uint8_t label = read.Byte();
            if (label == 0xF9) {
                const std::uint8_t size = read.Byte();
                if (size < 4) throw Gif_Error("The GIF file has a short graphic control block");
                const std::uint8_t control = read.Byte();
                next.Disposal = static_cast<Gif_Disposal>(std::min((control >> 2) & 7, 3));
                next.Delay = read.Word();
                read.Skip(size - 3u);
                read.Skip_Sub_Blocks();
                next.Control = read.Since(start);
            } else {
                read.Skip_Sub_Blocks();
            }
        } else if (introducer == 0x2C) {
            Gif_Frame frame = next;
            frame.Left = read.Word();
            frame.Top = read.Word();
            frame.Width = read.Word();
            frame.Height = read.Word();
            read.Skip(Colour_Table_Size(read.Byte()) + 1);  // local colour table, LZW code size
            read.Skip_Sub_Blocks();
            frame.Image = read.Since(start);
            file.Frames.push_back(frame);
            next = Gif_Frame();
        } else {
            throw Gif_Error("The GIF file has an unknown block");
        }
    }
    if (file.Frames.empty()) throw Gif_Error("The GIF file has no picture");
    return file;
}

std::string Single_Frame_Gif(const Gif_File& file, std::size_t index)
{
    const Gif_Frame& frame = file.Frames.at(index);
    std::string gif = "GIF89a";
    Put_Word(gif, frame.Width);
    Put_Word(gif, frame.Height);
    gif.append(file.Screen.substr(4));
    gif.append(frame.Control);
    gif += frame.Image[0];
    Put_Word(gif, 0);
    Put_Word(gif, 0);
    gif.append(frame.Image.substr(5));
    gif += '\x3B';
    return gif;
}

Gif_Canvas::Gif_Canvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0)
{
}

void Gif_Canvas::Clear()
{
    std::fill(pixels_.begin(), pixels_.end(), 0);
    last_.reset();
}

Gif_Canvas::Area Gif_Canvas::Clipped(const Gif_Frame& frame) const
{
    return {std::min(frame.Left, width_), std::min(frame.Top, height_), std::min(frame.Left + frame.Width, width_),
            std::min(frame.Top + frame.Height, height_)};
}

void Gif_Canvas::Draw(const Gif_Frame& frame, const std::vector<std::uint32_t>& pixels)
{
    if (pixels.size() < static_cast<std::size_t>(frame.Width) * static_cast<std::size_t>(frame.Height))
        throw Gif_Error("A GIF frame has fewer pixels than its size");
    const auto at = [this](int x, int y) { return static_cast<std::size_t>(y) * width_ + x; };
    if (last_ && last_->Disposal == Gif_Disposal::Background) {
        // Cleared to transparent, which shows whatever lies behind the picture.
        const Area area = Clipped(*last_);
        for (int y = area.Top; y < area.Bottom; ++y)
            std::fill(pixels_.begin() + at(area.Left, y), pixels_.begin() + at(area.Right, y), 0);
    }
    if (last_ && last_->Disposal == Gif_Disposal::Previous) pixels_ = before_last_;
    if (frame.Disposal == Gif_Disposal::Previous) before_last_ = pixels_;
    last_ = frame;

    const Area area = Clipped(frame);
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            const std::uint32_t pixel =
                pixels[static_cast<std::size_t>(y - frame.Top) * static_cast<std::size_t>(frame.Width) + (x - frame.Left)];
            if (pixel >> 24) pixels_[at(x, y)] = pixel;
        }
    }
}

}  // namespace halvorn
