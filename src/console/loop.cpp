// The main loop: game after game until input ends.
#include "console/loop.h"

#include "console/game.h"

namespace poker {

void main_loop(input& in, output& out) {
    hand a{};
    hand b{};
    for (;;) {
        std::int32_t winner = 0;
        const hands_read read = read_hands(in, a, b);
        if (read == hands_read::ended) {
            break;
        }
        settle_game(out, read, a, b, winner);
    }
    if (out.line_open) {
        write(out, "\n");
    }
    flush(out);
}

} // namespace poker
