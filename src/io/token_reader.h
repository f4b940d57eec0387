// Whitespace-delimited tokens of any length, read from an input in
// constant memory: the selections, game numbers and hands.
#pragma once

#include <cstddef>
#include <cstdint>

#include "buffered_io.h"

namespace poker {

// One token, as read_token finds it. Only its first bytes are kept, so a
// token of any length costs the same memory; its length and whether it is
// a number are worked out as it streams past.
struct token {
    char text[11];      // the first ten bytes, NUL-padded behind a shorter token
    std::size_t length; // its length in bytes
    bool number;        // an optional + or -, then one or more ASCII digits, nothing else
    bool fits;          // a number whose value fits in 32 signed bits
    std::int32_t value; // that value, when it fits
};

// Tokens from an input, with room for one put back.
struct token_reader {
    input* in;                // where the tokens' bytes come from
    bool has_pending = false; // a token was put back (unread_token)
    token pending = {};       // the token that the next read_token returns
};

// Reads the next token, skipping the blanks and line ends before it: space,
// tab, line feed, vertical tab, form feed and carriage return. Every other
// byte, NUL and bytes above 127 included, belongs to a token. Returns false at
// end of input (or when input or output has failed) before any token byte,
// and when the input fails in the middle of a token: a token cut short by a
// broken input is never returned.
bool read_token(token_reader& reader, token& t);

// Puts a token back, so that the next read_token returns it again.
void unread_token(token_reader& reader, const token& t);

} // namespace poker
