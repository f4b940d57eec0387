// The console's I/O records bound to memory, so that tests and the fuzzer
// can drive the console and compare what it wrote byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "buffered_io.h"
#include "input_decoder.h"
#include "loop.h"
#include "texts.h"

namespace poker::testing {

// Input served from a string, at most `chunk` bytes per read, so that tokens
// straddle the reads' boundaries.
struct memory_source {
    std::string_view data;              // what is left to serve
    std::size_t chunk = io_buffer_size; // the most one read serves
    std::size_t reads = 0;              // how often the console asked for more
    std::string_view after_end = {};    // served after the end, as a terminal
                                        // serves what is typed after Ctrl-D
};

// A read_function over a memory_source.
std::ptrdiff_t read_memory(void* context, char* buffer, std::size_t capacity);

// A write_function that appends to a std::string.
bool append_to_string(void* context, const char* data, std::size_t size);

// A sink that counts its calls and fails, with ENOSPC, from one of them on.
struct counting_sink {
    std::size_t calls = 0;             // calls so far
    std::size_t fails_from = SIZE_MAX; // the first call that fails
};

// A write_function over a counting_sink; the bytes go nowhere.
bool count_writes(void* context, const char* data, std::size_t size);

// The console's records as main sets them up, on the heap (their buffers are
// too large for a test's stack): the input read through a decoder, the
// output tied to the input.
struct console_records {
    std::unique_ptr<output> out;
    std::unique_ptr<input_decoder> decoder;
    std::unique_ptr<input> in;
};

// Runs the main loop, writing in `encoding`, on records bound to the given
// source and sink, and returns the records as the loop left them.
console_records run_main_loop(read_function source, void* source_context, write_function sink,
                              void* sink_context, text_encoding encoding = build_encoding,
                              end_of_input where = end_of_input::piped);

// Everything a decoder over `text` passes on, read `capacity` bytes at a
// time from a source that serves `chunk` bytes at a time.
std::string read_all_decoded(std::string_view text, text_encoding target, bool ctrl_z_ends,
                             std::size_t chunk, std::size_t capacity);

} // namespace poker::testing
