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
// input, or -1 on failure with errno set.
using read_function = std::ptrdiff_t (*)(void* context, char* buffer, std::size_t capacity);

// Writes all `size` bytes. Returns false on failure with errno set.
using write_function = bool (*)(void* context, const char* data, std::size_t size);

inline constexpr std::size_t io_buffer_size = std::size_t{64} * 1024;

struct output {
    write_function sink;         // where flushed bytes go
    void* context;               // handed to sink
    std::uint64_t flushed;       // bytes handed to sink so far
    std::size_t used;            // bytes waiting in buffer
    bool line_open;              // the last byte written was not a line end
    bool failed;                 // a flush failed: everything after it is dropped
    int error;                   // errno of that failure
    char buffer[io_buffer_size]; // bytes not yet handed to sink
};

// One whitespace-delimited token, as read_token (token_reader.h) finds it.
// Only its first bytes are kept, so a token of any length costs the same
// memory; its length and whether it is a number are worked out as it
// streams past.
struct token {
    char text[11];      // the first ten bytes, NUL-padded behind a shorter token
    std::size_t length; // its length in bytes
    bool number;        // an optional + or -, then one or more ASCII digits, nothing else
    bool fits;          // a number whose value fits in 32 signed bits
    std::int32_t value; // that value, when it fits
};

struct input {
    read_function source;          // where bytes come from
    void* context;                 // handed to source
    output* tied;                  // flushed before every read that may wait
    std::size_t next;              // first unread byte in buffer
    std::size_t end;               // one past the last byte in buffer
    bool ended;                    // source reported end of input (or input/output broke)
    bool failed;                   // source failed: ended is set too
    int error;                     // errno of that failure
    bool read_line_end;            // the last read that returned bytes ended with a line feed
    std::uint64_t written_at_read; // how much the tied output had written at that read
    bool has_pending;              // pending was looked at and put back (unread_token)
    token pending;                 // the token the next read_token returns
    char buffer[io_buffer_size];   // bytes read ahead from source
};

// Records ready for use.
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
// Returns false at end of input, on a read failure, or when the tied output has failed.
bool fill(input& in);

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
        if (!text.empty()) {
            out.line_open = text.back() != '\n';
        }
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
