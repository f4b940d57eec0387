// Every text the console writes, in both encodings.
//
// The Korean texts exist twice: as UTF-8 (texts_utf8.h), for terminals that
// expect it, and as the CP949 bytes that a Korean Windows console shows
// (texts_cp949.h). A test converts the UTF-8 table with iconv and compares,
// so the two cannot drift apart. None of the texts holds a line end; the
// writer adds one where a line ends.
#pragma once

#include "console/texts_cp949.h"
#include "console/texts_utf8.h"

namespace poker {

// The texts in the encoding the program was built for. Where the platform
// says what its output expects, the program may choose the other table at
// start (see standard_io.h).
#if POKER_TEXTS_CP949
inline constexpr const text_table& build_texts = cp949_texts;
#else
inline constexpr const text_table& build_texts = utf8_texts;
#endif

} // namespace poker
