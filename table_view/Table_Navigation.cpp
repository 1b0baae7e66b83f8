#include "table_view/Table_Navigation.h"

#include <algorithm>
#include <cctype>

namespace halvorn {

namespace {

// Centres are doubled so that they stay whole.
int Centre_X2(const Focus_Cell& cell) { return 2 * cell.Left + cell.Width; }
int Centre_Y2(const Focus_Cell& cell) { return 2 * cell.Top + cell.Height; }

// Rows and columns go by centres rather than by equal coordinates: a box may stand a pixel
// off the grid, and scaling rounds each place on its own.
bool Same_Row(const Focus_Cell& from, const Focus_Cell& other)
{
    const int y = Centre_Y2(other);
    return y >= 2 * from.Top && y < 2 * (from.Top + from.Height);
}

bool Same_Column(const Focus_Cell& from, const Focus_Cell& other)
{
    const int x = Centre_X2(other);
    return x >= 2 * from.Left && x < 2 * (from.Left + from.Width);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool Same_Text(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(x) == Lower(y);
           });
}

bool Begins_With(std::string_view text, std::string_view start)
{
    return text.size() >= start.size() && Same_Text(text.substr(0, start.size()), start);
}

}  // namespace

std::size_t Next_Focus_Cell(std::span<const Focus_Cell> cells, std::size_t from, Focus_Move move)
{
    if (from >= cells.size()) return from;
    const Focus_Cell& here = cells[from];
    const bool by_row = move != Focus_Move::Up && move != Focus_Move::Down;
    // How far the cell lies the move's way (none when behind or level), and its score: the
    // lowest wins. Home and End go the farthest way left or right.
    const auto judge = [&](const Focus_Cell& cell, int& score) {
        const int dx = Centre_X2(cell) - Centre_X2(here), dy = Centre_Y2(cell) - Centre_Y2(here);
        switch (move) {
        case Focus_Move::Left: score = -dx; return dx < 0;
        case Focus_Move::Right: score = dx; return dx > 0;
        case Focus_Move::Up: score = -dy; return dy < 0;
        case Focus_Move::Down: score = dy; return dy > 0;
        case Focus_Move::Row_Start: score = dx; return dx < 0;
        case Focus_Move::Row_End: score = -dx; return dx > 0;
        }
        return false;
    };
    std::size_t best = from;
    int best_score = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Focus_Cell& cell = cells[i];
        int score = 0;
        if (!cell.Takes_Focus || !(by_row ? Same_Row(here, cell) : Same_Column(here, cell)) || !judge(cell, score))
            continue;
        if (best == from || score < best_score) best = i, best_score = score;
    }
    return best;
}

const std::string& Type_Ahead::Add(char typed, std::uint32_t time)
{
    if (time - last_ > Pause_Ms) typed_.clear();
    last_ = time;
    typed_ += typed;
    return typed_;
}

int Find_Typed_Text(std::span<const std::string_view> entries, std::string_view typed, int current)
{
    if (typed.empty()) return -1;
    const int count = static_cast<int>(entries.size());
    for (int i = 0; i < count; ++i)
        if (Same_Text(entries[static_cast<std::size_t>(i)], typed)) return i;
    for (int i = 0; i < count; ++i)
        if (Begins_With(entries[static_cast<std::size_t>(i)], typed)) return i;
    // The same letter again: the next entry that begins with it, round to the first.
    if (std::all_of(typed.begin(), typed.end(), [&](char c) { return Lower(c) == Lower(typed.front()); })) {
        for (int step = 1; step <= count; ++step) {
            const int i = ((current < 0 ? -1 : current) + step) % count;
            if (Begins_With(entries[static_cast<std::size_t>(i)], typed.substr(0, 1))) return i;
        }
    }
    return -1;
}

}  // namespace halvorn
