// The main loop: menu, game, menu again, for as long as input lasts.
#include "loop.h"

#include "game.h"
#include "menu.h"

namespace poker {

namespace {

// Whether the line that the program left open (the prompt, and whatever the
// user typed behind it) needs a line end before the shell's prompt.
bool line_needs_end(const input& in, const output& out, end_of_input where) {
    switch (where) {
    case end_of_input::at_a_windows_terminal:
        return false;
    case end_of_input::at_a_terminal:
        // Ctrl-D after the user's Enter: the echo gave a fresh line, unless
        // the program has written since. Lines pasted in one go can end one
        // line off; the terminal does not tell.
        return out.line_open && !(in.read_line_end && in.written_at_read == written(out));
    case end_of_input::piped:
        break;
    }
    return out.line_open;
}

} // namespace

void main_loop(input& in, output& out, const text_table& texts, end_of_input where) {
    // The two hands live for the whole run; every game overwrites them.
    hand a{};
    hand b{};
    for (;;) {
        std::int32_t selection = 0;
        std::int32_t game_number = 0; // read for selections 2 and 3; no game is stored, so unused
        std::int32_t winner = 0;
        if (!choice(in, out, texts, selection, game_number)) {
            break;
        }
        const hands_read read = read_hands(in, a, b);
        if (read == hands_read::ended) {
            break; // never play a game with the previous game's cards
        }
        if (selection != 3) { // 3 deletes a game: there is nothing to show
            settle_game(out, texts, read, a, b, winner);
        }
        write_line(out, texts.came_through);
    }
    // Input ended: leave the shell's prompt on a fresh line.
    if (line_needs_end(in, out, where)) {
        write(out, "\n");
    }
    flush(out);
}

} // namespace poker
