// A hand's scoring steps, in their order, and the first of them, split.
#include "hand.h"

#include <cstddef>

namespace poker {

void split(hand& h) {
    for (std::size_t i = 0; i < 5; ++i) {
        // The rank character is read as a signed 8-bit number, whatever the
        // signedness of plain char, so bytes 128 to 255 give the same negative
        // values on every platform.
        const auto code = static_cast<std::int8_t>(h.card[2 * i]);
        h.rank[i] = code; // NOLINT(bugprone-signed-char-misuse): the signed value is meant
        h.shape[i] = h.card[2 * i + 1];
    }
}

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
