// The hand record and the functions that score one five-card hand.
//
// A hand is typed as ten characters, five cards of a rank character and a
// suit character each ("AHKHQHJH0H"). Scoring runs in a fixed order on one
// record: split, mapping, sort, then straight_check, flush_check,
// calculation and high_shape. The functions own nothing: each works in place
// on the arrays it is handed, and none of them rejects any input, so odd
// characters simply flow through the arithmetic.
#pragma once

#include <cstdint>

namespace poker {

// One player's hand in one game. Every field is rewritten before it is read
// in each evaluated game, so a record is reused from game to game as is.
struct hand {
    char card[11];         // the hand token as read: ten characters and a NUL
    std::int32_t rank[5];  // rank values: typed order after split, ascending after sort
    char shape[5];         // suit characters, element i belongs to the card of rank[i]
    std::int32_t straight; // run count from the lowest card, 1 to 5
    std::int32_t flush;    // leading cards sharing the first card's suit, 1 to 5
    std::int32_t score;    // category base plus one deciding rank value
    std::int32_t high;     // tie value
};

// Card text: rank characters at positions 0, 2, 4, 6 and 8, suits after each.
// Copies them into rank (as character codes) and shape.
void split(hand& h);

// Replaces the character codes of the rank characters 2-9, 0, J, Q, K and A
// by their rank values (2 to 14); any other code stays as it is.
void mapping(hand& h);

// Sorts the ranks ascending and keeps each suit with its rank.
void sort(char shape[5], std::int32_t rank[5]);

// The length of the run of consecutive ranks that starts at the lowest card.
std::int32_t straight_check(const std::int32_t rank[5]);

// The number of leading cards whose suit equals the first card's.
std::int32_t flush_check(const char shape[5]);

// Classifies the groups of equal ranks. The caller sets main_group and
// second_group to 1 and top_rank to 0; only what the hand's class decides is
// overwritten.
void count(const std::int32_t rank[5], std::int32_t& main_group, std::int32_t& second_group,
           std::int32_t& top_rank);

// The score of a sorted hand: its category base (100 to 1000) plus its top rank.
std::int32_t calculation(std::int32_t flush, std::int32_t straight, const hand& h);

// The tie value. It is the same for every hand, so equal scores stay equal.
std::int32_t high_shape(const char shape[5]);

} // namespace poker
