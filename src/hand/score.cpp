// Scoring a prepared hand: run, suit and group tests, score and tie value.
//
// On random hands most tests here go either way, and the processor would
// mispredict a branch on them: the run and suit counts add up links rather
// than stop at the first gap, and the groups and their bases are read from
// tables built at compile time. Only calculation's tests for five of a suit
// and a run of five stay tests, as random hands rarely pass them.
#include <array>
#include <cstddef>

#include "hand.h"

namespace poker {

std::int32_t straight_check(const std::int32_t rank[5]) {
    // 1, plus 1 for each link before the first gap. A link is the next rank
    // (widened, so that the largest value has no next), or an ace directly
    // after a five: A-2-3-4-5.
    std::int32_t run = 1;
    std::int32_t unbroken = 1;
    for (std::size_t i = 0; i < 4; ++i) {
        const bool next = std::int64_t{rank[i]} + 1 == rank[i + 1];
        const bool ace_after_five = (rank[i] == 5) & (rank[i + 1] == 14);
        unbroken &= static_cast<std::int32_t>(next | ace_after_five);
        run += unbroken;
    }
    return run;
}

std::int32_t flush_check(const char shape[5]) {
    // 1, plus 1 for each card before the first that differs from card 0.
    std::int32_t same = 1;
    std::int32_t unbroken = 1;
    for (std::size_t i = 1; i < 5; ++i) {
        unbroken &= static_cast<std::int32_t>(shape[i] == shape[0]);
        same += unbroken;
    }
    return same;
}

namespace {

// What count decides, for one pattern of equal neighbours.
struct groups {
    std::int32_t main_group;   // 1 to 4
    std::int32_t second_group; // 1 or 2; 0 when the caller's value stays
    std::size_t top_card;      // the card whose rank is the top rank
};

// The plain classification, on a pattern of equal neighbours: bit i is set
// when rank i equals rank i + 1. Every test it makes is one on neighbours,
// so the pattern alone decides it, for any five values.
constexpr groups classify(unsigned equal) {
    const auto same = [equal](std::size_t i) { return (equal >> i & 1U) != 0; };
    // 1 plus the equal neighbours, i.e. 6 minus the distinct ranks. Taking
    // the pairs from the low end leaves the top rank at the highest pair.
    groups g{1, 0, 4};
    int matches = 1;
    for (std::size_t i = 0; i < 4; ++i) {
        if (same(i)) {
            ++matches;
            g.top_card = i;
        }
    }
    switch (matches) {
    case 4: // four of a kind or full house; with three equal neighbours,
            // rank 1 equals rank 3 exactly when 1-2 and 2-3 are both equal
        if (same(1) && same(2)) {
            g.main_group = 4;
        } else {
            g.main_group = 3;
            g.second_group = 2;
        }
        break;
    case 3: // three of a kind or two pair
        if ((same(0) && same(1)) || (same(1) && same(2)) || (same(2) && same(3))) {
            g.main_group = 3;
            g.second_group = 1;
        } else {
            g.main_group = 2;
            g.second_group = 2;
        }
        break;
    case 2:
        g.main_group = 2;
        g.second_group = 1;
        break;
    default: // no repeated rank, or five equal ranks: both count as high card
        g.main_group = 1;
        g.top_card = 4;
        break;
    }
    return g;
}

constexpr std::array<groups, 16> group_table = [] {
    std::array<groups, 16> table{};
    for (unsigned equal = 0; equal < 16; ++equal) {
        table[equal] = classify(equal);
    }
    return table;
}();

} // namespace

void count(const std::int32_t rank[5], std::int32_t& main_group, std::int32_t& second_group,
           std::int32_t& top_rank) {
    unsigned equal = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        equal |= static_cast<unsigned>(rank[i] == rank[i + 1]) << i;
    }
    const groups g = group_table[equal];
    main_group = g.main_group;
    second_group = g.second_group != 0 ? g.second_group : second_group;
    top_rank = rank[g.top_card];
}

std::int32_t calculation(std::int32_t flush, std::int32_t straight, const hand& h) {
    const std::int32_t highest = h.rank[4];
    if (flush == 5 && straight == 5) {
        return highest + category_base(highest == 14 ? category::royal_straight_flush
                                                     : category::straight_flush);
    }
    if (flush == 5) {
        return highest + category_base(category::flush);
    }
    if (straight == 5) {
        return highest + category_base(category::straight);
    }

    std::int32_t main_group = 1;
    std::int32_t second_group = 1;
    std::int32_t top_rank = 0;
    count(h.rank, main_group, second_group, top_rank);
    // The base by main_group, then second_group (1 or 2; main_group is 1
    // to 4): a table rather than a switch, whose jump random hands
    // mispredict.
    static constexpr std::int32_t bases[5][3] = {
        {},
        {0, category_base(category::high_card), category_base(category::high_card)},
        {0, category_base(category::one_pair), category_base(category::two_pair)},
        {0, category_base(category::three_of_a_kind), category_base(category::full_house)},
        {0, category_base(category::four_of_a_kind), category_base(category::four_of_a_kind)}};
    return top_rank + bases[main_group][second_group];
}

std::int32_t high_shape(const char shape[5]) {
    (void)shape; // the suits never break a tie
    return 4;
}

} // namespace poker
