#include <windows.h>

#include <array>
#include <random>

#include "platform/Seams.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Scaling = Program_Test;

// Every component's bounds and font size, in component order.
std::vector<std::array<int, 5>> Take(Component_List& components)
{
    std::vector<std::array<int, 5>> all;
    for (std::size_t i = 0; i < components.Count(); ++i) {
        const Component& c = components.At(i);
        all.push_back({c.Left, c.Top, c.Width, c.Height, c.Font.Points});
    }
    return all;
}

void Expect_Same(Component_List& components, const std::vector<std::array<int, 5>>& before)
{
    const auto after = Take(components);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << components.At(i).Name;
}

TEST_F(Scaling, ControlsFollowTheClientAreaFromTheBaseline)
{
    Start();
    const Component& box2 = Main().Table().Element_Box(2);  // period 1, column 18
    const Component& box1 = Main().Table().Element_Box(1);

    Set_Client_Size(1382, 485);
    EXPECT_EQ(box2.Left, 1266);
    EXPECT_EQ(box2.Width, 70);
    EXPECT_EQ(box2.Top, 36);
    EXPECT_EQ(box2.Height, 40);
    EXPECT_EQ(box2.Font.Points, 12);

    Set_Client_Size(1382, 970);
    EXPECT_EQ(box2.Width, 70);
    EXPECT_EQ(box2.Height, 80);
    EXPECT_EQ(box2.Font.Points, 24);
    EXPECT_EQ(Main().Component_Named("GroupBox1000").Width, 690);

    Set_Client_Size(691, 242);
    EXPECT_EQ(box1.Top, 17);
    EXPECT_EQ(box1.Height, 19);
    EXPECT_EQ(box1.Font.Points, 5);
    EXPECT_EQ(box1.Left, 4);
    EXPECT_EQ(box1.Width, 35);

    // Real windows follow too.
    RECT button;
    GetWindowRect(Main().Component_Named("Exit_BitBtn").Window, &button);
    EXPECT_EQ(button.right - button.left, 100);
    EXPECT_EQ(button.bottom - button.top, static_cast<int>(32 * 242.0 / 485));
}

TEST_F(Scaling, ManyResizesThenTheDesignSizeRestoreEverythingExactly)
{
    Start();
    Set_Client_Size(691, 485);
    const auto design = Take(Main().Components());
    std::mt19937 random(2002);
    for (int i = 0; i < 25; ++i)
        Set_Client_Size(std::uniform_int_distribution<int>(200, 1600)(random),
                        std::uniform_int_distribution<int>(150, 1000)(random));
    Set_Client_Size(691, 485);
    Expect_Same(Main().Components(), design);
}

TEST_F(Scaling, MinimisedClientOfZeroAndBackRestoresTheLayout)
{
    Start();
    const auto before = Take(Main().Components());
    ShowWindow(Main().Handle(), SW_MINIMIZE);
    Process_Messages();
    EXPECT_EQ(Main().Table().Element_Box(26).Width, 0);
    EXPECT_EQ(Main().Table().Element_Box(26).Font.Points, 0);
    ShowWindow(Main().Handle(), SW_RESTORE);
    Process_Messages();
    Expect_Same(Main().Components(), before);
}

}  // namespace
}  // namespace halvorn::test
