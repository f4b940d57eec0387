// The two steps that prepare a hand and are tuned for speed: mapping, by a
// table, and sort, by branchless exchanges. bench/run.py measures what they
// save against the plain steps of tests/plain_hand.cpp.
#include "hand.h"

#include <array>
#include <cstddef>

namespace poker {

namespace {

// The rank value of a character code, or the code itself when the character
// is not a rank character (a lower-case letter, a 1, a byte above 127).
constexpr std::int32_t rank_value(std::int32_t code) {
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

// rank_value of every code that split gives (-128 to 127, at index code +
// 128), as a table: the chain of comparisons mispredicts on random hands.
// (16-bit entries: with 32-bit ones GCC gathers the five loads into a
// vector, which is slower.)
constexpr std::array<std::int16_t, 256> rank_values = [] {
    std::array<std::int16_t, 256> values{};
    for (std::size_t index = 0; index < values.size(); ++index) {
        values[index] =
            static_cast<std::int16_t>(rank_value(static_cast<std::int32_t>(index) - 128));
    }
    return values;
}();

// A card as one number, its rank above its suit byte, so that one exchange
// moves both; only the rank part is ever compared.
using packed_card = std::int64_t;

packed_card pack(std::int32_t rank, char suit) {
    return packed_card{rank} * 256 + static_cast<unsigned char>(suit);
}

std::int32_t rank_of(packed_card card) {
    return static_cast<std::int32_t>(card >> 8);
}

// Puts the card of lower rank first: the plain `if (rank of low > rank of
// high) swap them`, without a branch, since which way it goes on a random
// hand cannot be predicted. The mask is all ones to swap, else zero: the
// sign of (high with its suit byte all ones) - low, which is negative
// exactly when low's rank is the greater.
void exchange(packed_card& low, packed_card& high) {
    const packed_card mask = ((high | 0xff) - low) >> 63;
    const packed_card difference = (low ^ high) & mask;
    low ^= difference;
    high ^= difference;
}

} // namespace

void mapping(hand& h) {
    for (std::int32_t& r : h.rank) {
        // r = rank_value(r), through the table. Values outside a signed byte,
        // which only other callers than split bring, keep themselves; the
        // index is masked so that the table is read in bounds either way.
        const std::uint32_t index = static_cast<std::uint32_t>(r) + 128U;
        const std::int32_t mapped = rank_values[index & 0xffU];
        r = index < 256U ? mapped : r;
    }
}

void sort(char shape[5], std::int32_t rank[5]) {
    // An exchange sort: equal ranks are never swapped with each other, but a
    // swap with a third card can reorder them, and the suits follow; the
    // resulting suit order is part of what a hand looks like after sorting,
    // so the exchanges stay those of the plain sort, in its order. They work
    // on local copies, which the compiler keeps in registers.
    packed_card cards[5];
    for (std::size_t i = 0; i < 5; ++i) {
        cards[i] = pack(rank[i], shape[i]);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = i + 1; j < 5; ++j) {
            exchange(cards[i], cards[j]);
        }
    }
    for (std::size_t i = 0; i < 5; ++i) {
        rank[i] = rank_of(cards[i]);
        shape[i] = static_cast<char>(cards[i] & 0xff);
    }
}

} // namespace poker
