#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>

#include "app/Program_Texts.h"
#include "elements/Element_Record.h"
#include "report/Element_Report.h"
#include "tests/shared/Report_Number_Cases.h"

namespace halvorn {
namespace {

TEST(Report_Number, FormatsTheTableOfCases)
{
    for (const test::Number_Case& c : test::Report_Number_Cases) {
        const std::string text = c.Celsius ? Format_Report_Celsius(c.Decimals, c.Value) : Format_Report_Number(c.Decimals, c.Value);
        EXPECT_EQ(text, c.Text) << (c.Celsius ? "C(" : "N(") << c.Decimals << ", " << c.Value << ")";
    }
}

TEST(Report_Number, TrimsTheDecimalSeparatorActuallyUsed)
{
    EXPECT_EQ(Format_Report_Number(2, 660, {'.', ','}), "660");
    const Number_Separators blank_thousands{' ', '.'};
    EXPECT_EQ(Format_Report_Number(0, 1234567, blank_thousands), "1 234 567");
    EXPECT_EQ(Trim_Trailing_Char("", '0'), "");
    EXPECT_EQ(Trim_Trailing_Char("0", '0'), "0");
    EXPECT_EQ(Trim_Trailing_Char("100", '0'), "1");
}

// Where this compiler's long double is the 80-bit extended format, it must give exactly
// what the portable subtraction gives.
TEST(Report_Number, CelsiusSubtractionMatchesTheExtendedFormat)
{
    if (LDBL_MANT_DIG != 64) GTEST_SKIP() << "long double is not the extended format here";
    std::mt19937_64 random(1766);
    std::uniform_real_distribution<double> kelvin(0.0, 6000.0);
    for (int i = 0; i < 20000; ++i) {
        const double k = i < 10 ? std::vector<double>{0.95, 4.21, 14.025, 20.268, 300, 273.15, 0, 1e-300, 1e300, -5}[static_cast<std::size_t>(i)]
                                : kelvin(random);
        const long double expected = static_cast<long double>(k) - 273.15L;
        const Binary_Value ours = Extended_Minus_273_15(k);
        const long double got = (ours.Negative ? -1.0L : 1.0L) * std::ldexp(static_cast<long double>(ours.Mantissa), ours.Exponent);
        ASSERT_EQ(got, expected) << "kelvin " << k;
    }
}

class Element_Report_Text : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Build_Element_Array(Element_Database_Text(), elements_, count_, nullptr); }

    static Report_Document Report_Of(int number, const Number_Separators& separators = {})
    {
        const Program_Texts about = Program_Texts_For_Year(2002);
        return Build_Element_Report(elements_[number], {about.Product_Name, about.Author_and_Date, about.Web_Address},
                                    separators);
    }
    static std::vector<std::string> Lines_Of(int number, const Number_Separators& separators = {})
    {
        std::vector<std::string> lines;
        for (const Report_Line& line : Report_Of(number, separators).Lines) lines.push_back(line.Text);
        return lines;
    }
    // The whole text: title, blank, the given property and facts lines, then the footer.
    static void Expect_Report(int number, const std::vector<std::string>& body)
    {
        const std::string divider(56, '~');
        std::vector<std::string> expected = body;
        expected.insert(expected.end(), {"", divider, "", "The above information is courtesy of : ", "Halvorn v2.0b",
                                         "by Tandrel Software, November 2002", "",
                                         "For this and other great software visit : ",
                                         "http://tandrel.example/", "", divider, "", "End of Report."});
        EXPECT_EQ(Lines_Of(number), expected) << "element " << number;
    }

    static inline Element_Array elements_;
    static inline std::int32_t count_ = 0;
};

