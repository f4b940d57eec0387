// The main loop: menu, game, menu again, for as long as input lasts.
#pragma once

#include "buffered_io.h"
#include "text_table.h"

namespace poker {

// What the screen shows when the input ends, which decides whether the
// program ends the line it left open before the shell's next prompt.
enum class end_of_input {
    piped,          // input or output is a file or a pipe: nothing else ends that line
    typed,          // at a terminal whose end key (Ctrl-D) leaves the cursor where
                    // it was, so the echo of the user's last Enter may have ended it
    typed_then_end, // at a terminal whose end keys (Ctrl-Z, then Enter) end the line
};

// Runs passes until the input ends: reads `source` through `in`, which it
// opens, tied to `out`, and writes to `out` in the given texts; then leaves
// the output on a fresh line and flushed. Each pass: the menu and its
// selection, the two hands, the game evaluated unless the selection is 3,
// the closing trace. Input or output failures are left in the records for
// the caller to report.
void main_loop(read_function source, void* context, input& in, output& out, const text_table& texts,
               end_of_input where = end_of_input::piped);

} // namespace poker
