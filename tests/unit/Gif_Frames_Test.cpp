#include <gtest/gtest.h>

#include <tuple>

#include "winint/Gif_Frames.h"

namespace halvorn {
namespace {

using namespace std::string_literals;

// A 4 x 3 GIF of three frames, with the blocks a reader must step over. The image data
// is not real LZW: the frame table never decodes it.
const std::string Screen = "\x04\x00\x03\x00\x80\x00\x00" "abcdef"s;
const std::string Loop = "\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01\x00\x00\x00"s;
const std::string Comment = "\x21\xFE\x03" "abc" "\x00"s;
const std::string Control_1 = "\x21\xF9\x04\x05\x05\x00\x00\x00"s;  // none, transparent, 5/100 s
const std::string Image_1 = "\x2C\x00\x00\x00\x00\x04\x00\x03\x00\x00\x02\x02xy\x00"s;
const std::string Control_2 = "\x21\xF9\x04\x0C\xC8\x00\x00\x00"s;  // previous, 200/100 s
const std::string Table_2 = "0123456789AB";                            // four colours of its own
const std::string Image_2 = "\x2C\x01\x00\x01\x00\x02\x00\x02\x00\x81"s + Table_2 + "\x02\x01z\x00"s;
const std::string Image_3 = "\x2C\x03\x00\x02\x00\x01\x00\x01\x00\x00\x02\x00"s;
const std::string File = "GIF89a" + Screen + Loop + Comment + Control_1 + Image_1 + Control_2 + Image_2 + Comment +
                         Image_3 + "\x3B";

TEST(Gif_Frames, ReadsEachFramesPlaceTimingAndDisposal)
{
    const Gif_File gif = Read_Gif_Frames(File);
    EXPECT_EQ(gif.Width, 4);
    EXPECT_EQ(gif.Height, 3);
    // Frames are {left, top, width, height, delay, disposal, control, image}.
    ASSERT_EQ(gif.Frames.size(), 3u);
    const Gif_Frame expected[] = {{0, 0, 4, 3, 5, Gif_Disposal::None, Control_1, Image_1},
                                  {1, 1, 2, 2, 200, Gif_Disposal::Previous, Control_2, Image_2},
                                  {3, 2, 1, 1, 0, Gif_Disposal::Unspecified, "", Image_3}};
    const auto fields = [](const Gif_Frame& f) {
        return std::tie(f.Left, f.Top, f.Width, f.Height, f.Delay, f.Disposal, f.Control, f.Image);
    };
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(fields(gif.Frames[i]), fields(expected[i])) << i;
}

TEST(Gif_Frames, RefusesWhatIsNotAWholeGif)
{
    for (std::size_t length = 0; length < File.size(); ++length)
        EXPECT_THROW(Read_Gif_Frames(std::string_view(File).substr(0, length)), Gif_Error) << "first " << length;
    EXPECT_THROW(Read_Gif_Frames("GIF89a" + Screen + "\x3B"), Gif_Error);            // no picture
    EXPECT_THROW(Read_Gif_Frames("GIF89a" + Screen + "\x99\x3B"), Gif_Error);        // unknown block
    EXPECT_THROW(Read_Gif_Frames("PNG89a" + Screen + Image_1 + "\x3B"), Gif_Error);  // not a GIF
    EXPECT_THROW(Read_Gif_Frames("GIF89a" + Screen + "\x21\xF9\x02\x00\x00\x00" + Image_1 + "\x3B"), Gif_Error);
    EXPECT_NO_THROW(Read_Gif_Frames("GIF87a" + Screen + Image_1 + "\x3B"));
}

Gif_Frame Frame_At(int left, int top, int width, int height, Gif_Disposal disposal)
{
    return {left, top, width, height, 0, disposal, {}, {}};
}

TEST(Gif_Canvas, TheNextFrameFindsTheLastOneDisposedOf)
{
    constexpr std::uint32_t A = 0xFF0000AA, B = 0xFF0000BB, Clear = 0, Transparent = 0x00123456;
    const struct {
        Gif_Disposal Disposal;
        std::uint32_t Left_Where_B_Was;
    } cases[] = {{Gif_Disposal::Unspecified, B}, {Gif_Disposal::None, B}, {Gif_Disposal::Background, Clear},
                 {Gif_Disposal::Previous, A}};
    for (const auto& c : cases) {
        Gif_Canvas canvas(4, 3);
        canvas.Draw(Frame_At(0, 0, 4, 3, Gif_Disposal::None), std::vector<std::uint32_t>(12, A));
        canvas.Draw(Frame_At(1, 1, 2, 2, c.Disposal), {B, Transparent, B, B});
        EXPECT_EQ(canvas.Pixels()[1 * 4 + 1], B);
        EXPECT_EQ(canvas.Pixels()[1 * 4 + 2], A) << "a transparent pixel leaves what was there";
        // A frame that draws nothing shows what the disposal left.
        canvas.Draw(Frame_At(0, 0, 1, 1, Gif_Disposal::None), {Transparent});
        std::vector<std::uint32_t> expected(12, A);
        expected[1 * 4 + 1] = expected[2 * 4 + 1] = expected[2 * 4 + 2] = c.Left_Where_B_Was;
        if (c.Disposal == Gif_Disposal::Background) expected[1 * 4 + 2] = Clear;
        EXPECT_EQ(canvas.Pixels(), expected) << static_cast<int>(c.Disposal);
    }
}

TEST(Gif_Canvas, FramesAreCutAtTheEdgeAndMustBeWhole)
{
    Gif_Canvas canvas(3, 2);
    canvas.Draw(Frame_At(2, 1, 3, 3, Gif_Disposal::Background), std::vector<std::uint32_t>(9, 0xFF000001));
    EXPECT_EQ(canvas.Pixels(), (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 0xFF000001}));
    canvas.Draw(Frame_At(5, 5, 1, 1, Gif_Disposal::None), {0xFF000002});  // wholly outside
    EXPECT_EQ(canvas.Pixels(), std::vector<std::uint32_t>(6, 0));
    EXPECT_THROW(canvas.Draw(Frame_At(0, 0, 2, 2, Gif_Disposal::None), {1, 2, 3}), Gif_Error);
}

}  // namespace
}  // namespace halvorn
