#include <gtest/gtest.h>

#include <tuple>

#include "export/Snapshot_Geometry.h"

namespace halvorn {
namespace {

TEST(Snapshot_Geometry, PictureIsThePageAboveTheButtonsReadFromTheUnshiftedPlace)
{
    const struct {
        const char* Name;
        Snapshot_Measures Measures;
        int Width, Height;
        Snapshot_Rect Source, Destination;
    } cases[] = {
        // Design size: the page control 681 wide, the page 4 in and 26 down, Exit at 416.
        {"design", {681, 4, 26, 416}, 681, 390, {4, 26, 681, 442}, {0, 0, 681, 390}},
        // The window at 1382 x 970: every measure doubled but the page's offsets, which
        // follow the tab row.
        {"1382 x 970", {1362, 4, 46, 832}, 1362, 786, {4, 46, 1362, 878}, {0, 0, 1362, 786}},
    };
    for (const auto& c : cases) {
        const Snapshot_Geometry got = Snapshot_Geometry_For(c.Measures);
        EXPECT_EQ(std::tie(got.Width, got.Height, got.Source, got.Destination),
                  std::tie(c.Width, c.Height, c.Source, c.Destination)) << c.Name;
    }
}

}  // namespace
}  // namespace halvorn
