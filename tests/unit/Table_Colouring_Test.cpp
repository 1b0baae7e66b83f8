#include <gtest/gtest.h>

#include <set>

#include "table_view/Table_Colouring.h"
#include "tests/shared/Built_Elements.h"

namespace halvorn {
namespace {

// States at a temperature, blocks, metal classes, the year rule and the texts the tips
// show, from the built-in data.
TEST(Table_Colouring, KindsOfEachElementFromItsData)
{
    const Element_Array& e = test::Built_Elements();
    const struct { std::int32_t Temperature; std::set<int> Liquid; } states[] = {
        {30000, {35, 80}}, {27315, {35, 80}}, {30300, {31, 35, 55, 80, 87}}};
    for (const auto& at : states) {
        std::set<int> liquid;
        for (int n = 1; n <= 118; ++n)
            if (State_At(e[n], at.Temperature) == Matter_State::Liquid) liquid.insert(n);
        EXPECT_EQ(liquid, at.Liquid) << at.Temperature;
    }
    EXPECT_EQ(State_At(e[31], 30000), Matter_State::Solid);
    EXPECT_EQ(State_At(e[1], 30000), Matter_State::Gas);
    EXPECT_EQ(State_At(e[100], 30000), Matter_State::Unknown) << "fermium has neither point";

    const struct { int Number; Element_Block Block; } blocks[] = {
        {1, Element_Block::S}, {2, Element_Block::S}, {26, Element_Block::D}, {30, Element_Block::D},
        {31, Element_Block::P}, {57, Element_Block::F}, {103, Element_Block::F}, {112, Element_Block::D},
        {118, Element_Block::P}};
    for (const auto& b : blocks) EXPECT_EQ(Block_Of(e[b.Number]), b.Block) << b.Number;
    EXPECT_EQ(Metal_Class_Of(e[26]), Metal_Class::Metal);
    EXPECT_EQ(Metal_Class_Of(e[14]), Metal_Class::Metalloid);
    EXPECT_EQ(Metal_Class_Of(e[8]), Metal_Class::Non_Metal);
    EXPECT_EQ(Metal_Class_Of(e[110]), Metal_Class::Unknown);

    // Known by 1800: iron (ancient), oxygen 1774, chromium 1797, beryllium 1798; not
    // sodium 1807, niobium 1801, nor antimony, whose year is missing.
    for (int n : {26, 8, 24, 4}) EXPECT_TRUE(Known_By(e[n], 1800)) << n;
    for (int n : {11, 41, 51}) EXPECT_FALSE(Known_By(e[n], 1800)) << n;
    EXPECT_EQ(Year_Text(-1000, -1000), "ancient");
    EXPECT_EQ(Year_Text(-235, -1000), "235 BC");

    View_Choice choice{.View = Table_View::State, .Temperature = 30000};
    EXPECT_EQ(View_Value_Text(choice, e[26], -1000), "solid at 300 K");
    choice.View = Table_View::Property;
    EXPECT_EQ(View_Value_Text(choice, e[26], -1000), "density 7.87 g/mL");
    choice.Property = 13;
    EXPECT_EQ(View_Value_Text(choice, e[100], -1000), "specific heat capacity unknown");
    choice.View = Table_View::Year;
    EXPECT_EQ(View_Value_Text(choice, e[26], -1000), "known since ancient times");
    EXPECT_EQ(View_Value_Text(choice, e[2], -1000), "discovered 1868");
}

// Density's scale is logarithmic, osmium or iridium at its top and hydrogen at its foot;
// a scale with negative years or a narrow one is even. Text on the scale's ends, and on
// the box colours, reads dark on light and light on dark.
TEST(Table_Colouring, ScalesTemperaturesAndReadableText)
{
    const Element_Array& e = test::Built_Elements();
    const Property_Scale density = Property_Scale_For(6, e, 118);
    EXPECT_TRUE(density.Logarithmic);
    EXPECT_GE(std::max(*Scale_Position(density, e[76].Density), *Scale_Position(density, e[77].Density)), 1.0);
    EXPECT_EQ(*Scale_Position(density, e[1].Density), 0.0);
    EXPECT_FALSE(Scale_Position(density, e[100].Density)) << "no value, no place";
    EXPECT_FALSE(Property_Scale_For(15, e, 118).Logarithmic);
    EXPECT_FALSE(Property_Scale_For(8, e, 118).Logarithmic);
    std::vector<std::string> numbers;
    for (double tick : Scale_Ticks(density, 8)) numbers.push_back(Scale_Number(tick));
    EXPECT_EQ(numbers, (std::vector<std::string>{"0.0001", "0.001", "0.01", "0.1", "1", "10"}));

    const struct { std::uint32_t Fill, Text; } readable[] = {
        {0x00FFFF, 0x000000}, {0xFF0000, 0xFFFFFF}, {0x008000, 0xFFFFFF}, {0xFFFFFF, 0x000000},
        {0x777777, 0x000000}, {0x6E6E6E, 0xFFFFFF}, {Gradient_Colour(0), 0xFFFFFF}, {Gradient_Colour(1), 0x000000}};
    for (const auto& r : readable) EXPECT_EQ(Readable_Text_Colour(r.Fill), r.Text) << std::hex << r.Fill;
    EXPECT_EQ(Readable_Text_Colour(Faded_Colour(0x800000)), 0x000000u) << "faded navy is light";

    const struct { const char* Typed; Temperature_Unit Unit; std::optional<std::int32_t> Temperature; } typed[] = {
        {"0", Temperature_Unit::Celsius, 27315},  {"32", Temperature_Unit::Fahrenheit, 27315},
        {" 98,6", Temperature_Unit::Fahrenheit, 31015}, {"-40", Temperature_Unit::Celsius, 23315},
        {"273.15", Temperature_Unit::Kelvin, 27315}, {"-274", Temperature_Unit::Celsius, std::nullopt},
        {"1-2", Temperature_Unit::Kelvin, std::nullopt}, {"", Temperature_Unit::Kelvin, std::nullopt},
        {"nan", Temperature_Unit::Kelvin, std::nullopt}};
    for (const auto& t : typed) EXPECT_EQ(Parse_Temperature(t.Typed, t.Unit), t.Temperature) << t.Typed;
    EXPECT_EQ(Temperature_Text(27315, Temperature_Unit::Celsius), "0 \xB0" "C");
    EXPECT_EQ(Temperature_Text(23315, Temperature_Unit::Fahrenheit), "-40 \xB0" "F");
    EXPECT_EQ(Degrees_Text(27315, Temperature_Unit::Kelvin), "273.15");
    EXPECT_EQ(Whole_Degrees(31015, Temperature_Unit::Celsius), 37);
}

}  // namespace
}  // namespace halvorn
