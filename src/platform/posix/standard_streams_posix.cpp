// Standard input and output on POSIX systems, at the level of descriptors.
//
// The records in buffered_io.h do their own buffering, so a second layer of
// stdio buffering would only copy the bytes again. Reading the descriptor also
// returns as soon as a typed line is there, where a buffered stdio read of a
// large block would wait for the block to fill.
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "cp949.h"
#include "standard_streams.h"

namespace poker {

namespace {

std::ptrdiff_t read_standard_input(void* /*context*/, char* buffer, std::size_t capacity) {
    for (;;) {
        const ssize_t got = ::read(0, buffer, capacity);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

bool write_standard_output(void* /*context*/, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(1, data, size);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        // A write cut short (the program stopped and continued while the
        // pipe was full, say) goes on where it stopped.
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

// UTF-16 input into the build's encoding. Only a CP949 build has the CP949
// converter, and with it iconv, linked in.
#if POKER_ENCODING_CP949
constexpr unicode_encoder build_encoder = cp949_from_unicode;
#else
constexpr unicode_encoder build_encoder = utf8_from_unicode;
#endif

} // namespace

void open_standard_streams(standard_streams& streams) {
    streams = standard_streams{
        .source = read_standard_input,
        .sink = write_standard_output,
        .sink_context = nullptr,
        .encoding = build_encoding,
        .encode = build_encoder,
        .ctrl_z_ends_input = false, // 0x1A is an ordinary byte here
        .terminal = isatty(0) != 0 && isatty(1) != 0,
        .end_keys_end_line = false, // Ctrl-D leaves the cursor where it was
    };
}

bool reader_has_gone(int /*error*/) {
    // A closed pipe ends the program by SIGPIPE before any write can fail;
    // where SIGPIPE is ignored, EPIPE is reported like any other failure.
    return false;
}

const char* error_text(int error) {
    return std::strerror(error);
}

} // namespace poker
