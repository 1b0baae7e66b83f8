#include <windows.h>

#include <array>
#include <random>

#include "platform/Seams.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Scaling = Program_Test;

TEST_F(Scaling, ControlsFollowTheClientAreaFromTheBaseline)
{
    Start();
    // A control sent to the back keeps its own baseline.
    Main().Components().Send_To_Back(Main().Table().Element_Box(2));
    // Box 2 sits in period 1, column 18; fonts follow the height alone.
    const struct {
        SIZE Client;
        int Box;
        std::array<int, 5> Bounds_And_Points;
    } cases[] = {{{1382, 485}, 2, {1266, 36, 70, 40, 12}},
                 {{1382, 970}, 2, {1266, 72, 70, 80, 24}},
                 {{691, 242}, 1, {4, 17, 35, 19, 5}}};
    for (const auto& c : cases) {
        Set_Client_Size(c.Client.cx, c.Client.cy);
        const Component& box = Main().Table().Element_Box(c.Box);
        EXPECT_EQ((std::array<int, 5>{box.Left, box.Top, box.Width, box.Height, box.Font.Points}), c.Bounds_And_Points)
            << c.Client.cx << " x " << c.Client.cy;
    }
    // Real windows follow too.
    RECT button;
    GetWindowRect(Main().Component_Named("Exit_BitBtn").Window, &button);
    EXPECT_EQ(button.right - button.left, 100);
    EXPECT_EQ(button.bottom - button.top, static_cast<int>(32 * 242.0 / 485));
}

// A minimised window's client of zero among them.
TEST_F(Scaling, ManyResizesAndAMinimiseThenTheDesignSizeRestoreEverythingExactly)
{
    Start();
    Set_Client_Size(691, 485);
    const auto design = Layout_Of(Main().Components());
    std::mt19937 random(2002);
    for (int i = 0; i < 25; ++i) {
        Set_Client_Size(std::uniform_int_distribution<int>(200, 1600)(random),
                        std::uniform_int_distribution<int>(150, 1000)(random));
        if (i == 12) ShowWindow(Main().Handle(), SW_MINIMIZE), Process_Messages();
        if (i == 12) ShowWindow(Main().Handle(), SW_RESTORE), Process_Messages();
    }
    Set_Client_Size(691, 485);
    Expect_Layout(Main().Components(), design);
}

}  // namespace
}  // namespace halvorn::test
