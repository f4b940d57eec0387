// Preparing a hand for scoring: card text to rank values and suits, sorted.
#include "hand/hand.h"

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

namespace {

// The rank value of a character code, or the code itself when the character
// is not a rank character (a lower-case letter, a 1, a byte above 127).
std::int32_t rank_value(std::int32_t code) {
    if (code >= '2' && code <= '9') {
        return code - '0';
    }
    switch (code) {
    case '0':
        return 10;
    case 'J':
        return 11;
    case 'Q':
        return 12;
    case 'K':
        return 13;
    case 'A':
        return 14;
    default:
        return code;
    }
}

} // namespace

void mapping(hand& h) {
    for (std::int32_t& r : h.rank) {
        r = rank_value(r);
    }
}

void sort(char shape[5], std::int32_t rank[5]) {
    // An exchange sort: equal ranks are never swapped with each other, but a
    // swap with a third card can reorder them, and the suits follow; the
    // resulting suit order is part of what a hand looks like after sorting.
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 5; ++j) {
            if (rank[i] > rank[j]) {
                const std::int32_t r = rank[i];
                rank[i] = rank[j];
                rank[j] = r;
                const char s = shape[i];
                shape[i] = shape[j];
                shape[j] = s;
            }
        }
    }
}

} // namespace poker
