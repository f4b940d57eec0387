// A hand's scoring steps, in their order.
#include "hand.h"

namespace poker {

void score_hand(hand& h) {
    split(h);
    mapping(h);
    sort(h.shape, h.rank);
    h.straight = straight_check(h.rank);
    h.flush = flush_check(h.shape);
    h.score = calculation(h.flush, h.straight, h);
    h.high = high_shape(h.shape);
}

} // namespace poker
