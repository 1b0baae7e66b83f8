// One element's data, the process-wide element array and the build that fills it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "elements/Element_Database_Text.h"

namespace halvorn {

// "No value" in every number field; as text ("-123456789") in text fields.
inline constexpr std::int32_t Missing_Value = -123456789;
inline constexpr double Missing_Double = -123456789.0;
inline constexpr std::string_view Missing_Text = "-123456789";

inline constexpr int Element_Capacity = 118;
inline constexpr int Database_Field_Count = 28;

struct Element_Record {
    std::string Element_Name;
    std::string Element_Abbreviation;
    std::int32_t Atomic_Number = 0;
    double Atomic_Radius = 0;
    double Atomic_Volume = 0;
    double Atomic_Weight = 0;
    double Boiling_Point = 0;
    double Melting_Point = 0;
    double Density = 0;
    double Covalent_Radius = 0;
    double Electron_Negativity = 0;
    double Heat_of_Vaporization = 0;
    double Heat_of_Fusion = 0;
    double Electrical_Conductivity = 0;
    double Thermal_Conductivity = 0;
    double Specific_Heat_Capacity = 0;
    double First_Ionization_Potential = 0;
    std::int32_t Synthetic = 0;
    std::int32_t Acid_Base_Properties = 0;
    std::int32_t Crystal_Structure = 0;
    std::string Electron_Configuration;
    std::string Oxidation_States;
    std::int32_t Metal = 0;
    std::int32_t State = 0;
    std::int32_t Group = 0;
    std::string Discovered_By;
    std::int32_t Discovered_Date = 0;
    std::string Interesting_Details;
};

// Records indexed 1 to 118, as the element numbers are.
class Element_Array {
public:
    Element_Record& operator[](int number) { return records_.at(static_cast<std::size_t>(number) - 1); }
    const Element_Record& operator[](int number) const { return records_.at(static_cast<std::size_t>(number) - 1); }

private:
    std::array<Element_Record, Element_Capacity> records_{};
};

// Written only by the build; read by every other part of the program.
extern Element_Array Elements;
extern std::int32_t Number_of_Elements;

// The text's lines without their line breaks ("\r\n" or "\n"); a final line break does
// not start another line.
std::size_t Count_Text_Lines(std::string_view text);
std::string_view Text_Line(std::string_view text, std::size_t index);

// Told of each row as soon as its record is filled, so the caller can caption its box.
class Element_Row_Sink {
public:
    virtual void Row_Built(std::int32_t row, const Element_Record& record) = 0;

protected:
    ~Element_Row_Sink() = default;
};

// Resets every record, then fills record r from line r of text. A field that does not
// convert raises Conversion_Error; rows read before it keep their values, the failing
// record stays partly filled and number_of_elements holds the failing row. Rows past the
// array's capacity are not read.
void Build_Element_Array(std::string_view text, Element_Array& elements,
                         std::int32_t& number_of_elements, Element_Row_Sink* sink);

// Drops every blank, then puts exactly one blank after each comma: "5, +/-3,4" gives
// "5, +/-3, 4".
std::string Normalise_Oxidation_States(std::string_view states);

}  // namespace halvorn
