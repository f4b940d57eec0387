// CP949 through iconv: see cp949.h.
#include "cp949.h"

#include <cstring>
#include <iconv.h>

namespace poker {

namespace {

// Opened at the first character above ASCII, which only UTF-16 input
// brings, and kept for the rest of the run; iconv_open allocates the
// converter's memory, once. (A plain flag, not a function-local static: the
// program has one thread.)
bool opened = false;
iconv_t converter;

} // namespace

std::size_t cp949_from_unicode(char32_t character, char* bytes) {
    if (character < 0x80) {
        bytes[0] = static_cast<char>(character);
        return 1;
    }
    if (!opened) {
        converter = iconv_open("CP949", "UTF-32LE");
        opened = true;
    }
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's own failure value
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return 0;
    }
    char in[4];
    for (std::size_t i = 0; i < 4; ++i) {
        in[i] = static_cast<char>((character >> (8 * i)) & 0xff);
    }
    char out[8];
    char* in_at = in;
    char* out_at = out;
    std::size_t in_left = sizeof in;
    std::size_t out_left = sizeof out;
    // Anything but an exact conversion (a failure, or a count of
    // irreversible ones) means that CP949 lacks the character.
    const std::size_t inexact = iconv(converter, &in_at, &in_left, &out_at, &out_left);
    const std::size_t size = sizeof out - out_left;
    if (inexact != 0 || in_left != 0 || size > 2) {
        iconv(converter, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        return 0;
    }
    std::memcpy(bytes, out, size);
    return size;
}

} // namespace poker
