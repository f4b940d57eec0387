// Every five-card hand of a standard deck, scored by the program and by an
// independent model that classifies a hand from its rank counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "console/game.h"

namespace {

constexpr char rank_characters[] = "234567890JQKA"; // values 2 to 14
constexpr char suit_characters[] = "SHDC";

struct card {
    int rank; // 2 to 14
    char suit;
};

// Score from the category and its deciding rank, computed the plain way.
int model_score(const std::array<card, 5>& cards) {
    std::array<int, 15> counts{};
    for (const card& c : cards) {
        ++counts[static_cast<std::size_t>(c.rank)];
    }
    int highest = 0;
    int lowest = 15;
    int distinct = 0;
    int quad = 0, trip = 0, top_pair = 0, pairs = 0;
    for (int r = 2; r <= 14; ++r) {
        const int n = counts[static_cast<std::size_t>(r)];
        if (n == 0) {
            continue;
        }
        ++distinct;
        highest = r;
        lowest = std::min(lowest, r);
        if (n == 4)
            quad = r;
        if (n == 3)
            trip = r;
        if (n == 2) {
            ++pairs;
            top_pair = r;
        }
    }
    const bool flush = std::all_of(cards.begin(), cards.end(),
                                   [&](const card& c) { return c.suit == cards[0].suit; });
    const bool wheel =
        distinct == 5 && counts[14] && counts[2] && counts[3] && counts[4] && counts[5];
    const bool straight = distinct == 5 && (highest - lowest == 4 || wheel);
    if (flush && straight)
        return highest == 14 ? 1014 : 900 + highest;
    if (flush)
        return 600 + highest;
    if (straight)
        return 500 + highest;
    if (quad)
        return 800 + quad;
    if (trip && pairs)
        return 700 + std::max(trip, top_pair);
    if (trip)
        return 400 + trip;
    if (pairs == 2)
        return 300 + top_pair;
    if (pairs == 1)
        return 200 + top_pair;
    return 100 + highest;
}

// Steps five card positions through every combination of 52 cards in
// ascending order; false after the last one.
bool next_combination(std::array<std::size_t, 5>& at) {
    for (std::size_t i = 5; i-- > 0;) {
        if (at[i] < 47 + i) {
            ++at[i];
            for (std::size_t j = i + 1; j < 5; ++j) {
                at[j] = at[j - 1] + 1;
            }
            return true;
        }
    }
    return false;
}

TEST(AllHands, ScoreAndSortedRanksMatchModel) {
    std::array<card, 52> deck{};
    for (std::size_t i = 0; i < 52; ++i) {
        deck[i] = {static_cast<int>(i / 4) + 2, suit_characters[i % 4]};
    }
    long hands = 0;
    long mismatches = 0;
    std::array<std::size_t, 5> at{0, 1, 2, 3, 4};
    do {
        ++hands;
        std::array<card, 5> cards{}; // ascending by rank, as the deck is
        for (std::size_t i = 0; i < 5; ++i) {
            cards[i] = deck[at[i]];
        }
        const int expected = model_score(cards);
        for (const bool reversed : {false, true}) {
            poker::hand h{};
            for (std::size_t i = 0; i < 5; ++i) {
                const card& c = cards[reversed ? 4 - i : i];
                h.card[2 * i] = rank_characters[c.rank - 2];
                h.card[2 * i + 1] = c.suit;
            }
            poker::score_hand(h);
            bool sorted = true;
            for (std::size_t i = 0; i < 5; ++i) {
                sorted = sorted && h.rank[i] == cards[i].rank;
            }
            if ((h.score != expected || !sorted) && ++mismatches <= 10) {
                ADD_FAILURE() << std::string(h.card, 10) << ": score " << h.score << ", model "
                              << expected << (sorted ? "" : ", ranks not sorted");
            }
        }
    } while (next_combination(at));
    EXPECT_EQ(hands, 2598960);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
