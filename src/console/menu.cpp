// The menu: shows the four items, reads a selection and a game number.
#include "menu.h"

#include "text_table.h"

namespace poker {

namespace {

// The game number is read as a whole token. A number is taken, whatever its
// value; anything else is left for the next read: after a selection from 1
// to 4 that is A's hand, the hand it most likely is, and after any other
// selection it is the next selection. Returns false when input ends first.
bool read_game_number(token_reader& tokens, std::int32_t& game_number) {
    token t;
    if (!read_token(tokens, t)) {
        return false;
    }
    if (!t.number) {
        unread_token(tokens, t);
    } else if (t.fits) {
        game_number = t.value;
    }
    return true;
}

// Writes the menu block, ending in the prompt without a line end. It is the
// one long text, and every pass writes it: see write_long.
void write_menu(output& out, const text_table& texts) {
    write_long(out, texts.menu);
}

} // namespace

bool choice(token_reader& tokens, output& out, const text_table& texts, std::int32_t& selection,
            std::int32_t& game_number) {
    for (;;) {
        write_menu(out, texts);
        token t;
        if (!read_token(tokens, t)) {
            return false;
        }
        // A token that is not a number is answered at once; one that does
        // not fit in 32 bits is as far outside 1 to 4 as any other.
        if (t.number) {
            selection = t.fits ? t.value : 0;
            if (selection != 1 && selection != 4 && !read_game_number(tokens, game_number)) {
                return false;
            }
            if (selection >= 1 && selection <= 4) {
                return true;
            }
        }
        write_line(out, texts.again);
    }
}

} // namespace poker
