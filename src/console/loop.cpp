// The main loop: menu, game, menu again, for as long as input lasts.
#include "loop.h"

#include "game.h"
#include "menu.h"
#include "token_reader.h"

namespace poker {

namespace {

// The reads of the input, as far as the end of the input at a terminal
// needs them: a read_function around the source.
struct watched_reads {
    read_function source;  // the input
    void* context;         // handed to source
    const output* out;     // the output whose count each read notes
    bool line_end;         // the last read that returned bytes ended with a line feed
    std::uint64_t written; // what out had written at that read
};

std::ptrdiff_t read_watched(void* context, char* buffer, std::size_t capacity) {
    auto& w = *static_cast<watched_reads*>(context);
    const std::ptrdiff_t got = w.source(w.context, buffer, capacity);
    if (got > 0) {
        w.line_end = buffer[got - 1] == '\n';
        w.written = written(*w.out);
    }
    return got;
}

// Whether the line that the program left open (the prompt, and whatever the
// user typed behind it) needs a line end before the shell's prompt.
bool line_needs_end(const watched_reads& reads, const output& out, end_of_input where) {
    switch (where) {
    case end_of_input::typed_then_end:
        return false;
    case end_of_input::typed:
        // Ctrl-D after the user's Enter: the echo gave a fresh line, unless
        // the program has written since. Lines pasted in one go can end one
        // line off; the terminal does not tell.
        return out.line_open && (!reads.line_end || reads.written != written(out));
    case end_of_input::piped:
        break;
    }
    return out.line_open;
}

} // namespace

void main_loop(read_function source, void* context, input& in, output& out, const text_table& texts,
               end_of_input where) {
    watched_reads reads{source, context, &out, false, 0};
    open_input(in, read_watched, &reads, &out);
    token_reader tokens{&in};
    // The two hands live for the whole run; every game overwrites them.
    hand a{};
    hand b{};
    for (;;) {
        std::int32_t selection = 0;
        std::int32_t game_number = 0; // read for selections 2 and 3; no game is stored, so unused
        std::int32_t winner = 0;
        if (!choice(tokens, out, texts, selection, game_number)) {
            break;
        }
        const hands_read read = read_hands(tokens, a, b);
        if (read == hands_read::ended) {
            break; // never play a game with the previous game's cards
        }
        if (selection != 3) { // 3 deletes a game: there is nothing to show
            settle_game(out, texts, read, a, b, winner);
        }
        write_line(out, texts.came_through);
    }
    // Input ended: leave the shell's prompt on a fresh line.
    if (line_needs_end(reads, out, where)) {
        write(out, "\n");
    }
    flush(out);
}

} // namespace poker
