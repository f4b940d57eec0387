// Whitespace-delimited tokens of any length, read from an input in
// constant memory: the selections, game numbers and hands.
#pragma once

#include "buffered_io.h"

namespace poker {

// Reads the next token, skipping the blanks and line ends before it: space,
// tab, line feed, vertical tab, form feed and carriage return. Every other
// byte, NUL and bytes above 127 included, belongs to a token. Returns false at
// end of input (or when input or output has failed) before any token byte,
// and when the input fails in the middle of a token: a token cut short by a
// broken input is never returned.
bool read_token(input& in, token& t);

// Puts a token back, so that the next read_token returns it again.
void unread_token(input& in, const token& t);

} // namespace poker
