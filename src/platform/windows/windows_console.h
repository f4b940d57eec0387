// Korean on a Windows console whatever its code page.
//
// Bytes written to a console are shown in the console's code page, which is
// 949 only on a Korean system. When standard output is a console, the
// program's texts are converted to UTF-16 and written with WriteConsoleW
// instead, which every console shows correctly without changing its
// settings. Redirected output keeps the program's own bytes.
#pragma once

#include <cstddef>

#include "character_carry.h"
#include "text_encoding.h"

namespace poker {

// A write_function's context for the console.
struct windows_console {
    void* handle;          // the console's output handle
    character_carry carry; // a character that a flush cut, until the rest arrives
};

// Fills in `console` for texts in `encoding`, when standard output is a console.
void open_windows_console(windows_console& console, text_encoding encoding);

// A write_function over a windows_console.
bool write_windows_console(void* context, const char* data, std::size_t size);

} // namespace poker
