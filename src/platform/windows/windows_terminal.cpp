// Korean in a Windows terminal whatever its code page: see windows_terminal.h.
#include "windows_terminal.h"

#include <cerrno>

#include <windows.h>

namespace poker {

namespace {

unsigned code_page(text_encoding encoding) {
    return encoding == text_encoding::utf8 ? CP_UTF8 : 949;
}

// Converts whole characters and writes them, each line end as CR LF.
bool write_converted(void* context, const char* data, std::size_t size) {
    const auto& terminal = *static_cast<const windows_terminal*>(context);
    wchar_t wide[2048];
    wchar_t shown[2 * 2048];
    while (size > 0) {
        const std::size_t part =
            whole_characters(terminal.carry.encoding, data, size < 2048 ? size : 2048);
        const int count = MultiByteToWideChar(code_page(terminal.carry.encoding), 0, data,
                                              static_cast<int>(part), wide, 2048);
        if (count <= 0) {
            errno = EILSEQ;
            return false;
        }
        DWORD length = 0;
        for (int i = 0; i < count; ++i) {
            if (wide[i] == L'\n') {
                shown[length++] = L'\r';
            }
            shown[length++] = wide[i];
        }
        for (DWORD done = 0; done < length;) {
            DWORD put = 0;
            if (!WriteConsoleW(terminal.handle, shown + done, length - done, &put, nullptr)) {
                errno = EIO;
                return false;
            }
            done += put;
        }
        data += part;
        size -= part;
    }
    return true;
}

} // namespace

void open_windows_terminal(windows_terminal& terminal, text_encoding encoding) {
    terminal = windows_terminal{.handle = GetStdHandle(STD_OUTPUT_HANDLE),
                                .carry = character_carry{.encoding = encoding}};
}

bool write_windows_terminal(void* context, const char* data, std::size_t size) {
    auto& terminal = *static_cast<windows_terminal*>(context);
    return write_whole_characters(terminal.carry, data, size, write_converted, &terminal);
}

} // namespace poker
