// CP949 through WideCharToMultiByte: see cp949.h.
#include "cp949.h"

#include <windows.h>

namespace poker {

std::size_t cp949_from_unicode(char32_t character, char* bytes) {
    if (character < 0x80) {
        bytes[0] = static_cast<char>(character);
        return 1;
    }
    wchar_t wide[2];
    int units = 1;
    if (character >= 0x10000) { // CP949 has none of these, but ask all the same
        const char32_t offset = character - 0x10000;
        wide[0] = static_cast<wchar_t>(0xd800 + (offset >> 10));
        wide[1] = static_cast<wchar_t>(0xdc00 + (offset & 0x3ff));
        units = 2;
    } else {
        wide[0] = static_cast<wchar_t>(character);
    }
    BOOL used_default = FALSE;
    const int size = WideCharToMultiByte(949, WC_NO_BEST_FIT_CHARS, wide, units, bytes, 2, nullptr,
                                         &used_default);
    return size <= 0 || used_default ? 0 : static_cast<std::size_t>(size);
}

} // namespace poker
