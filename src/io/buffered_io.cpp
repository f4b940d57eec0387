// Buffered input and output: the slow paths of buffered_io.h.
#include "buffered_io.h"

#include <cerrno>

namespace poker {

void open_output(output& out, write_function sink, void* context) {
    out = output{.sink = sink, .context = context};
}

void open_input(input& in, read_function source, void* context, output* tied) {
    in = input{.source = source, .context = context, .tied = tied};
}

bool flush(output& out) {
    if (!out.failed && out.used > 0) {
        if (out.sink(out.context, out.buffer, out.used)) {
            out.flushed += out.used;
        } else {
            out.failed = true;
            out.error = errno;
        }
    }
    out.used = 0; // after a failure nothing more can reach the reader: drop it
    return !out.failed;
}

void write_long(output& out, std::string_view text) {
    note_line_end(out, text);
    while (!text.empty()) {
        if (out.used == io_buffer_size) {
            flush(out);
        }
        const std::size_t room = io_buffer_size - out.used;
        const std::size_t part = text.size() < room ? text.size() : room;
        std::memcpy(out.buffer + out.used, text.data(), part);
        out.used += part;
        text.remove_prefix(part);
    }
}

bool fill(input& in) {
    if (in.next < in.end) {
        return true;
    }
    if (in.failed || (in.tied != nullptr && !flush(*in.tied))) {
        return false;
    }
    const std::ptrdiff_t got = in.source(in.context, in.buffer, io_buffer_size);
    if (got <= 0) {
        if (got < 0) {
            in.failed = true;
            in.error = errno;
        }
        return false;
    }
    in.next = 0;
    in.end = static_cast<std::size_t>(got);
    return true;
}

} // namespace poker
