// Scoring a prepared hand: run, suit and group tests, score and tie value,
// each step as the game's rules state it.
#include "hand.h"

namespace poker {

std::int32_t straight_check(const std::int32_t rank[5]) {
    std::int32_t run = 1;
    for (int i = 0; i < 4; ++i) {
        // The next rank (widened, so that the largest value has none), or
        // an ace closing a run that has reached the five: A-2-3-4-5.
        const bool next = std::int64_t{rank[i]} + 1 == rank[i + 1];
        const bool ace_after_five = rank[i] == 5 && rank[i + 1] == 14;
        if (!next && !ace_after_five) {
            break;
        }
        ++run;
    }
    return run;
}

std::int32_t flush_check(const char shape[5]) {
    std::int32_t same = 1;
    for (int i = 1; i < 5 && shape[i] == shape[0]; ++i) {
        ++same;
    }
    return same;
}

void count(const std::int32_t rank[5], std::int32_t& main_group, std::int32_t& second_group,
           std::int32_t& top_rank) {
    // The match count: 1 plus the equal neighbours, that is 6 minus the
    // distinct ranks. Taken from the low end, the last equal pair leaves
    // the highest repeated rank in top_rank.
    int matches = 1;
    for (int i = 0; i < 4; ++i) {
        if (rank[i] == rank[i + 1]) {
            ++matches;
            top_rank = rank[i];
        }
    }
    const auto three_from = [rank](int i) {
        return rank[i] == rank[i + 1] && rank[i + 1] == rank[i + 2];
    };
    if (matches == 4) { // four of a kind or full house
        if (rank[1] == rank[3]) {
            main_group = 4;
        } else {
            main_group = 3;
            second_group = 2;
        }
    } else if (matches == 3) { // three of a kind or two pair
        if (three_from(0) || three_from(1) || three_from(2)) {
            main_group = 3;
            second_group = 1;
        } else {
            main_group = 2;
            second_group = 2;
        }
    } else if (matches == 2) {
        main_group = 2;
        second_group = 1;
    } else { // no repeated rank, or five equal ranks: both count as a high card
        main_group = 1;
        top_rank = rank[4];
    }
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
    switch (main_group) {
    case 4:
        return top_rank + category_base(category::four_of_a_kind);
    case 3:
        return top_rank +
               category_base(second_group == 2 ? category::full_house : category::three_of_a_kind);
    case 2:
        return top_rank +
               category_base(second_group == 2 ? category::two_pair : category::one_pair);
    default:
        return top_rank + category_base(category::high_card);
    }
}

std::int32_t high_shape(const char shape[5]) {
    (void)shape; // the suits never break a tie
    return 4;
}

} // namespace poker
