// mapping and sort in plain_poker: the plain steps of tests/plain_hand.cpp,
// where poker has the tuned ones of src/hand/card.cpp.
#include "plain_hand.h"

namespace poker {

void mapping(hand& h) {
    plain::mapping(h);
}

void sort(char shape[5], std::int32_t rank[5]) {
    plain::sort(shape, rank);
}

} // namespace poker
