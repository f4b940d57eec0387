// Whole characters out of writes that may cut them.
//
// A Windows terminal takes text a character at a time (windows_terminal.h
// in src/platform/windows): half a character written now and half later
// would show as two wrong ones. The output buffer is flushed wherever it is
// full, so a write may end inside a character; the carry keeps the start of
// that character until the write that completes it.
#pragma once

#include <cstddef>

#include "buffered_io.h"
#include "text_encoding.h"

namespace poker {

struct character_carry {
    text_encoding encoding; // the bytes' encoding, which says how long each character is
    char bytes[4] = {};     // the start of a character that a write cut
    std::size_t size = 0;   // how many bytes of it are held
};

// How many bytes at the start of [data, data + size) form whole characters.
std::size_t whole_characters(text_encoding encoding, const char* data, std::size_t size);

// Hands [data, data + size) on to `sink` in whole characters only: completes
// the character carried from the last call first, and carries whatever the
// end of this one cuts. Returns false when the sink fails.
bool write_whole_characters(character_carry& carry, const char* data, std::size_t size,
                            write_function sink, void* context);

} // namespace poker
