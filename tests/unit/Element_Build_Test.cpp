#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/Element_Record.h"
#include "elements/Text_Helpers.h"

namespace halvorn {
namespace {

struct Row_Recorder final : Element_Row_Sink {
    std::vector<std::int32_t> Rows;
    void Row_Built(std::int32_t row, const Element_Record&) override { Rows.push_back(row); }
};

std::string Header() { return std::string(Text_Line(Element_Database_Text(), 0)) + "\n"; }

// A row of 28 fields with the trailing TAB; fields given replace the defaults by column.
std::string Row(int number, std::vector<std::pair<int, std::string>> fields = {})
{
    std::vector<std::string> columns(28, "--");
    columns[0] = "Name" + std::to_string(number);
    columns[1] = "S" + std::to_string(number);
    columns[2] = std::to_string(number);
    columns[3] = "1.5";
    for (int c : {18, 20, 23, 24, 25}) columns[static_cast<std::size_t>(c - 1)] = "1";
    columns[27] = "Facts";
    for (auto& [column, value] : fields) columns[static_cast<std::size_t>(column - 1)] = value;
    std::string line;
    for (const std::string& column : columns) line += column + '\t';
    return line + '\n';
}

class Element_Build : public ::testing::Test {
protected:
    Element_Array elements;
    std::int32_t count = 0;
    Row_Recorder recorder;
};

TEST_F(Element_Build, ConvertsTheStoredFormsOfEachColumn)
{
    const std::string text = Header() +
        Row(1, {{9, "4x10e-4"}, {14, "1E-15"}, {22, "+/-1, 3,5,7"}, {27, "-235"}, {26, "Cronstedt"}}) +
        Row(2, {{22, "4,2"}, {19, "--"}, {28, "It has -- dashes"}}) + Row(3, {{22, "-2"}});
    Build_Element_Array(text, elements, count, &recorder);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(elements[1].Density, 4e-4);  // the "x10" is dropped, not multiplied in
    EXPECT_EQ(elements[1].Electrical_Conductivity, 1e-15);
    EXPECT_EQ(elements[1].Oxidation_States, "+/-1, 3, 5, 7");
    EXPECT_EQ(elements[1].Discovered_Date, -235);
    EXPECT_EQ(elements[1].Discovered_By, "Cronstedt");
    EXPECT_EQ(elements[1].Atomic_Radius, Missing_Double);
    EXPECT_EQ(elements[2].Oxidation_States, "4, 2");
    EXPECT_EQ(elements[2].Crystal_Structure, Missing_Value);
    EXPECT_EQ(elements[2].Interesting_Details, "It has -123456789 dashes");  // the whole line is replaced
    EXPECT_EQ(elements[3].Oxidation_States, "-2");
    EXPECT_EQ(elements[2].Electron_Configuration, Missing_Text);
}

TEST_F(Element_Build, FillsTheRowsThereAreUpToTheArraysEnd)
{
    std::string short_text = Header(), long_text = Header();
    for (int n = 1; n <= 120; ++n) {
        std::string row = Row(n);
        if (n <= 100) short_text += row;
        long_text += row.insert(row.size() - 1, "\r");  // Windows line breaks read the same
    }
    Build_Element_Array(long_text, elements, count, &recorder);
    EXPECT_EQ(count, 118);
    EXPECT_EQ(elements[118].Interesting_Details, "Facts");

    Build_Element_Array(short_text, elements, count, &recorder);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(elements[100].Atomic_Number, 100);
    EXPECT_EQ(elements[101].Atomic_Number, Missing_Value);
}

TEST_F(Element_Build, MalformedNumberStopsTheBuildWhereItStands)
{
    const struct { int Column; std::string Text; std::string Message; } cases[] = {
        {4, "1,008", "'1,008' is not a valid floating point value"},
        {7, "", "'' is not a valid floating point value"},
        {3, "12abc", "'12abc' is not a valid integer value"},
        {25, "five", "'five' is not a valid integer value"},
        {27, "1.5", "'1.5' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        const std::string text = Header() + Row(1, {{8, "14"}}) + Row(2, {{c.Column, c.Text}, {2, "Xx"}}) + Row(3);
        count = 0;
        recorder.Rows.clear();
        try {
            Build_Element_Array(text, elements, count, &recorder);
            ADD_FAILURE() << "no error for '" << c.Text << "'";
        } catch (const Conversion_Error& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
        }
        EXPECT_EQ(count, 2) << "the failing row's number";
        EXPECT_EQ(recorder.Rows, std::vector<std::int32_t>{1}) << "only finished rows are reported";
        EXPECT_EQ(elements[1].Melting_Point, 14.0);
        EXPECT_EQ(elements[2].Element_Abbreviation, "Xx") << "columns before the bad one stay filled";
        EXPECT_EQ(elements[3].Atomic_Number, Missing_Value) << "rows after it stay reset";
    }
}

}  // namespace
}  // namespace halvorn
