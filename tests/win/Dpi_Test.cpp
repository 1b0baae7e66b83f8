// The windows laid out for the DPI the tests run at (96 normally; 120 and 144 in prefixes of
// their own, named by HALVORN_TEST_DPI), for another DPI after a move to its monitor, and
// for the client area's size.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <array>
#include <cstdlib>
#include <string>

#include "platform/Seams.h"
#include "report/Report_Window.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Box = std::array<int, 4>;  // left, top, width, height

// The design measures at each DPI, worked out by hand: design x DPI / 96, truncated.
struct At_Dpi {
    int Dpi;
    int Client_Width, Client_Height;  // the page control with its margins: 691 x 485
    Box Element_Box_2;                // 633, 36, 35 x 40
    Box Exit_Button;                  // 566, 416, 100 x 32, on the table page
    int Button_Font_Height;           // 11 points
    int Glyph;                        // 16, or the largest drawing not above 16 x DPI / 96
    Box Default_Window;               // 20, 20, 681 x 481
    Box Report_Client;                // 546 x 446
    Box Report_Text;                  // 4, 7, 537 x 404
};

constexpr std::array<At_Dpi, 3> Layouts{{
    {96, 691, 485, {633, 36, 35, 40}, {566, 416, 100, 32}, 15, 16, {20, 20, 681, 481}, {0, 0, 546, 446},
     {4, 7, 537, 404}},
    {120, 863, 605, {791, 45, 43, 50}, {707, 520, 125, 40}, 18, 20, {25, 25, 851, 601}, {0, 0, 682, 557},
     {5, 8, 671, 505}},
    {144, 1035, 727, {949, 54, 52, 60}, {849, 624, 150, 48}, 22, 24, {30, 30, 1021, 721}, {0, 0, 819, 669},
     {6, 10, 805, 606}},
}};

