// The menu: shows the four items, reads a selection and a game number.
#pragma once

#include <cstdint>

#include "buffered_io.h"
#include "text_table.h"
#include "token_reader.h"

namespace poker {

// Shows the menu and reads a selection until it is 1 to 4, reading a game
// number after every selection but 1 and 4; a selection outside 1 to 4 is
// answered by the re-prompt and the menu again. Returns false when input
// ends first.
bool choice(token_reader& tokens, output& out, const text_table& texts, std::int32_t& selection,
            std::int32_t& game_number);

} // namespace poker
