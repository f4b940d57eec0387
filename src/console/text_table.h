// The record that holds every text the dialogue writes to standard output,
// one field a text, and the choice of a result text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "hand.h"

namespace poker {

// One result text for each category.
inline constexpr std::size_t result_rows = static_cast<std::size_t>(category::royal_straight_flush);

struct text_table {
    // [0]: winner A; [1]: any other winner code. Rows by category, from the
    // highest: royal straight flush, straight flush, four of a kind, full
    // house, flush, straight, three of a kind, two pair, one pair, high card.
    std::string_view results[2][result_rows];
    std::string_view calculated;   // trace after an evaluated game
    std::string_view length_error; // a hand token that is not ten bytes long
    std::string_view again;        // re-prompt after an entry that is no selection from 1 to 4
    std::string_view came_through; // trace at the end of every pass that read both hands
    std::string_view menu;         // the menu block, request and prompt included (menu_block.h)
};

// The result text for a winner code and the winner's score: A's column for
// 1, B's for any other code; the row of the category whose band holds the
// score, worked out from it (category_of) rather than searched for.
constexpr std::string_view result_text(const text_table& texts, std::int32_t winner,
                                       std::int32_t score) {
    const auto row = result_rows - static_cast<std::size_t>(category_of(score));
    return texts.results[winner == 1 ? 0 : 1][row];
}

} // namespace poker
