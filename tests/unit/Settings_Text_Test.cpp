#include <gtest/gtest.h>

#include <string>

#include "app/Ini_Text.h"
#include "app/Program_Settings.h"

namespace halvorn {
namespace {

// The settings are written into whatever the file already holds: other sections, keys the
// program does not know and comments stay, a key written twice by hand ends up once, and
// the file's own line endings carry on.
TEST(Settings_Text, ValuesAreSetInTheirSectionAndEverythingElseIsKept)
{
    const Ini_Values values{{"window_Width", "700"}, {"Graph_Type_ComboBox", "3"}};
    const struct { const char* Before; const char* After; } cases[] = {
        {"", "[Halvorn]\r\nwindow_Width=700\r\nGraph_Type_ComboBox=3\r\n"},
        {"; mine\r\n[Other]\r\nwindow_Width=1\r\n\r\n[halvorn]\r\nLanguage=fr\r\n WINDOW_WIDTH = 5\r\n"
         "window_width=6\r\n\r\n[Later]\r\nx=1",
         "; mine\r\n[Other]\r\nwindow_Width=1\r\n\r\n[halvorn]\r\nLanguage=fr\r\nwindow_Width=700\r\n"
         "Graph_Type_ComboBox=3\r\n\r\n[Later]\r\nx=1"},
        {"[Halvorn]\nGraph_Type_ComboBox=9\nLanguage=fr",
         "[Halvorn]\nGraph_Type_ComboBox=3\nLanguage=fr\nwindow_Width=700\n"},
        {"[Other]\r\nx=1", "[Other]\r\nx=1\r\n[Halvorn]\r\nwindow_Width=700\r\nGraph_Type_ComboBox=3\r\n"},
    };
    for (const auto& c : cases) {
        const std::string after = Set_Ini_Values(c.Before, "Halvorn", values);
        EXPECT_EQ(after, c.After) << c.Before;
        EXPECT_EQ(Set_Ini_Values(after, "Halvorn", values), after) << "setting the same values again changes nothing";
    }
}

TEST(Settings_Text, AGraphThePageDoesNotHaveTakesTheDefault)
{
    const Setting_Key& graph = Setting_Keys[7];
    ASSERT_EQ(graph.Name, "Graph_Type_ComboBox");
    EXPECT_EQ(Parse_Setting_Value(graph, "15"), 15);
    for (const char* text : {"-1", "16", "2147483647"}) EXPECT_EQ(Parse_Setting_Value(graph, text), 0) << text;
}

}  // namespace
}  // namespace halvorn
