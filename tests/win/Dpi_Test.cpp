// The windows laid out for the DPI the tests run at (96 normally; 120 and 144 in prefixes of
// their own, named by HALVORN_TEST_DPI), and for another DPI after a move to its monitor.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <array>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Seams.h"
#include "report/Report_Window.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

struct Box {
    int Left, Top, Width, Height;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& box, std::ostream* out)
{
    *out << box.Left << "," << box.Top << " " << box.Width << "x" << box.Height;
}

// The design measures at each DPI, worked out by hand: design x DPI / 96, truncated.
struct At_Dpi {
    int Dpi;
    int Client_Width, Client_Height;  // 2 x 5 + 681 by 2 x 2 + 481 at design: the page control's
    Box Element_Box_2;                // 633, 36, 35 x 40
    Box Exit_Button;                  // 566, 416, 100 x 32, on the table page
    int Button_Font_Height;           // 11 points
    int Glyph;                        // 16 pixels, or the largest drawing not above it
    Box Default_Window;               // 20, 20, 681 x 481
    int Report_Client_Width, Report_Client_Height;  // 546 x 446
    Box Report_OK;                    // 388, 415, 124 x 28
    Box Report_Text;                  // 4, 7, 537 x 404
};

constexpr std::array<At_Dpi, 3> Layouts{{
    {96, 691, 485, {633, 36, 35, 40}, {566, 416, 100, 32}, 15, 16, {20, 20, 681, 481}, 546, 446,
     {388, 415, 124, 28}, {4, 7, 537, 404}},
    {120, 863, 605, {791, 45, 43, 50}, {707, 520, 125, 40}, 18, 20, {25, 25, 851, 601}, 682, 557,
     {485, 518, 155, 35}, {5, 8, 671, 505}},
    {144, 1035, 727, {949, 54, 52, 60}, {849, 624, 150, 48}, 22, 24, {30, 30, 1021, 721}, 819, 669,
     {582, 622, 186, 42}, {6, 10, 805, 606}},
}};

int Running_Dpi()
{
    const char* dpi = std::getenv("HALVORN_TEST_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

const At_Dpi& Layout_At(int dpi)
{
    for (const At_Dpi& layout : Layouts)
        if (layout.Dpi == dpi) return layout;
    ADD_FAILURE() << "no layout worked out for " << dpi << " dpi";
    return Layouts[0];
}

Box Bounds(const Component& component) { return {component.Left, component.Top, component.Width, component.Height}; }

// Every component's bounds and font size, in component order.
std::vector<std::tuple<int, int, int, int, int>> Layout_Of(const Component_List& components)
{
    std::vector<std::tuple<int, int, int, int, int>> layout;
    for (std::size_t i = 0; i < components.Count(); ++i) {
        const Component& c = components.At(i);
        layout.emplace_back(c.Left, c.Top, c.Width, c.Height, c.Font.Points);
    }
    return layout;
}

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

// What Windows sends when the window has moved to a monitor of dpi: the window grown or
// shrunk in proportion.
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
    // The main window at its design client size for the DPI.
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
        EXPECT_EQ(Bounds(Main().Table().Exit_BitBtn()), at.Exit_Button);
        EXPECT_EQ(Window_Bounds(exit), at.Exit_Button);
        EXPECT_EQ(Font_Height(exit), at.Button_Font_Height);
        EXPECT_EQ(Glyph_Side(exit), at.Glyph);
    }

    void Expect_Report_Layout(const At_Dpi& at)
    {
        SCOPED_TRACE(testing::Message() << at.Dpi << " dpi");
        TElement_Report_Form& report = Program().Element_Report_Form;
        const Component& form = *report.Components().Find("Form");
        EXPECT_EQ(form.Width, at.Report_Client_Width);
        EXPECT_EQ(form.Height, at.Report_Client_Height);
        // Wine draws every frame at the system's DPI, so only there does the frame around
        // the client area have the size the window asks for.
        if (at.Dpi == Running_Dpi()) {
            RECT client;
            GetClientRect(report.Handle(), &client);
            EXPECT_EQ(client.right, at.Report_Client_Width);
            EXPECT_EQ(client.bottom, at.Report_Client_Height);
        }
        const HWND ok = report.Components().Find("OK_BitBtn")->Window;
        EXPECT_EQ(Window_Bounds(ok), at.Report_OK);
        EXPECT_EQ(Font_Height(ok), at.Button_Font_Height);
        EXPECT_EQ(Glyph_Side(ok), at.Glyph);
        EXPECT_EQ(Window_Bounds(report.Element_Report_RichEdit()), at.Report_Text);
        // The text follows the window's DPI, not the system's that the control goes by.
        WPARAM numerator = 0;
        LPARAM denominator = 0;
        SendMessageW(report.Element_Report_RichEdit(), EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator),
                     reinterpret_cast<LPARAM>(&denominator));
        const int system = static_cast<int>(GetDpiForSystem());
        if (at.Dpi == system) EXPECT_EQ(numerator, denominator);
        else EXPECT_EQ(std::make_tuple(numerator, denominator), std::make_tuple(WPARAM(at.Dpi), LPARAM(system)));
    }
};

