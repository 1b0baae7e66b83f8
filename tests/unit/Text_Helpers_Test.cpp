#include <gtest/gtest.h>

#include "elements/Text_Helpers.h"
#include "table_view/Box_Number.h"

namespace halvorn {
namespace {

TEST(Replace_Text, ReplacesEveryOccurrenceIncludingAcrossEdges)
{
    EXPECT_EQ(Replace_Text("a--b--", "--", "-123456789"), "a-123456789b-123456789");
    EXPECT_EQ(Replace_Text("5x10e-12", "x10e", "e"), "5e-12");
    // Removing "ab" from "aabb" leaves a new "ab" across the edge, which goes too.
    EXPECT_EQ(Replace_Text("aabb", "ab", ""), "");
    // A pattern inside its replacement goes through the placeholder, not round for ever.
    EXPECT_EQ(Replace_Text("1,2,3", ",", ", "), "1, 2, 3");
    EXPECT_EQ(Replace_Text("", "x", "y"), "");
    EXPECT_EQ(Replace_Text("abc", "", "y"), "abc");
    // A pattern found in its replacement and made of the characters a placeholder would
    // use still ends.
    EXPECT_EQ(Replace_Text("a\x01" "b", "\x01", "\x01\x01"), "a\x01\x01" "b");
    EXPECT_EQ(Replace_Text(",,", ",", ",,"), ",,,,");
    // "--" inside a longer run of dashes: "---" gives one replacement and a dash left over.
    EXPECT_EQ(Replace_Text("---", "--", "M"), "M-");
}

TEST(Get_Field, CountsFromOneAndStopsAtTheSeparator)
{
    EXPECT_EQ(Get_Field(1, "\t", "a\tb\tc\t"), "a");
    EXPECT_EQ(Get_Field(3, "\t", "a\tb\tc\t"), "c");
    EXPECT_EQ(Get_Field(4, "\t", "a\tb\tc\t"), "");  // the empty field after the trailing TAB
    EXPECT_EQ(Get_Field(2, "\t", "a\t\tc"), "");
    EXPECT_EQ(Get_Field(9, "\t", "a\tb"), "");  // past the last separator
    EXPECT_EQ(Get_Field(0, "\t", "a\tb"), "");
    EXPECT_EQ(Get_Field(1, "", "a\tb"), "");
    EXPECT_EQ(Get_Field(1, "\t", ""), "");
    EXPECT_EQ(Get_Field(2, ", ", "x, y, z"), "y");
}

TEST(Number_Conversion, AcceptsThePlainFormsWhateverTheLocale)
{
    EXPECT_EQ(Text_To_Integer("-1000"), -1000);
    EXPECT_EQ(Text_To_Integer("+7"), 7);
    EXPECT_EQ(Text_To_Integer(" 42 "), 42);
    EXPECT_EQ(Text_To_Integer("-2147483648"), INT32_MIN);
    EXPECT_DOUBLE_EQ(Text_To_Double("8.99E-05"), 8.99e-05);
    EXPECT_DOUBLE_EQ(Text_To_Double("1E-15"), 1e-15);
    EXPECT_DOUBLE_EQ(Text_To_Double("5e-12"), 5e-12);
    EXPECT_DOUBLE_EQ(Text_To_Double("-123456789"), -123456789.0);
    EXPECT_DOUBLE_EQ(Text_To_Double(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Text_To_Double("14.025"), 14.025);
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

TEST(Box_Number, DigitsToIntegerKeepsSignAndDigits)
{
    EXPECT_EQ(Digits_To_Integer("x-1y2"), -12);
    EXPECT_EQ(Digits_To_Integer("1-2"), 12);
    EXPECT_EQ(Digits_To_Integer("--5"), -5);
    EXPECT_EQ(Digits_To_Integer("abc"), 0);
    EXPECT_EQ(Digits_To_Integer(""), 0);
    EXPECT_EQ(Digits_To_Integer("StaticText118"), 118);
    EXPECT_THROW(Digits_To_Integer("a-b"), Conversion_Error);
    EXPECT_THROW(Digits_To_Integer("99999999999"), Conversion_Error);
}

TEST(Box_Number, GetFieldIntegerTakesTheNthFieldOrTheLast)
{
    EXPECT_EQ(Get_Field_Integer("StaticText57", ' ', 1), 57);
    EXPECT_EQ(Get_Field_Integer("a1 b2 c3", ' ', 2), 2);
    EXPECT_EQ(Get_Field_Integer("a1 b2", ' ', 5), 2);
    EXPECT_EQ(Get_Field_Integer("a1 b2 c3", ' ', 3), 3);
}

}  // namespace
}  // namespace halvorn
