// Buffered input and output through records of our own.
//
// The main loop never touches the global streams: it reads from an `input`
// and writes to an `output`, each of which is bound to a plain function that
// moves bytes. `main` binds them to standard input and output; the tests and
// the fuzzer bind them to memory and drive whole sessions that way. Tokens
// are read from an `input` by token_reader.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace poker {

// Moves up to `capacity` bytes into `buffer`. Returns how many, 0 at end of
// input, or -1 on failure with errno set. Once it has returned 0 it returns
// 0 on every call after (an input_decoder makes standard input so).
using read_function = std::ptrdiff_t (*)(void* context, char* buffer, std::size_t capacity);

// Writes all `size` bytes. Returns false on failure with errno set.
using write_function = bool (*)(void* context, const char* data, std::size_t size);

inline constexpr std::size_t io_buffer_size = std::size_t{64} * 1024;

struct output {
    write_function sink;              // where flushed bytes go
    void* context;                    // handed to sink
    std::uint64_t flushed = 0;        // bytes handed to sink so far
    std::size_t used = 0;             // bytes waiting in buffer
    bool line_open = false;           // the last byte written was not a line end
    bool failed = false;              // a flush failed: everything after it is dropped
    int error = 0;                    // errno of that failure
    char buffer[io_buffer_size] = {}; // bytes not yet handed to sink
};

struct input {
    read_function source;             // where bytes come from
    void* context;                    // handed to source
    output* tied;                     // flushed before every read that may wait
    std::size_t next = 0;             // first unread byte in buffer
    std::size_t end = 0;              // one past the last byte in buffer
    bool failed = false;              // source failed: nothing more is read
    int error = 0;                    // errno of that failure
    char buffer[io_buffer_size] = {}; // bytes read ahead from source
};

// Records ready for use, every field but the arguments as above.
void open_output(output& out, write_function sink, void* context);
void open_input(input& in, read_function source, void* context, output* tied);

// Hands the buffered bytes to the sink. Returns false once the output has failed.
bool flush(output& out);

// Everything written so far, flushed or not.
inline std::uint64_t written(const output& out) {
    return out.flushed + out.used;
}

// Fetches more bytes when the buffer is used up, flushing the tied output first
// so that whatever was written is on the screen before the read waits.
// Returns false at end of input, on a read failure, or when the tied output
// has failed: nobody is left to read what the program would write.
bool fill(input& in);

// Notes whether the text just written left its line open; an empty text
// leaves the note as it was.
inline void note_line_end(output& out, std::string_view text) {
    if (!text.empty()) {
        out.line_open = text.back() != '\n';
    }
}

// Appends text of any length, flushing the buffer whenever it is full:
// write's path for a text that does not fit. A long text whose size is known
// when compiling (the menu block) goes this way too: the size of its copy
// here is only known when running, so the copy is the C library's memcpy,
// which is faster than the compiler's inline copy of it (GCC's rep movsq).
void write_long(output& out, std::string_view text);

// Appends text without a line end.
inline void write(output& out, std::string_view text) {
    if (text.size() <= io_buffer_size - out.used) {
        std::memcpy(out.buffer + out.used, text.data(), text.size());
        out.used += text.size();
        note_line_end(out, text);
    } else {
        write_long(out, text);
    }
}

// Appends text and a line end.
inline void write_line(output& out, std::string_view text) {
    write(out, text);
    write(out, "\n");
}

} // namespace poker