TEST_F(Dpi, MainWindowStandsAtItsDesignTimesTheDpi)
{
    ASSERT_EQ(static_cast<int>(GetDpiForWindow(Main().Handle())), Running_Dpi()) << "the prefix's LogPixels";
    Start();
    Expect_Main_Layout(Layout_At(Running_Dpi()));
}

TEST_F(Dpi, FirstStartPlacesTheWindowForTheDpiAndTheFileKeepsItsScreenPixels)
{
    const At_Dpi& at = Layout_At(Running_Dpi());
    Start();
    const Box& place = at.Default_Window;
    Expect_Outer_Bounds(place.Left, place.Top, place.Width, place.Height);
    Close();
    const std::string written = Read_Ini();
    for (const std::string& line : {"window_Width=" + std::to_string(place.Width) + "\r\n",
                                    "window_Height=" + std::to_string(place.Height) + "\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << written;
}

TEST_F(Dpi, SavedPlaceIsTakenInScreenPixelsAtAnyDpi)
{
    Write_Ini("[Halvorn]\r\nwindow_top_posn=40\r\nwindow_left_posn=50\r\nwindow_Width=900\r\nwindow_Height=600\r\n");
    Start();
    Expect_Outer_Bounds(50, 40, 900, 600);
}

TEST_F(Dpi, MoveToAnotherDpiLaysTheMainWindowOutFromItsDesignThere)
{
    const At_Dpi& home = Layout_At(Running_Dpi());
    Start();
    Set_Client_Size(home.Client_Width, home.Client_Height);
    const auto before = Layout_Of(Main().Components());
    for (const At_Dpi& there : Layouts) {
        if (there.Dpi == home.Dpi) continue;
        Move_To_Dpi(Main().Handle(), Main().Dpi(), there.Dpi);
        // From the size suggested back to the design client size: scaled from the new baseline.
        Expect_Main_Layout(there);
    }
    Move_To_Dpi(Main().Handle(), Main().Dpi(), home.Dpi);
    Expect_Main_Layout(home);
    EXPECT_EQ(Layout_Of(Main().Components()), before) << "nothing drifts on the way";
}

TEST_F(Dpi, ReportWindowStandsAtItsDesignTimesItsDpiAndFollowsAMove)
{
    const At_Dpi& home = Layout_At(Running_Dpi());
    Start();
    TElement_Report_Form& report = Program().Element_Report_Form;
    Show_Element_Report(report, 26);
    Expect_Report_Layout(home);
    for (const At_Dpi& there : Layouts) {
        if (there.Dpi == home.Dpi) continue;
        Move_To_Dpi(report.Handle(), report.Dpi(), there.Dpi);
        Expect_Report_Layout(there);
    }
    Move_To_Dpi(report.Handle(), report.Dpi(), home.Dpi);
    Expect_Report_Layout(home);
}

}  // namespace
}  // namespace halvorn::test
