// Standard input and output on Windows.
//
// Standard input is read in binary mode: text mode would stop at a 0x1A byte
// inside UTF-16 text (44 Hangul syllables hold one) and fold CR LF, which the
// token reader takes as blanks anyway. The input decoder applies the Ctrl-Z
// rule that text mode applied. Standard output stays in text mode, so line
// ends are written as CR LF; when it is a terminal (a console window), the
// output goes through the terminal's UTF-16 interface instead
// (windows_terminal.h).
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>

#include <windows.h>

#include "cp949.h"
#include "standard_streams.h"
#include "windows_terminal.h"

namespace poker {

namespace {

// Larger blocks gain nothing, and _read and _write count in unsigned int.
constexpr std::size_t max_block = 1 << 20;

unsigned block(std::size_t size) {
    return static_cast<unsigned>(size < max_block ? size : max_block);
}

std::ptrdiff_t read_standard_input(void* /*context*/, char* buffer, std::size_t capacity) {
    for (;;) {
        const int got = _read(0, buffer, block(capacity));
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

// The Windows errors of a pipe whose reader has gone. errno cannot tell:
// the C runtime turns them into EINVAL, which other failures share.
bool pipe_closed(unsigned long error) {
    return error == ERROR_BROKEN_PIPE || error == ERROR_NO_DATA ||
           error == ERROR_PIPE_NOT_CONNECTED;
}

bool write_standard_output(void* /*context*/, const char* data, std::size_t size) {
    while (size > 0) {
        _doserrno = 0;
        const int put = _write(1, data, block(size));
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (pipe_closed(_doserrno)) {
                errno = EPIPE;
            }
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

// Whether a standard handle is a terminal's (GetConsoleMode answers only for those).
bool is_terminal(DWORD which) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

} // namespace

void open_standard_streams(standard_streams& streams) {
    _setmode(0, _O_BINARY);
    const bool terminal_in = is_terminal(STD_INPUT_HANDLE);
    const bool terminal_out = is_terminal(STD_OUTPUT_HANDLE);
    // Redirected output from a terminal set to UTF-8 (chcp 65001) is read
    // back there as UTF-8, by type, more and PowerShell alike.
    const text_encoding encoding =
        !terminal_out && GetConsoleOutputCP() == CP_UTF8 ? text_encoding::utf8 : build_encoding;
    static windows_terminal terminal;
    if (terminal_out) {
        open_windows_terminal(terminal, encoding);
    }
    streams = standard_streams{
        .source = read_standard_input,
        .sink = terminal_out ? write_windows_terminal : write_standard_output,
        .sink_context = terminal_out ? &terminal : nullptr,
        .encoding = encoding,
        .encode = encoding == text_encoding::utf8 ? utf8_from_unicode : cp949_from_unicode,
        .ctrl_z_ends_input = true,
        .terminal = terminal_in && terminal_out,
        .end_keys_end_line = true, // Ctrl-Z, then Enter
    };
}

bool reader_has_gone(int error) {
    return error == EPIPE;
}

const char* error_text(int error) {
    // strerror_s, since the C runtime deprecates strerror; the program has
    // one thread and asks once, on its way out.
    static char text[256];
    strerror_s(text, sizeof text, error);
    return text;
}

} // namespace poker
