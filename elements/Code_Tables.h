// Names of the stored classification codes, and the group colour swatch of each group.
#pragma once

#include <cstdint>
#include <string_view>

namespace halvorn {

// A name table indexed by the stored code itself, starting at First.
template <int First, int Count>
struct Code_Names {
    std::string_view Names[Count];

    static constexpr bool Holds(std::int32_t code) { return code >= First && code < First + Count; }
    // Callers check Holds first wherever a code may be out of range.
    constexpr std::string_view operator[](std::int32_t code) const { return Names[code - First]; }
};

inline constexpr Code_Names<0, 2> Synthetic_Names{{"No", "Yes"}};

inline constexpr Code_Names<1, 8> Crystal_Structure_Names{{
    "Cubic (face centered)", "Cubic (body centered)", "Cubic", "Hexagonal", "Rhombohedral",
    "Tetragonal", "Orthorhombic", "Monoclinic"}};

// Code 5 is used by no element; the stored codes of the basic oxides start at 6.
inline constexpr Code_Names<1, 10> Acid_Base_Names{{
    "Strongly Acidic", "Mildly Acidic", "Weakly Acidic", "Neutral (pH = 7)", "Unknown",
    "Strongly Basic", "Mildly Basic", "Weakly Basic", "Unknown", "Amphoteric (Acid and Base)"}};

inline constexpr Code_Names<1, 4> State_Names{{"Gas", "Liquid", "Solid", "Unknown"}};

inline constexpr Code_Names<1, 4> Metal_Names{{"Metal", "Non-Metal", "Semi-Metal", "Unknown"}};

inline constexpr Code_Names<0, 10> Group_Names{{
    "Other Non-Metals", "Alkali Metals", "Alkaline Earth Metals", "Transition Metals",
    "Other Metals", "Non-Metals (Halogens)", "Noble Gases",
    "Lanthanide Series (Rare Earth Metals)", "Actinide Series (Rare Earth Metals)", "Unknown"}};

// The group code whose swatch colours every group without a swatch of its own.
inline constexpr std::int32_t Unknown_Group = 9;

// The swatch (by group code) that colours an element of the given group: codes 0 to 8
// have their own, every other code (9, larger ones, negatives, Missing_Value) takes the
// Unknown swatch.
constexpr std::int32_t Swatch_Group_Of(std::int32_t group)
{
    return static_cast<std::uint32_t>(group) <= 8 ? group : Unknown_Group;
}

}  // namespace halvorn
