// The main loop: menu, game, menu again, for as long as input lasts.
#include "console/loop.h"

#include "console/game.h"
#include "console/menu.h"
#include "console/texts.h"

namespace poker {

void main_loop(input& in, output& out) {
    // The two hands live for the whole run; every game overwrites them.
    hand a{};
    hand b{};
    for (;;) {
        std::int32_t selection = 0;
        std::int32_t game_number = 0; // read for selections 2 and 3; no game is stored, so unused
        std::int32_t winner = 0;
        if (!choice(in, out, selection, game_number)) {
            break;
        }
        const hands_read read = read_hands(in, a, b);
        if (read == hands_read::ended) {
            break; // never play a game with the previous game's cards
        }
        if (selection != 3) { // 3 deletes a game: there is nothing to show
            settle_game(out, read, a, b, winner);
        }
        write_line(out, texts.came_through);
    }
    // Input ended: leave the shell's prompt on a fresh line.
    if (out.line_open) {
        write(out, "\n");
    }
    flush(out);
}

} // namespace poker
