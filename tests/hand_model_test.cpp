// Every five-card hand of a standard deck, scored by the program and by an
// independent model that classifies a hand from its rank counts; and a
// million random tokens of any bytes, against the rules written the plain way.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "hand.h"

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
        // Typed ascending, descending and shuffled.
        constexpr std::size_t orders[3][5] = {{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {1, 3, 0, 4, 2}};
        for (const auto& order : orders) {
            poker::hand h{};
            for (std::size_t i = 0; i < 5; ++i) {
                const card& c = cards[order[i]];
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

// The scoring steps written the plain way, as the rules state them: the
// model for tokens of any bytes, which the tuned functions must match in
// every result, the order of suits among equal ranks included.
struct plain_result {
    std::array<std::int32_t, 5> rank;
    std::array<char, 5> shape;
    std::int32_t straight, flush, score;
    std::int32_t base; // the category's: 100 for a high card to 1000
};

plain_result plain_score(const char* card) {
    plain_result p{};
    for (std::size_t i = 0; i < 5; ++i) {
        std::int32_t r = static_cast<std::int8_t>(card[2 * i]);
        const char* const faces = "0JQKA";
        if (r >= '2' && r <= '9') {
            r -= '0';
        } else if (r != 0 && std::strchr(faces, r) != nullptr) {
            r = static_cast<std::int32_t>(std::strchr(faces, r) - faces) + 10;
        }
        p.rank[i] = r;
        p.shape[i] = card[2 * i + 1];
    }
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = i + 1; j < 5; ++j) {
            if (p.rank[i] > p.rank[j]) {
                std::swap(p.rank[i], p.rank[j]);
                std::swap(p.shape[i], p.shape[j]);
            }
        }
    }
    const auto& r = p.rank;
    p.straight = 1;
    while (p.straight < 5 && (r[p.straight - 1] + 1 == r[p.straight] ||
                              (r[p.straight - 1] == 5 && r[p.straight] == 14))) {
        ++p.straight;
    }
    p.flush = 1;
    while (p.flush < 5 && p.shape[p.flush] == p.shape[0]) {
        ++p.flush;
    }
    if (p.flush == 5 || p.straight == 5) {
        p.base = p.flush == 5 && p.straight == 5 ? (r[4] == 14 ? 1000 : 900)
                 : p.flush == 5                  ? 600
                                                 : 500;
        p.score = p.base + r[4];
        return p;
    }
    int matches = 1;
    std::int32_t top = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (r[i] == r[i + 1]) {
            ++matches;
            top = r[i];
        }
    }
    const bool three = (r[0] == r[1] && r[1] == r[2]) || (r[1] == r[2] && r[2] == r[3]) ||
                       (r[2] == r[3] && r[3] == r[4]);
    p.base = matches == 4   ? (r[1] == r[3] ? 800 : 700)
             : matches == 3 ? (three ? 400 : 300)
             : matches == 2 ? 200
                            : 100;
    p.score = (matches >= 2 && matches <= 4 ? top : r[4]) + p.base;
    return p;
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

// Every category must come up often, including those that characters outside
// the rank table reach, such as suited runs of them.
TEST(OddTokens, MatchThePlainRules) {
    std::mt19937 random(1949);
    long mismatches = 0;
    std::array<long, 11> drawn{}; // by category base / 100
    for (int n = 0; n < 1'000'000; ++n) {
        char card[11] = {};
        random_token(random, card);
        poker::hand h{};
        std::memcpy(h.card, card, 10);
        poker::score_hand(h);
        const plain_result p = plain_score(card);
        const bool same = std::equal(p.rank.begin(), p.rank.end(), h.rank) &&
                          std::equal(p.shape.begin(), p.shape.end(), h.shape) &&
                          h.straight == p.straight && h.flush == p.flush && h.score == p.score;
        ++drawn[static_cast<std::size_t>(p.base / 100)];
        if (!same && ++mismatches <= 10) {
            ADD_FAILURE() << "token " << ::testing::PrintToString(std::string(card, 10))
                          << ": score " << h.score << ", plain " << p.score;
        }
    }
    EXPECT_EQ(mismatches, 0);
    for (std::size_t category = 1; category <= 10; ++category) {
        EXPECT_GE(drawn[category], 1000) << "category " << category * 100 << " drawn too rarely";
    }
}

} // namespace
