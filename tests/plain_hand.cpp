#include "plain_hand.h"

#include <utility>

namespace poker::plain {

void mapping(hand& h) {
    for (std::int32_t& r : h.rank) {
        if (r >= '2' && r <= '9') {
            r -= '0';
        } else if (r == '0') {
            r = 10;
        } else if (r == 'J') {
            r = 11;
        } else if (r == 'Q') {
            r = 12;
        } else if (r == 'K') {
            r = 13;
        } else if (r == 'A') {
            r = 14;
        }
    }
}

void sort(char shape[5], std::int32_t rank[5]) {
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 5; ++j) {
            if (rank[i] > rank[j]) {
                std::swap(rank[i], rank[j]);
                std::swap(shape[i], shape[j]);
            }
        }
    }
}

void score_hand(hand& h) {
    poker::split(h);
    plain::mapping(h); // qualified: the hand's namespace would offer src/hand's too
    plain::sort(h.shape, h.rank);
    h.straight = straight_check(h.rank);
    h.flush = flush_check(h.shape);
    h.score = calculation(h.flush, h.straight, h);
    h.high = high_shape(h.shape);
}

} // namespace poker::plain
