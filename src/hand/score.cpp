// Scoring a prepared hand: run, suit and group tests, score and tie value.
#include "hand/hand.h"

namespace poker {

std::int32_t straight_check(const std::int32_t rank[5]) {
    std::int32_t run = 1;
    for (int i = 0; i < 4; ++i) {
        // A five directly followed by an ace is a link too: A-2-3-4-5.
        if (rank[i] + 1 != rank[i + 1] && !(rank[i] == 5 && rank[i + 1] == 14)) {
            break;
        }
        ++run;
    }
    return run;
}

std::int32_t flush_check(const char shape[5]) {
    std::int32_t same = 1;
    for (int i = 1; i < 5; ++i) {
        if (shape[i] != shape[0]) {
            break;
        }
        ++same;
    }
    return same;
}

void count(const std::int32_t rank[5], std::int32_t& main_group, std::int32_t& second_group,
           std::int32_t& top_rank) {
    // 1 plus the equal neighbours, i.e. 6 minus the distinct ranks. Taking
    // the pairs from the low end leaves top_rank at the highest repeated rank.
    std::int32_t matches = 1;
    for (int i = 0; i < 4; ++i) {
        if (rank[i] == rank[i + 1]) {
            ++matches;
            top_rank = rank[i];
        }
    }

    switch (matches) {
    case 4: // four of a kind or full house
        if (rank[1] == rank[3]) {
            main_group = 4;
        } else {
            main_group = 3;
            second_group = 2;
        }
        break;
    case 3: // three of a kind or two pair
        if ((rank[0] == rank[1] && rank[1] == rank[2]) ||
            (rank[1] == rank[2] && rank[2] == rank[3]) ||
            (rank[2] == rank[3] && rank[3] == rank[4])) {
            main_group = 3;
            second_group = 1;
        } else {
            main_group = 2;
            second_group = 2;
        }
        break;
    case 2:
        main_group = 2;
        second_group = 1;
        break;
    default: // no repeated rank, or five equal ranks: both count as high card
        main_group = 1;
        top_rank = rank[4];
        break;
    }
}

std::int32_t calculation(std::int32_t flush, std::int32_t straight, const hand& h) {
    const std::int32_t highest = h.rank[4];
    if (flush == 5 && straight == 5) {
        return highest == 14 ? highest + 1000 : highest + 900;
    }
    if (flush == 5) {
        return highest + 600;
    }
    if (straight == 5) {
        return highest + 500;
    }

    std::int32_t main_group = 1;
    std::int32_t second_group = 1;
    std::int32_t top_rank = 0;
    count(h.rank, main_group, second_group, top_rank);
    switch (main_group) {
    case 4:
        return top_rank + 800;
    case 3:
        return second_group == 2 ? top_rank + 700 : top_rank + 400;
    case 2:
        return second_group == 2 ? top_rank + 300 : top_rank + 200;
    default:
        return top_rank + 100;
    }
}

std::int32_t high_shape(const char shape[5]) {
    (void)shape; // the suits never break a tie
    return 4;
}

} // namespace poker
