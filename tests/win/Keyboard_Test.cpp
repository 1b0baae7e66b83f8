// Tab and Shift+Tab move round each window's controls in its tab order; Enter presses the
// focused button.
#include <windows.h>

#include <vector>

#include "platform/Seams.h"
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

TEST_F(Keyboard, EnterPressesTheFocusedButton)
{
    Start();
    Press(Main().Table().Element_Box(26));
    const HWND report = Program().Element_Report_Form.Handle();
    ASSERT_EQ(GetFocus(), Program().Element_Report_Form.Components().Find("OK_BitBtn")->Window)
        << "activation leaves the focus on OK";
    Press_Key(VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(report));

    const HWND glossary = Program().Glossary_of_Terms_Form.Handle();
    SetFocus(Main().Component_Named("Glossary_of_Terms_BitBtn").Window);
    Press_Key(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(glossary));

    // With the focus on no button, Enter presses none.
    SetFocus(Program().Glossary_of_Terms_Form.Glossary_RichEdit());
    Press_Key(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(glossary));
    EXPECT_TRUE(Boxes.empty());
}

}  // namespace
}  // namespace halvorn::test
