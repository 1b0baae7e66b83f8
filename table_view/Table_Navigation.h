// Where the keyboard moves the focus on the table page: the arrow keys, Home and End go by
// where the boxes (or the colour key's swatches) stand, and typing a symbol's letters finds
// its element, as typing finds an entry of the search list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace halvorn {

struct Focus_Cell {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Takes_Focus = true;  // a hidden box does not
};

enum class Focus_Move : std::uint8_t { Left, Right, Up, Down, Row_Start, Row_End };

// The cell a move goes to from cell `from`: the nearest cell that takes the focus in the same
// row (Left, Right, Row_Start, Row_End) or the same column (Up, Down), however wide the gap.
// `from` itself when nothing lies that way.
std::size_t Next_Focus_Cell(std::span<const Focus_Cell> cells, std::size_t from, Focus_Move move);

// The text typed so far: characters typed within Pause_Ms of each other add up, a longer
// pause starts again.
class Type_Ahead {
public:
    static constexpr std::uint32_t Pause_Ms = 1000;
    // Time in milliseconds; it may wrap.
    const std::string& Add(char typed, std::uint32_t time);
    void Clear() { typed_.clear(); }

private:
    std::string typed_;
    std::uint32_t last_ = 0;
};

// The index of the entry that typed text finds, ignoring case: the entry typed in full,
// else the first one it begins. A letter typed again and again steps through the entries
// that begin with it, from the one after `current`. -1 when none matches.
int Find_Typed_Text(std::span<const std::string_view> entries, std::string_view typed, int current);

}  // namespace halvorn
