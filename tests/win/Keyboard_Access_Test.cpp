// The windows without a mouse: Tab round each window's controls; on the table page arrow
// keys, Home and End over the boxes and the colour key, Enter and Space, typing a symbol,
// and what a screen reader is told.
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "platform/Seams.h"
#include "platform/Win_Text.h"
#include "tests/win/Win_Test_Support.h"

namespace halvorn::test {
namespace {

using Keyboard = Program_Test;

// Tab from the first control goes once round them all in this order and back to the first;
// Shift+Tab goes the other way.
void Expect_Tab_Order(const std::vector<HWND>& order)
{
    const std::size_t count = order.size();
    for (const bool shift : {false, true}) {
        SetFocus(order.front());
        std::vector<HWND> seen{GetFocus()}, expected{order.front()};
        for (std::size_t i = 1; i <= count; ++i) {
            Press_Key(VK_TAB, shift);
            seen.push_back(GetFocus());
            expected.push_back(order[(shift ? count - i : i) % count]);
        }
        EXPECT_EQ(seen, expected) << (shift ? "Shift+Tab" : "Tab");
    }
}

TEST_F(Keyboard, TabReachesEveryControlOfEachWindow)
{
    Start();
    const auto main = [this](const char* name) { return Main().Component_Named(name).Window; };
    // The table page takes the focus twice: at its boxes, then at its colour key.
    Expect_Tab_Order({main("PageControl1"), main("TabSheet1"), main("TabSheet1"),
                      main("Copy_Table_To_Windows_Clipboard_BitBtn"),
                      main("Select_Element_by_Abbreviation_BitBtn"), main("Select_Element_by_Name_BitBtn"),
                      main("Glossary_of_Terms_BitBtn"), main("Exit_BitBtn")});

    Press(Main().Table().Element_Box(26));
    TElement_Report_Form& report = Program().Element_Report_Form;
    const auto in_report = [&report](const char* name) { return report.Components().Find(name)->Window; };
    Expect_Tab_Order({report.Element_Report_RichEdit(), in_report("OK_BitBtn"),
                      in_report("Clipboard_Copy_Element_Report_BitBtn"), in_report("BitBtn1")});
}

class Keyboard_Access : public Program_Test {
protected:
    HWND Page() { return Main().Component_Named("TabSheet1").Window; }
    Table_Keyboard& Keys() { return Main().Table().Keyboard(); }
    Component& Box(int number) { return Main().Table().Element_Box(number); }
    // The box the focus is on, 0 for none or a swatch.
    int Focused_Box()
    {
        for (int n = 1; n <= Element_Box_Count; ++n)
            if (Keys().Focused() == &Box(n)) return n;
        return 0;
    }
    // Tabs from the page control into the page, which starts at its boxes.
    void Tab_In()
    {
        SetFocus(Main().Pages().Control().Window);
        Press_Key(VK_TAB);
        ASSERT_EQ(GetFocus(), Page());
    }
};

std::wstring Text_Of(BSTR text)
{
    std::wstring copy = text ? text : L"";
    SysFreeString(text);
    return copy;
}

TEST_F(Keyboard_Access, ArrowsHomeAndEndFollowTheTable)
{
    struct Move { int Width, Height; int From; WPARAM Key; int To; };  // client size 0: the design size
    // Across gaps, into and out of the lower rows, staying put with nothing that way, Home and
    // End, and at scaled sizes.
    const Move moves[] = {
        {0, 0, 1, VK_RIGHT, 2},    {0, 0, 2, VK_DOWN, 10},    {0, 0, 4, VK_RIGHT, 5},    {0, 0, 56, VK_RIGHT, 72},
        {0, 0, 72, VK_DOWN, 104},  {0, 0, 104, VK_DOWN, 57},  {0, 0, 57, VK_UP, 104},    {0, 0, 114, VK_DOWN, 67},
        {0, 0, 21, VK_UP, 21},     {0, 0, 89, VK_DOWN, 89},   {0, 0, 26, VK_HOME, 19},   {0, 0, 87, VK_END, 118},
        {1382, 970, 104, VK_DOWN, 57}, {691, 242, 87, VK_UP, 55},
    };
    Start();
    Tab_In();
    for (const Move& move : moves) {
        if (move.Width) Set_Client_Size(move.Width, move.Height);
        Keys().Focus(Box(move.From));
        Press_Key(move.Key);
        EXPECT_EQ(Focused_Box(), move.To) << "from " << move.From << " with key " << move.Key << " at "
                                          << move.Width << " x " << move.Height;
    }
}

TEST_F(Keyboard_Access, TabMovesBetweenTheBoxesAndTheKeyWhoseSwatchesOpenTheColourDialog)
{
    Start();
    Tab_In();
    Press_Key(VK_RIGHT);
    Press_Key(VK_TAB);
    const auto swatch = [this](int index) { return &Main().Table().Swatch(index); };
    EXPECT_EQ(Keys().Focused(), swatch(0)) << "Other Non-Metals first";
    // Swatches 0 to 4 stand in the left column, 5 to 9 in the right.
    const struct { WPARAM Key; int To; } steps[] = {
        {VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 3}, {VK_RIGHT, 8}, {VK_RIGHT, 8}, {VK_LEFT, 3}};
    for (const auto& step : steps) {
        Press_Key(step.Key);
        EXPECT_EQ(Keys().Focused(), swatch(step.To));
    }
    COLORREF offered = 0;
    Set_Colour_Dialog_Hook([&offered](HWND, COLORREF& colour) {
        offered = colour;
        colour = RGB(1, 2, 3);
        return true;
    });
    Press_Key(VK_RETURN);
    EXPECT_EQ(offered, RGB(255, 255, 0)) << "the transition metals' yellow";
    EXPECT_EQ(Box(26).Fill, RGB(1, 2, 3));

    Press_Key(VK_TAB, true);
    EXPECT_EQ(Focused_Box(), 2) << "back where the boxes were left";
    Press_Key(VK_TAB);
    Press_Key(VK_TAB);
    EXPECT_EQ(GetFocus(), Main().Component_Named("Copy_Table_To_Windows_Clipboard_BitBtn").Window);
    Press_Key(VK_TAB, true);
    EXPECT_EQ(GetFocus(), Page());
    EXPECT_EQ(Keys().Focused(), swatch(3)) << "Shift+Tab comes back in at the key";
}

TEST_F(Keyboard_Access, TypingASymbolGoesToItsElementWhereEnterOrSpaceOpensItsReport)
{
    const struct { const char* Typed; int To; } typings[] = {
        {"F", 9}, {"FE", 26}, {"CU", 29}, {"FF", 26}, {"FFF", 87}, {"OG", 118}, {"Q", 1}};
    Start();
    for (const auto& typing : typings) {
        Tab_In();  // from box 1, with nothing typed yet
        Keys().Focus(Box(1));
        // Keys, as letters and digits have them; no Shift, so the letters come as lower case.
        for (const char* key = typing.Typed; *key; ++key) Press_Key(static_cast<WPARAM>(*key));
        EXPECT_EQ(Focused_Box(), typing.To) << typing.Typed;
    }

    // Letters typed after a pause start a new search.
    Type_Ahead typed;
    typed.Add('F', 5000);
    EXPECT_EQ(typed.Add('e', 5900), "Fe");
    EXPECT_EQ(typed.Add('u', 7000), "u");

    // Enter presses as Space does; the colour key's swatches show it.
    const HWND report = Program().Element_Report_Form.Handle();
    Keys().Focus(Box(79));
    Press_Key(VK_SPACE);
    EXPECT_TRUE(IsWindowVisible(report));
    EXPECT_EQ(Window_Text(report), "Gold Properties :");
    EXPECT_TRUE(Boxes.empty());
}

// The table has the focus at start, as the first control of a dialog, and a press on it
// gives it the focus: the first keys typed are never lost.
TEST_F(Keyboard_Access, TheTableHasTheFocusAtStartAndAfterAPressOnIt)
{
    Start();
    EXPECT_EQ(GetFocus(), Page());

    // A press on the table's empty part, left of the lanthanides.
    const HWND exit = Main().Component_Named("Exit_BitBtn").Window;
    SetFocus(exit);
    const RECT lanthanum = Component_List::Host_Rect(Box(57));
    SendMessageW(Page(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(lanthanum.left - 60, lanthanum.top + 5));
    EXPECT_EQ(GetFocus(), Page());
    Press_Key('F');
    Press_Key('E');
    EXPECT_EQ(Focused_Box(), 26);

    // A box pressed is where the keyboard goes on from once the user is back from its report.
    SetFocus(exit);
    Press(Box(79));
    ASSERT_EQ(GetActiveWindow(), Program().Element_Report_Form.Handle());
    SetForegroundWindow(Main().Handle());
    EXPECT_EQ(GetFocus(), Page());
    EXPECT_EQ(Focused_Box(), 79);
}

VARIANT Child(long id)
{
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

TEST_F(Keyboard_Access, ScreenReadersSeeFindAndPressTheBoxesSwatchesAndCaptions)
{
    Start();
    Set_Client_Size(Main().Scaler().Design_Client_Width(), Main().Scaler().Design_Client_Height());
    IAccessible* page = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(Page(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&page)),
              S_OK);
    long count = 0;
    page->get_accChildCount(&count);
    // 118 shown boxes, 16 headings, the key's frame, 10 swatches with their 10 labels and 5 buttons.
    EXPECT_EQ(count, 160);

    const struct { long Id; long Role; const wchar_t *Name, *Action; } children[] = {
        {26, ROLE_SYSTEM_PUSHBUTTON, L"Iron", L"Press"},
        {126, ROLE_SYSTEM_STATICTEXT, L"-------- VIIIa --------", L""},
        {135, ROLE_SYSTEM_GROUPING, L"Element Group Key :    (Click box to change colour)", L""},
        {142, ROLE_SYSTEM_PUSHBUTTON, L"Transition Metals", L"Press"},
    };
    for (const auto& expected : children) {
        BSTR name = nullptr, action = nullptr;
        VARIANT role{};
        EXPECT_EQ(page->get_accName(Child(expected.Id), &name), S_OK);
        EXPECT_EQ(Text_Of(name), expected.Name) << expected.Id;
        page->get_accRole(Child(expected.Id), &role);
        EXPECT_EQ(role.lVal, expected.Role) << expected.Id;
        page->get_accDefaultAction(Child(expected.Id), &action);
        EXPECT_EQ(Text_Of(action), expected.Action) << expected.Id;
        // Where the child stands is where the reader finds it: a swatch, not the frame round it.
        RECT place = Component_List::Host_Rect(*Keys().Accessible().Children()[expected.Id - 1]);
        MapWindowPoints(Page(), nullptr, reinterpret_cast<POINT*>(&place), 2);
        long left = 0, top = 0, width = 0, height = 0;
        VARIANT hit{};
        page->accLocation(&left, &top, &width, &height, Child(expected.Id));
        EXPECT_EQ((std::vector<long>{left, top, width, height}),
                  (std::vector<long>{place.left, place.top, place.right - place.left, place.bottom - place.top}));
        page->accHitTest(place.left + 1, place.top + 1, &hit);
        EXPECT_EQ(hit.lVal, expected.Id);
    }
    BSTR text = nullptr;
    page->get_accDescription(Child(26), &text);
    EXPECT_EQ(Text_Of(text), L"26, Transition Metals");

    // Moves among the children: first and last from the page, next and previous from a child.
    const struct {
        long Direction, From, To;  // To 0: nowhere
    } moves[] = {{NAVDIR_FIRSTCHILD, CHILDID_SELF, 1}, {NAVDIR_NEXT, 26, 27}, {NAVDIR_PREVIOUS, 1, 0},
                 {NAVDIR_PREVIOUS, 27, 26},           {NAVDIR_FIRSTCHILD, 26, 0}, {NAVDIR_NEXT, 160, 0}};
    for (const auto& move : moves) {
        VARIANT to{};
        EXPECT_EQ(page->accNavigate(move.Direction, Child(move.From), &to), move.To ? S_OK : S_FALSE);
        EXPECT_EQ(to.vt == VT_I4 ? to.lVal : 0, move.To) << move.Direction << " from " << move.From;
    }
    VARIANT last{};
    EXPECT_EQ(page->accNavigate(NAVDIR_LASTCHILD, Child(CHILDID_SELF), &last), S_OK);
    EXPECT_EQ(last.vt, VT_DISPATCH) << "the last button, a window of its own";
    if (last.vt == VT_DISPATCH) last.pdispVal->Release();

    // The default action presses later, from the loop, as a click would.
    EXPECT_EQ(page->accDoDefaultAction(Child(126)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(page->accDoDefaultAction(Child(26)), S_OK);
    Process_Messages();
    EXPECT_EQ(Window_Text(Program().Element_Report_Form.Handle()), "Iron Properties :");
    SetForegroundWindow(Main().Handle());

    // Focus by the reader, and the focus events a reader follows.
    static std::vector<LONG> focus_events;
    focus_events.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG id, DWORD, DWORD) {
            if (object == OBJID_CLIENT && id != CHILDID_SELF && window == GetFocus()) focus_events.push_back(id);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    EXPECT_EQ(page->accSelect(SELFLAG_TAKEFOCUS, Child(26)), S_OK);
    EXPECT_EQ(GetFocus(), Page());
    Press_Key(VK_RIGHT);
    UnhookWinEvent(hook);
    EXPECT_EQ(focus_events, (std::vector<LONG>{26, 27}));

    // A reader that holds on to the object past its window is told it is gone.
    TearDown();
    EXPECT_EQ(page->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    page->Release();
    SetUp();
}

}  // namespace
}  // namespace halvorn::test
