// One game: reading the two hands, scoring both, naming the winner.
#pragma once

#include <cstdint>

#include "buffered_io.h"
#include "hand.h"
#include "text_table.h"
#include "token_reader.h"

namespace poker {

// What reading a game's two hand tokens found.
enum class hands_read {
    ten_bytes,    // both tokens are ten bytes long and stand in the cards
    wrong_length, // at least one token is not ten bytes long
    ended,        // input ended (or broke) before both tokens were read
};

// Reads A's token, then B's, into the records' card fields.
hands_read read_hands(token_reader& tokens, hand& a, hand& b);

// Scores A's hand, then B's, sets winner (1 for A, 2 for B; equal scores go
// to B), and writes the result text and the calculated trace line.
void evaluate_game(output& out, const text_table& texts, hand& a, hand& b, std::int32_t& winner);

// Writes the result text for a winner code and the winner's score (see
// result_text), without a line end.
void final_print(output& out, const text_table& texts, std::int32_t winner, std::int32_t score);

// Settles a game that has been read: evaluates it when both tokens are ten
// bytes long, and asks for ten-character hands otherwise.
void settle_game(output& out, const text_table& texts, hands_read read, hand& a, hand& b,
                 std::int32_t& winner);

} // namespace poker
