// Korean on a Windows console whatever its code page: see windows_console.h.
#include "console/windows_console.h"

#include <cerrno>
#include <cstring>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace poker {

namespace {

// How many bytes at the start of [data, data + size) form whole characters.
// The texts are valid CP949 or UTF-8, so only the last character can be cut.
std::size_t whole_characters(unsigned code_page, const char* data, std::size_t size) {
    std::size_t i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(data[i]);
        std::size_t length = 1;
        if (code_page == CP_UTF8) {
            length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
        } else if (lead >= 0x81 && lead != 0xff) {
            length = 2; // a CP949 lead byte
        }
        if (size - i < length) {
            break;
        }
        i += length;
    }
    return i;
}

// Converts whole characters and writes them, each line end as CR LF.
bool write_converted(const windows_console& console, const char* data, std::size_t size) {
    wchar_t wide[2048];
    wchar_t shown[2 * 2048];
    while (size > 0) {
        const std::size_t part =
            whole_characters(console.code_page, data, size < 2048 ? size : 2048);
        const int count =
            MultiByteToWideChar(console.code_page, 0, data, static_cast<int>(part), wide, 2048);
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
            if (!WriteConsoleW(console.handle, shown + done, length - done, &put, nullptr)) {
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

bool open_windows_console(windows_console& console) {
    HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode)) {
        return false;
    }
    console.handle = handle;
#if POKER_TEXTS_CP949
    console.code_page = 949;
#else
    console.code_page = CP_UTF8;
#endif
    console.carried = 0;
    return true;
}

bool write_windows_console(void* context, const char* data, std::size_t size) {
    auto& console = *static_cast<windows_console*>(context);
    // Complete the character that the last write cut, one byte at a time.
    while (console.carried > 0 && size > 0) {
        console.carry[console.carried++] = *data++;
        --size;
        if (whole_characters(console.code_page, console.carry, console.carried) ==
            console.carried) {
            const std::size_t carried = console.carried;
            console.carried = 0;
            if (!write_converted(console, console.carry, carried)) {
                return false;
            }
        }
    }
    const std::size_t whole = whole_characters(console.code_page, data, size);
    std::memcpy(console.carry, data + whole, size - whole);
    console.carried = size - whole;
    return write_converted(console, data, whole);
}

} // namespace poker
