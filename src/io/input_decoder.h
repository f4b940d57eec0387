// Input as the program reads it, in whatever form Windows tools saved it.
//
// Input that starts with a byte-order mark says its own encoding. UTF-8's
// mark (EF BB BF) is skipped. UTF-16's (FF FE little-endian, FE FF
// big-endian: Notepad's "Unicode" and PowerShell 5.1's `>` write it) makes
// the rest of the input UTF-16, which is decoded here and passed on in the
// encoding of the output, so that the token reader sees the bytes it
// would have seen had the file been saved in that encoding. Any other input
// is passed on as it is. Where the platform's rule is that a Ctrl-Z ends the
// input (Windows), the decoder applies it, in UTF-16 input to the character
// U+001A and never to a byte inside another character.
//
// The decoder is a read_function over a read_function, in constant memory.
#pragma once

#include <cstddef>

#include "buffered_io.h"

namespace poker {

// Puts one Unicode character in the output's encoding: writes its bytes (at
// most four) and returns how many, or 0 when the encoding lacks it.
using unicode_encoder = std::size_t (*)(char32_t character, char* bytes);

// A unicode_encoder for UTF-8.
std::size_t utf8_from_unicode(char32_t character, char* bytes);

// What the first bytes of the input said.
enum class input_form {
    undecided, // they may still be the start of a mark
    bytes,     // no mark, or UTF-8's: passed on as they are
    utf16le,   // FF FE
    utf16be,   // FE FF
};

struct input_decoder {
    read_function source;                    // the raw input
    void* context;                           // handed to source
    unicode_encoder encode;                  // what UTF-16 input is passed on as
    bool ctrl_z_ends;                        // a Ctrl-Z ends the input wherever it stands
    input_form form = input_form::undecided; // decided by the first bytes
    bool ended = false;                      // source ended, or a Ctrl-Z came: read nothing more
    char16_t high_surrogate = 0;             // a UTF-16 pair's first half awaiting its second
    std::size_t raw_next = 0;                // first byte in raw not yet passed on
    std::size_t raw_end = 0;                 // one past the last byte read into raw
    std::size_t cut_next = 0;                // first byte in cut not yet passed on
    std::size_t cut_end = 0;                 // one past the last byte in cut
    char cut[4] = {};                        // what a read had no room for of a character
    char raw[io_buffer_size] = {};           // from source: the first bytes, then UTF-16
};

// A decoder ready to read from `source`, passing UTF-16 input on through `encode`.
void open_input_decoder(input_decoder& decoder, read_function source, void* context,
                        unicode_encoder encode, bool ctrl_z_ends);

// A read_function over an input_decoder. Passes on whatever is there as
// soon as it is there: a typed line is never held back for more bytes.
std::ptrdiff_t read_decoded(void* decoder, char* buffer, std::size_t capacity);

} // namespace poker
