// The main loop: menu, game, menu again, for as long as input lasts.
#pragma once

#include "console/io.h"

namespace poker {

// Whether the screen already stands on a fresh line when input ends, which
// depends on what standard input and output are.
enum class end_of_input {
    piped,         // a pipe or a file: the program ends a line it left open
    at_a_terminal, // a Linux terminal, whose echo of Enter already ended the line
    at_a_console,  // a Windows console, where input only ends after an Enter
};

// Runs passes from in to out until input ends, then leaves the output on a
// fresh line and flushed. Each pass: the menu and its selection, the two
// hands, the game evaluated unless the selection is 3, the closing trace.
// Input or output failures are left in the records for the caller to report.
void main_loop(input& in, output& out, end_of_input where = end_of_input::piped);

} // namespace poker
