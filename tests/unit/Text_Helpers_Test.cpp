#include <gtest/gtest.h>

#include <vector>

#include "elements/Text_Helpers.h"

namespace halvorn {
namespace {

TEST(Replace_Text, ReplacesEveryOccurrenceIncludingAcrossEdges)
{
    EXPECT_EQ(Replace_Text("a--b--", "--", "-123456789"), "a-123456789b-123456789");
    // Removing "ab" from "aabb" leaves a new "ab" across the edge, which goes too.
    EXPECT_EQ(Replace_Text("aabb", "ab", ""), "");
    // A pattern inside its replacement goes through the placeholder, not round for ever.
    EXPECT_EQ(Replace_Text("1,2,3", ",", ", "), "1, 2, 3");
    EXPECT_EQ(Replace_Text("", "x", "y"), "");
    EXPECT_EQ(Replace_Text("abc", "", "y"), "abc");
    // A pattern found in its replacement and made of the characters a placeholder would
    // use still ends.
    EXPECT_EQ(Replace_Text("a\x01" "b", "\x01", "\x01\x01"), "a\x01\x01" "b");
    // "--" inside a longer run of dashes: "---" gives one replacement and a dash left over.
    EXPECT_EQ(Replace_Text("---", "--", "M"), "M-");
}

TEST(Get_Field, CountsFromOneAndStopsAtTheSeparator)
{
    const struct { int N; const char *Separator, *Text, *Field; } cases[] = {
        {1, "\t", "a\tb\tc\t", "a"}, {3, "\t", "a\tb\tc\t", "c"},
        {4, "\t", "a\tb\tc\t", ""},  // the empty field after the trailing TAB
        {2, "\t", "a\t\tc", ""},     {9, "\t", "a\tb", ""},  // past the last separator
        {0, "\t", "a\tb", ""},        {1, "", "a\tb", ""},      {1, "\t", "", ""}, {2, ", ", "x, y, z", "y"}};
    for (const auto& c : cases) EXPECT_EQ(Get_Field(c.N, c.Separator, c.Text), c.Field) << c.N << " of " << c.Text;
}

TEST(Number_Conversion, AcceptsThePlainFormsWhateverTheLocale)
{
    EXPECT_EQ((std::vector<std::int32_t>{Text_To_Integer("-1000"), Text_To_Integer("+7"), Text_To_Integer(" 42 "),
                                         Text_To_Integer("-2147483648")}),
              (std::vector<std::int32_t>{-1000, 7, 42, INT32_MIN}));
    const struct { const char* Text; double Value; } doubles[] = {
        {"8.99E-05", 8.99e-05}, {"1E-15", 1e-15}, {"5e-12", 5e-12}, {"-123456789", -123456789.0}, {".5", 0.5},
        {"14.025", 14.025}};
    for (const auto& d : doubles) EXPECT_DOUBLE_EQ(Text_To_Double(d.Text), d.Value) << d.Text;
}

TEST(Number_Conversion, RejectsAnythingElseAndNamesTheText)
{
    const auto message = [](auto convert, const char* text) -> std::string {
        try {
            convert(text);
            return "accepted";
        } catch (const Conversion_Error& error) {
            return error.what();
        }
    };
    for (const char* text : {"", " ", "abc", "12abc", "1.5", "2147483648", "-2147483649", "+", "-", "0x10"})
        EXPECT_EQ(message(Text_To_Integer, text), "'" + std::string(text) + "' is not a valid integer value");
    for (const char* text : {"", "x", "1,5", "1.2.3", "1e", "e5", "inf", "nan", "1e999", "--", "4x10e-4", "0x1p3"})
        EXPECT_EQ(message(Text_To_Double, text), "'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace
}  // namespace halvorn
