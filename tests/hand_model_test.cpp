// Every five-card hand of a standard deck, and a million random tokens of
// any bytes, scored by src/hand and with the plain mapping and sort in place
// of its tuned ones (plain_hand.h), which must leave the ranks, the suits,
// the run and suit counts and the score the same;
// and the number of hands of each category in a deck, as poker's arithmetic
// gives it.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "plain_hand.h"

namespace {

// Scores a token both ways, into h, and counts it in mismatches when any
// result differs, the order of suits among equal ranks included, reporting
// the first few.
void same_both_ways(const char* card, poker::hand& h, long& mismatches) {
    poker::hand p{};
    std::memcpy(h.card, card, 10);
    std::memcpy(p.card, card, 10);
    poker::score_hand(h);
    poker::plain::score_hand(p);
    const bool same = std::memcmp(h.rank, p.rank, sizeof h.rank) == 0 &&
                      std::memcmp(h.shape, p.shape, sizeof h.shape) == 0 &&
                      h.straight == p.straight && h.flush == p.flush && h.score == p.score;
    if (!same && ++mismatches <= 10) {
        ADD_FAILURE() << "token " << ::testing::PrintToString(std::string(card, 10)) << ": score "
                      << h.score << ", plain " << p.score;
    }
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

TEST(AllHands, MatchThePlainStepsAndCountAsInADeck) {
    constexpr char rank_characters[] = "234567890JQKA";
    constexpr char suit_characters[] = "SHDC";
    // By category, from the high card up; the suited A-2-3-4-5 is announced
    // as a royal straight flush, so that band holds 8 and the next 32.
    constexpr std::array<long, 10> in_a_deck = {1302540, 1098240, 123552, 54912, 10200,
                                                5108,    3744,    624,    32,    8};
    std::array<long, 10> counted{};
    long mismatches = 0;
    std::array<std::size_t, 5> at{0, 1, 2, 3, 4};
    do {
        // Typed ascending, descending and shuffled.
        constexpr std::size_t orders[3][5] = {{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {1, 3, 0, 4, 2}};
        for (const auto& order : orders) {
            char card[10];
            for (std::size_t i = 0; i < 5; ++i) {
                card[2 * i] = rank_characters[at[order[i]] / 4];
                card[2 * i + 1] = suit_characters[at[order[i]] % 4];
            }
            poker::hand h{};
            same_both_ways(card, h, mismatches);
            counted[static_cast<std::size_t>(poker::category_of(h.score)) - 1] +=
                &order == &orders[0] ? 1 : 0;
        }
    } while (next_combination(at));
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(counted, in_a_deck);
}

// A random token of one of three kinds, in a random order of its cards:
// any bytes, biased towards rank characters and two suits; a run of five
// consecutive characters, rank characters or not (kHlHmHnHoH); or ranks
// drawn from two or three characters, which make the groups; the last two
// kinds in one suit half of the time.
void random_token(std::mt19937& random, char card[10]) {
    const std::string common = "234567890JQKA1kz\x80\xff\x0e";
    const auto any = [&] { return static_cast<char>(random() & 0xff); };
    const auto from = [&](std::string_view chars) { return chars[random() % chars.size()]; };
    constexpr std::string_view table_ranks = "A234567890JQKA"; // the ace also below the two
    const char suit = any();
    const bool one_suit = random() % 2 == 0;
    const std::string pool{from(common), from(common), random() % 2 == 0 ? any() : from(common)};
    const bool table_run = random() % 2 == 0;
    const std::size_t table_start = random() % (table_ranks.size() - 4);
    const char start = any();
    const auto kind = random() % 3;
    for (std::size_t i = 0; i < 5; ++i) {
        char rank = random() % 4 != 0 ? any() : from(common);
        if (kind == 1) {
            rank = table_run ? table_ranks[table_start + i] : static_cast<char>(start + i);
        } else if (kind == 2) {
            rank = from(pool);
        }
        card[2 * i] = rank;
        card[2 * i + 1] = kind != 0 && one_suit ? suit : random() % 4 != 0 ? any() : from("SH");
    }
    for (std::size_t i = 4; i > 0; --i) { // shuffle the cards
        const std::size_t j = random() % (i + 1);
        std::swap(card[2 * i], card[2 * j]);
        std::swap(card[2 * i + 1], card[2 * j + 1]);
    }
}

// Every band of scores must come up often, so that the two are compared on
// hands of every kind, those that characters outside the rank table reach
// (suited runs of them, say) included.
TEST(OddTokens, MatchThePlainSteps) {
    std::mt19937 random(1949);
    long mismatches = 0;
    std::array<long, 10> drawn{}; // by the category whose band holds the score
    for (int n = 0; n < 1'000'000; ++n) {
        char card[10];
        random_token(random, card);
        poker::hand h{};
        same_both_ways(card, h, mismatches);
        ++drawn[static_cast<std::size_t>(poker::category_of(h.score)) - 1];
    }
    EXPECT_EQ(mismatches, 0);
    for (std::size_t category = 0; category < 10; ++category) {
        EXPECT_GE(drawn[category], 1000)
            << "category " << (category + 1) * 100 << " drawn too rarely";
    }
}

} // namespace