int Running_Dpi()
{
    const char* dpi = std::getenv("HALVORN_TEST_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

// The layout at the DPI the tests run at.
const At_Dpi& Home()
{
    for (const At_Dpi& layout : Layouts)
        if (layout.Dpi == Running_Dpi()) return layout;
    ADD_FAILURE() << "no layout worked out for " << Running_Dpi() << " dpi";
    return Layouts[0];
}

Box Bounds(const Component& c) { return {c.Left, c.Top, c.Width, c.Height}; }

// A child window's bounds in its parent's client area.
Box Window_Bounds(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

int Font_Height(HWND window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return -font.lfHeight;
}

int Glyph_Side(HWND button)
{
    BUTTON_IMAGELIST list{};
    SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
    int width = 0, height = 0;
    if (list.himl) ImageList_GetIconSize(list.himl, &width, &height);
    return width;
}

// What Windows sends when the window has moved to a monitor of another DPI: the window
// grown or shrunk in proportion.
void Move_To_Dpi(HWND window, int from, int to)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    RECT suggested{bounds.left, bounds.top, bounds.left + (bounds.right - bounds.left) * to / from,
                   bounds.top + (bounds.bottom - bounds.top) * to / from};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    Process_Messages();
}

class Dpi : public Program_Test {
protected:
    // The main window at the design client size for the DPI.
    void Expect_Main_Layout(const At_Dpi& at)
    {
        SCOPED_TRACE(testing::Message() << at.Dpi << " dpi");
        EXPECT_EQ(Main().Dpi(), at.Dpi);
        EXPECT_EQ(Main().Scaler().Design_Client_Width(), at.Client_Width);
        EXPECT_EQ(Main().Scaler().Design_Client_Height(), at.Client_Height);
        Set_Client_Size(at.Client_Width, at.Client_Height);
        EXPECT_EQ(Bounds(Main().Table().Element_Box(2)), at.Element_Box_2);
        EXPECT_EQ(Main().Table().Element_Box(2).Font.Points, 12);
        const HWND exit = Main().Table().Exit_BitBtn().Window;
        EXPECT_EQ(Window_Bounds(exit), at.Exit_Button);
        EXPECT_EQ(Font_Height(exit), at.Button_Font_Height);
        EXPECT_EQ(Glyph_Side(exit), at.Glyph);
    }

    void Expect_Report_Layout(const At_Dpi& at)
    {
        SCOPED_TRACE(testing::Message() << at.Dpi << " dpi");
        TElement_Report_Form& report = Program().Element_Report_Form;
        EXPECT_EQ(Bounds(*report.Components().Find("Form")), at.Report_Client);
        // Wine draws every frame at the system's DPI: only there does the frame take the
        // size the window asks for.
        RECT client;
        GetClientRect(report.Handle(), &client);
        if (at.Dpi == Running_Dpi()) {
            EXPECT_EQ((Box{0, 0, client.right, client.bottom}), at.Report_Client);
        }
        EXPECT_EQ(Window_Bounds(report.Element_Report_RichEdit()), at.Report_Text);
        // The text follows the window's DPI, not the system's that the control goes by.
        WPARAM numerator = 0;
        LPARAM denominator = 0;
        SendMessageW(report.Element_Report_RichEdit(), EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                     reinterpret_cast<LPARAM>(&denominator));
        const auto system = static_cast<int>(GetDpiForSystem());
        const std::array<int, 2> zoom{static_cast<int>(numerator), static_cast<int>(denominator)};
        if (at.Dpi == system) {
            EXPECT_EQ(zoom[0], zoom[1]) << "no zoom";
        } else {
            EXPECT_EQ(zoom, (std::array<int, 2>{at.Dpi, system}));
        }
    }
};

TEST_F(Dpi, PlacesAreInScreenPixelsTheFirstForTheDpiASavedOneAsItStands)
{
    const Box& place = Home().Default_Window;
    Start();
    Expect_Outer_Bounds(place[0], place[1], place[2], place[3]);
    Close();
    const std::string size =
        "window_Width=" + std::to_string(place[2]) + "\r\nwindow_Height=" + std::to_string(place[3]) + "\r\n";
    EXPECT_NE(Read_Ini().find(size), std::string::npos) << Read_Ini();

    // A saved place is taken as it stands, in screen pixels.
    TearDown();
    SetUp();
    Write_Ini("[Halvorn]\r\nwindow_top_posn=40\r\nwindow_left_posn=50\r\nwindow_Width=900\r\nwindow_Height=600\r\n");
    Start();
    Expect_Outer_Bounds(50, 40, 900, 600);
}

TEST_F(Dpi, WindowsStandAtTheirDesignTimesTheDpiAndAreLaidOutAgainAfterAMoveToAnother)
{
    ASSERT_EQ(static_cast<int>(GetDpiForWindow(Main().Handle())), Running_Dpi()) << "the prefix's LogPixels";
    const At_Dpi& home = Home();
    Start();
    Expect_Main_Layout(home);
    TElement_Report_Form& report = Program().Element_Report_Form;
    Show_Element_Report(report, 26);
    Expect_Report_Layout(home);
    const Component_Layout before = Layout_Of(Main().Components());

    for (const At_Dpi& there : Layouts) {
        if (there.Dpi == home.Dpi) continue;
        // From the size suggested back to the design client size: scaled from the new baseline.
        Move_To_Dpi(Main().Handle(), Main().Dpi(), there.Dpi);
        Expect_Main_Layout(there);
        Move_To_Dpi(report.Handle(), report.Dpi(), there.Dpi);
        Expect_Report_Layout(there);
    }
    Move_To_Dpi(Main().Handle(), Main().Dpi(), home.Dpi);
    Expect_Main_Layout(home);
    Expect_Layout(Main().Components(), before);
    Move_To_Dpi(report.Handle(), report.Dpi(), home.Dpi);
    Expect_Report_Layout(home);
}

using Scaling = Program_Test;

TEST_F(Scaling, ControlsFollowTheClientAreaFromTheBaseline)
{
    Start();
    // A control sent to the back keeps its own baseline.
    Main().Components().Send_To_Back(Main().Table().Element_Box(2));
    // Box 2 sits in period 1, column 18; fonts follow the height alone.
    const struct { SIZE Client; int Box; std::array<int, 5> Bounds_And_Points; } cases[] = {
        {{1382, 485}, 2, {1266, 36, 70, 40, 12}}, {{1382, 970}, 2, {1266, 72, 70, 80, 24}}, {{691, 242}, 1, {4, 17, 35, 19, 5}}};
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

}  // namespace
}  // namespace halvorn::test
