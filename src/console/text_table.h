// The record that holds every text the console writes, one field a text.
#pragma once

#include <string_view>

#include "text_encoding.h"

namespace poker {

// Results, by band of the winner's score, tested from the top down.
inline constexpr int result_bands = 10;

struct text_table {
    text_encoding encoding; // what every text below is in
    // [0]: winner A; [1]: any other winner code. Rows: royal straight flush,
    // straight flush, four of a kind, full house, flush, straight, three of
    // a kind, two pair, one pair, high card.
    std::string_view results[2][result_bands];
    std::string_view calculated;   // trace after an evaluated game
    std::string_view length_error; // a hand token that is not ten bytes long
    std::string_view request;      // behind "4.   Exit": separate entries with blanks
    std::string_view prompt;       // "input:", waiting for a selection
    std::string_view again;        // re-prompt after a selection outside 1 to 4
    std::string_view came_through; // trace at the end of every pass
    std::string_view menu;         // the menu block, request and prompt included (menu_block.h)
};

} // namespace poker
