// How the screen stands when input ends, which depends on what standard
// input and output are: the platform says which (standard_streams.h), and
// the main loop ends the last line accordingly.
#pragma once

namespace poker {

enum class end_of_input {
    // a pipe or a file: the program ends a line it left open
    piped,
    // a terminal on Linux (or another POSIX system), whose echo of Enter
    // already ended the line
    at_a_terminal,
    // a Windows terminal (a console window), where input only ends after an Enter
    at_a_windows_terminal,
};

} // namespace poker
