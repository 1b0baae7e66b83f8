// The frame table of a GIF file, and the composition of its frames into whole pictures.
//
// A decoder that only decodes one picture at a time (as GDI+ reliably does everywhere)
// is given each frame as a GIF of its own; the timing, placement and disposal of the
// frames are read here, and each whole picture is composed here from the frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvorn {

class Gif_Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What happens to a frame's area before the next frame is drawn.
enum class Gif_Disposal : std::uint8_t { Unspecified, None, Background, Previous };

struct Gif_Frame {
    int Left = 0, Top = 0, Width = 0, Height = 0;  // on the logical screen
    int Delay = 0;                                  // hundredths of a second
    Gif_Disposal Disposal = Gif_Disposal::Unspecified;
    std::string_view Control;  // the graphic control extension, empty when there is none
    std::string_view Image;    // image descriptor, local colour table and image data
};

struct Gif_File {
    int Width = 0, Height = 0;  // the logical screen
    std::string_view Screen;    // logical screen descriptor and global colour table
    std::vector<Gif_Frame> Frames;
};

// Reads the blocks of a GIF file; the views point into bytes. Throws Gif_Error when the
// file is not a GIF, is cut short or has no frame.
Gif_File Read_Gif_Frames(std::string_view bytes);

// A GIF of one frame alone, placed at the corner of a screen of its own size.
std::string Single_Frame_Gif(const Gif_File& file, std::size_t frame);

// The whole picture as the frames are drawn one after the other. Pixels are 0xAARRGGBB;
// an alpha of zero is transparent.
class Gif_Canvas {
public:
    Gif_Canvas(int width, int height);

    // Undoes the last frame drawn as its disposal asks, then draws frame over what is
    // left. pixels holds frame.Width x frame.Height, row by row; transparent pixels leave
    // the canvas as it is.
    void Draw(const Gif_Frame& frame, const std::vector<std::uint32_t>& pixels);
    // Back to an empty, transparent canvas.
    void Clear();

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

private:
    struct Area {
        int Left, Top, Right, Bottom;
    };
    Area Clipped(const Gif_Frame& frame) const;

    int width_, height_;
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint32_t> before_last_;  // the canvas before the last frame, when its disposal needs it
    std::optional<Gif_Frame> last_;
};

}  // namespace halvorn
