// Every text the dialogue writes to standard output, in both encodings.
//
// The Korean texts exist twice: as UTF-8 (texts_utf8.h), for terminals that
// expect it, and as the CP949 bytes that a Korean Windows terminal shows
// (texts_cp949.h). A test converts the UTF-8 table with iconv and compares,
// so the two cannot drift apart. Only the menu block holds line ends; every
// other line end is written where a line ends (write_line).
#pragma once

#include "text_encoding.h"
#include "texts_cp949.h"
#include "texts_utf8.h"

namespace poker {

// The texts in an encoding. Where the platform says what its output
// expects, the program chooses the table at start (see standard_streams.h).
constexpr const text_table& texts_in(text_encoding encoding) {
    return encoding == text_encoding::utf8 ? utf8_texts : cp949_texts;
}

} // namespace poker