TEST_F(Element_Report_Text, IronWholeReport)
{
    Expect_Report(26, {
        "Iron",
        "",
        "              Abbreviation  : Fe",
        "              Atomic Number : 26",
        "              Element Group : Transition Metals",
        "               Element Type : Metal",
        "              Atomic Weight : 55.845",
        "              Atomic Volume : 7.09 (cm^3/mol)",
        "              Atomic Radius : 1.72 (A)",
        "  Bonding (Covalent) Radius : 1.17 (A)",
        "              Melting Point : 1,811 (K), 1,537.85 (C)",
        "          Boiling Point (K) : 3,134 (K), 2,860.85 (C)",
        "     State (at 0 Degrees C) : Solid",
        "                    Density : 7.87 (g/mL)",
        "        Electron Negativity : 1.83",
        "       Heat of Vaporization : 340 (kJ/mol)",
        "             Heat of Fusion : 13.81 (kJ/mol)",
        "    Electrical Conductivity : 10.4",
        "      Thermal Conductivity  : 80.2 (W/mK) (at 300 K, 26.9 C)",
        "     Specific Heat Capacity : 0.45 (J/gK) (at 300 K, 26.9 C)",
        " First Ionization Potential : 7.902",
        "    Acid or Base Properties : Amphoteric (Acid and Base)",
        "          Crystal Structure : Cubic (body centered)",
        "     Electron Configuration : [Ar] 3d6 4s2",
        "           Oxidation States : 2, 3",
        "                  Synthetic : No",
        "              Discovered by : Unknown",
        "            Discovered Year : -1000",
        "",
        "Interesting Facts : ",
        "Iron is the most widely used of all metals, chiefly in the form of steel, and the fourth most abundant element "
        "in the Earth's crust. The Earth's core is thought to consist mainly of iron and nickel. In the blood, iron atoms "
        "in haemoglobin carry oxygen from the lungs to the rest of the body.",
    });
}

TEST_F(Element_Report_Text, MercuryWholeReport)
{
    Expect_Report(80, {
        "Mercury",
        "",
        "              Abbreviation  : Hg",
        "              Atomic Number : 80",
        "              Element Group : Transition Metals",
        "               Element Type : Metal",
        "              Atomic Weight : 200.59",
        "              Atomic Volume : 14.8 (cm^3/mol)",
        "              Atomic Radius : 1.76 (A)",
        "  Bonding (Covalent) Radius : 1.49 (A)",
        "              Melting Point : 234.32 (K), -38.83 (C)",
        "          Boiling Point (K) : 629.88 (K), 356.73 (C)",
        "     State (at 0 Degrees C) : Liquid",
        "                    Density : 13.55 (g/mL)",
        "        Electron Negativity : 2",
        "       Heat of Vaporization : 59.11 (kJ/mol)",
        "             Heat of Fusion : 2.29 (kJ/mol)",
        "    Electrical Conductivity : 1.04",
        "      Thermal Conductivity  : 8.3 (W/mK) (at 300 K, 26.9 C)",
        "     Specific Heat Capacity : 0.14 (J/gK) (at 300 K, 26.9 C)",
        " First Ionization Potential : 10.438",
        "    Acid or Base Properties : Mildly Basic",
        "          Crystal Structure : Rhombohedral",
        "     Electron Configuration : [Xe] 4f14 5d10 6s2",
        "           Oxidation States : 2, 1",
        "                  Synthetic : No",
        "              Discovered by : Unknown",
        "            Discovered Year : -1000",
        "",
        "Interesting Facts : ",
        "Mercury is the only metal that is liquid at room temperature, and it was known to the ancient Chinese, Indians "
        "and Egyptians. It has been used in thermometers, barometers, fluorescent lamps and dental fillings. Its vapour "
        "and many of its compounds are highly toxic.",
    });
}

TEST_F(Element_Report_Text, Element113WholeReport)
{
    Expect_Report(113, {
        "Element113",
        "",
        "              Abbreviation  : 113",
        "              Atomic Number : 113",
        "              Element Group : Unknown",
        "               Element Type : Unknown",
        "              Atomic Weight : 284",
        "              Atomic Volume : Unknown (cm^3/mol)",
        "              Atomic Radius : Unknown (A)",
        "  Bonding (Covalent) Radius : Unknown (A)",
        "              Melting Point : Unknown (K), Unknown (C)",
        "          Boiling Point (K) : Unknown (K), Unknown (C)",
        "     State (at 0 Degrees C) : Unknown",
        "                    Density : Unknown (g/mL)",
        "        Electron Negativity : Unknown",
        "       Heat of Vaporization : Unknown (kJ/mol)",
        "             Heat of Fusion : Unknown (kJ/mol)",
        "    Electrical Conductivity : Unknown",
        "      Thermal Conductivity  : Unknown (W/mK) (at 300 K, 26.9 C)",
        "     Specific Heat Capacity : Unknown (J/gK) (at 300 K, 26.9 C)",
        " First Ionization Potential : Unknown",
        "    Acid or Base Properties : Unknown",
        "          Crystal Structure : Unknown",
        "     Electron Configuration : [Rn] 5f14 6d10 7s2 7p1",
        "           Oxidation States : Unknown",
        "                  Synthetic : Yes",
        "              Discovered by : Unknown",
        "            Discovered Year : Unknown",
        "",
        "Interesting Facts : ",
        "Also or previously known as Ununtrium or Element 113.",
    });
}

