// The hand record and the functions that score one five-card hand.
//
// A hand is typed as ten characters, five cards of a rank character and a
// suit character each ("AHKHQHJH0H"). score_hand runs the steps in their
// fixed order on one record: split, mapping, sort, then straight_check,
// flush_check, calculation and high_shape. The functions own nothing: each
// works in place on the arrays it is handed, and none of them rejects any
// input, so odd characters simply flow through the arithmetic.
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

// The hand categories, from the lowest. A score is its category's base plus
// one deciding rank value, so the category can be read back from the score.
enum class category : std::int32_t {
    high_card = 1,
    one_pair,
    two_pair,
    three_of_a_kind,
    straight,
    flush,
    full_house,
    four_of_a_kind,
    straight_flush,
    royal_straight_flush,
};

// A category's band of scores, from its base on: 100 wide, as no rank value
// of the rank characters (2 to 14) reaches the next band.
inline constexpr std::int32_t band_width = 100;

// A category's base: its number times the band width, 100 for a high card
// to 1000 for a royal straight flush.
constexpr std::int32_t category_base(category c) {
    return band_width * static_cast<std::int32_t>(c);
}

// The category whose band, from its base to its base plus 99, holds the
// score, for the bands from one pair up; a high card for any other score.
// (Odd characters can put a score into another category's band: a high
// card topped by a lower-case k scores 207, in one pair's.)
constexpr category category_of(std::int32_t score) {
    // Unsigned, so that one comparison finds the bands and the division
    // needs no correction for negative scores.
    constexpr auto lowest = static_cast<std::uint32_t>(category_base(category::one_pair));
    constexpr auto width = static_cast<std::uint32_t>(band_width);
    constexpr auto past_highest =
        static_cast<std::uint32_t>(category_base(category::royal_straight_flush)) + width;
    const std::uint32_t above_lowest = static_cast<std::uint32_t>(score) - lowest;
    return above_lowest < past_highest - lowest
               ? static_cast<category>((lowest + above_lowest) / width)
               : category::high_card;
}

// Scores one hand from its card text: runs every step below in order and
// stores each result in the record.
void score_hand(hand& h);

// Card text: rank characters at positions 0, 2, 4, 6 and 8, suits after each.
// Copies them into rank (as character codes) and shape.
void split(hand& h);

// Replaces the character codes of the rank characters 2-9, 0, J, Q, K and A
// by their rank values (2 to 14); any other code stays as it is.
void mapping(hand& h);

// Sorts the ranks ascending and keeps each suit with its rank.
void sort(char shape[5], std::int32_t rank[5]);

// The length of the run of consecutive ranks that starts at the lowest card;
// an ace directly after a five counts as the next rank (A-2-3-4-5).
std::int32_t straight_check(const std::int32_t rank[5]);

// The number of leading cards whose suit equals the first card's.
std::int32_t flush_check(const char shape[5]);

// Classifies the groups of equal ranks. The caller sets main_group and
// second_group to 1 and top_rank to 0. main_group and top_rank are always
// written; second_group keeps the caller's value unless the hand has a
// second group (a full house, three of a kind, two pair or one pair).
void count(const std::int32_t rank[5], std::int32_t& main_group, std::int32_t& second_group,
           std::int32_t& top_rank);

// The score of a sorted hand: its category's base plus its top rank.
std::int32_t calculation(std::int32_t flush, std::int32_t straight, const hand& h);

// The tie value. It is the same for every hand, so equal scores stay equal.
std::int32_t high_shape(const char shape[5]);

} // namespace poker
