// Korean on a Windows console whatever its code page.
//
// Bytes written to a console are shown in the console's code page, which is
// 949 only on a Korean system. When standard output is a console, the
// program's texts are converted to UTF-16 and written with WriteConsoleW
// instead, which every console shows correctly without changing its
// settings. Redirected output keeps the program's own bytes.
#pragma once

#include <cstddef>

namespace poker {

// A write_function's context for the console: the handle and the bytes of a
// character that a flush split, kept until the rest of it arrives.
struct windows_console {
    void* handle;        // the console's output handle
    unsigned code_page;  // the encoding of the program's texts
    char carry[4];       // the start of a character split by the last write
    std::size_t carried; // how many bytes of carry are used
};

// Fills in `console` and returns true when standard output is a console.
bool open_windows_console(windows_console& console);

// A write_function over a windows_console.
bool write_windows_console(void* context, const char* data, std::size_t size);

} // namespace poker
