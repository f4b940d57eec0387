// poker with the plain hand (tests/plain_hand.cpp): the benchmark's
// baseline for what the tuning of src/hand saves. Linked before the
// library, this score_hand is the one the game calls.
#include "plain_hand.h"

namespace poker {

void score_hand(hand& h) {
    plain::score_hand(h);
}

} // namespace poker
