// One Unicode character as CP949 bytes, for input that arrives as UTF-16
// while the output speaks CP949. The platform's own converter does it
// (iconv elsewhere, WideCharToMultiByte on Windows, whose tables may differ
// on rare characters), and never by best fit: a character that CP949 lacks
// has no bytes rather than a look-alike.
#pragma once

#include <cstddef>

namespace poker {

// Writes the character's one or two bytes to `bytes` and returns how many;
// returns 0 when CP949 lacks the character. (A unicode_encoder: see
// input_decoder.h.)
std::size_t cp949_from_unicode(char32_t character, char* bytes);

} // namespace poker
