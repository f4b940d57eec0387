// The main loop: menu, game, menu again, for as long as input lasts.
#pragma once

#include "buffered_io.h"
#include "end_of_input.h"
#include "text_table.h"

namespace poker {

// Runs passes from in to out, in the given texts, until input ends, then
// leaves the output on a fresh line and flushed. Each pass: the menu and its
// selection, the two hands, the game evaluated unless the selection is 3,
// the closing trace. Input or output failures are left in the records for
// the caller to report.
void main_loop(input& in, output& out, const text_table& texts,
               end_of_input where = end_of_input::piped);

} // namespace poker
