// Korean in a Windows terminal (a console window, in Windows' words)
// whatever its code page.
//
// Bytes written to a Windows terminal are shown in its code page, which is
// 949 only on a Korean system. When standard output is a terminal, the
// program's output is converted to UTF-16 and written with WriteConsoleW
// instead, which every Windows terminal shows correctly without changing
// its settings. Redirected output keeps the program's own bytes.
#pragma once

#include <cstddef>

#include "character_carry.h"
#include "text_encoding.h"

namespace poker {

// A write_function's context for a Windows terminal.
struct windows_terminal {
    void* handle;          // the terminal's output handle
    character_carry carry; // a character that a flush cut, until the rest arrives
};

// Fills in `terminal` for output in `encoding`, when standard output is a terminal.
void open_windows_terminal(windows_terminal& terminal, text_encoding encoding);

// A write_function over a windows_terminal.
bool write_windows_terminal(void* context, const char* data, std::size_t size);

} // namespace poker
