// The main loop: game after game until input ends.
#pragma once

#include "console/io.h"

namespace poker {

// Runs games from in to out until input ends, then leaves the output on a
// fresh line and flushed. Input or output failures are left in the records
// for the caller to report.
void main_loop(input& in, output& out);

} // namespace poker
