// Standard input and output at the level of file descriptors.
//
// The records in io.h do their own buffering, so a second layer of stdio
// buffering would only copy the bytes again. Reading the descriptor also
// returns as soon as a typed line is there, where a buffered stdio read of a
// large block would wait for the block to fill. On Windows the descriptors
// are in text mode, as the platform expects: line ends are written as CR LF,
// and a Ctrl-Z in the input ends it.
#include "console/standard_io.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace poker {

namespace {

// Larger blocks gain nothing and Windows counts in unsigned int.
constexpr std::size_t max_block = 1 << 20;

std::size_t block(std::size_t size) {
    return size < max_block ? size : max_block;
}

} // namespace

std::ptrdiff_t read_standard_input(void* /*context*/, char* buffer, std::size_t capacity) {
    for (;;) {
#ifdef _WIN32
        const int got = _read(0, buffer, static_cast<unsigned>(block(capacity)));
#else
        const ssize_t got = read(0, buffer, block(capacity));
#endif
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

bool write_standard_output(void* /*context*/, const char* data, std::size_t size) {
    while (size > 0) {
#ifdef _WIN32
        const int put = _write(1, data, static_cast<unsigned>(block(size)));
#else
        const ssize_t put = write(1, data, block(size));
#endif
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

} // namespace poker
