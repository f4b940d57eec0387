// The menu: shows the four items, reads a selection and a game number.
#include "menu.h"

#include "text_table.h"
#include "token_reader.h"

namespace poker {

namespace {

// The game number is read as a whole token. A number is taken, whatever its
// value; anything else is left for the next read, which takes it as the
// hand it most likely is. Returns false when input ends first.
bool read_game_number(input& in, std::int32_t& game_number) {
    token t;
    if (!read_token(in, t)) {
        return false;
    }
    if (!t.number) {
        unread_token(in, t);
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

bool choice(input& in, output& out, const text_table& texts, std::int32_t& selection,
            std::int32_t& game_number) {
    for (;;) {
        write_menu(out, texts);
        token t;
        if (!read_token(in, t)) {
            return false;
        }
        // A token that is not a number is answered at once; one that does
        // not fit in 32 bits is as far outside 1 to 4 as any other.
        if (t.number) {
            selection = t.fits ? t.value : 0;
            if (selection != 1 && selection != 4 && !read_game_number(in, game_number)) {
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