TEST_F(Element_Report_Text, LinesOfOtherElements)
{
    const struct { int Element; const char* Line; } cases[] = {
        {6, "           Oxidation States : +/-4, 2"},
        {10, "              Atomic Number : 10"},
        {28, "            Discovered Year : -235"},
        {31, "     State (at 0 Degrees C) : Solid"},
        {91, "Protactinium"},
        // One element for each acid/base code in use.
        {7, "    Acid or Base Properties : Strongly Acidic"},
        {5, "    Acid or Base Properties : Mildly Acidic"},
        {54, "    Acid or Base Properties : Weakly Acidic"},
        {8, "    Acid or Base Properties : Neutral (pH = 7)"},
        {3, "    Acid or Base Properties : Strongly Basic"},
        {21, "    Acid or Base Properties : Weakly Basic"},
        {2, "    Acid or Base Properties : Unknown"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines = Lines_Of(c.Element);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.Line), lines.end()) << "element " << c.Element << ": " << c.Line;
    }
    // The user's separators reach the numbers of the report.
    const std::vector<std::string> iron = Lines_Of(26, {'.', ','});
    EXPECT_EQ(iron[10], "              Melting Point : 1.811 (K), 1.537,85 (C)");
    EXPECT_EQ(iron[13], "                    Density : 7,87 (g/mL)");
    EXPECT_EQ(iron[18], "      Thermal Conductivity  : 80,2 (W/mK) (at 300 K, 26,9 C)");
}

TEST_F(Element_Report_Text, CaptionAndEachLinesFormat)
{
    const Report_Document iron = Report_Of(26);
    EXPECT_EQ(iron.Caption, "Iron Properties :");
    ASSERT_EQ(iron.Lines.size(), 44u);
    for (std::size_t i = 0; i < iron.Lines.size(); ++i) {
        // Title 22-point bold underlined; the footer centred from divider to divider, title and address bold.
        const bool title = i == 0;
        const bool centred = title || (i >= 32 && i <= 41);
        const bool bold = title || i == 35 || i == 39;
        const Line_Alignment alignment = centred ? Line_Alignment::Centre : Line_Alignment::Left;
        EXPECT_EQ(iron.Lines[i], (Report_Line{iron.Lines[i].Text, title ? 22 : 10, bold, title, alignment})) << i;
    }

    // An empty facts text keeps its heading; a missing one leaves the paragraph out.
    const std::vector<std::string> europium = Lines_Of(63);
    EXPECT_EQ(europium[29], "Interesting Facts : ");
    EXPECT_EQ(europium[30], "");
    Element_Record without = elements_[26];
    without.Interesting_Details = std::string(Missing_Text);
    const Report_Document missing = Build_Element_Report(without, {});
    EXPECT_EQ(missing.Lines.size(), 41u);
    EXPECT_EQ(missing.Lines[28].Text, "");
    EXPECT_EQ(missing.Lines[29].Text, std::string(56, '~'));
}

TEST(Rich_Text, EscapesAndMarksEveryLine)
{
    const std::vector<Report_Line> lines = {{"Title {x}", 22, true, true, Line_Alignment::Centre},
                                            {"a\\b \xF6", 10, false, false, Line_Alignment::Left, 0xFF0000}};
    const std::string rtf = Document_Rtf(lines, "Courier New");
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue255;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\qc\\plain\\f0\\fs44\\b\\ul Title \\{x\\}\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\ql\\plain\\f0\\fs20\\cf1 a\\\\b \\'f6\\par"), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');
}

TEST(Glossary, FindsTheFortyThreeHeadingsAndNothingElse)
{
    int headings = 0;
    const std::vector<Report_Line> lines = Glossary_Lines(Glossary_Text(), 14, headings);
    EXPECT_EQ(lines.size(), 131u);
    EXPECT_EQ(headings, 43);
    EXPECT_EQ(lines[1].Text, "Abbreviated Electron Configuration :");
    EXPECT_TRUE(lines[1].Bold);
    EXPECT_EQ(lines[1].Colour, 0xFF0000u);
    EXPECT_FALSE(lines[5].Bold);
    EXPECT_EQ(lines[5].Colour, Automatic_Colour);
    EXPECT_TRUE(Is_Glossary_Heading("  Neutral :  "));
    EXPECT_FALSE(Is_Glossary_Heading("1.  An object having no charge."));
    EXPECT_FALSE(Is_Glossary_Heading("   "));
    EXPECT_FALSE(Is_Glossary_Heading(""));
}

}  // namespace
}  // namespace halvorn
