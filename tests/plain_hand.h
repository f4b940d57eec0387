// The hand with src/hand's two tuned steps written plainly, as the rules
// read them: mapping's chain of tests for its table, and sort's exchanges
// with a branch for its packed cards. The tests' model of those steps, and
// the benchmark's baseline for what they save (bench/plain_card.cpp).
#pragma once

#include "hand.h"

namespace poker::plain {

void mapping(hand& h);
void sort(char shape[5], std::int32_t rank[5]);

// score_hand's steps in their order, with the two above.
void score_hand(hand& h);

} // namespace poker::plain
