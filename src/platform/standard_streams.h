// The process's standard input and output, as the main loop takes them.
//
// What the platform says about the two streams is settled once, at start:
// which functions move the bytes, the encoding the output expects (and so
// the encoding that UTF-16 input is decoded into), whether a Ctrl-Z ends
// the input, whether both streams are a terminal, and how ending the input
// there shows on the screen. Each platform has its own folder:
// posix/standard_streams_posix.cpp and windows/standard_streams_windows.cpp.
#pragma once

#include <cstddef>

#include "buffered_io.h"
#include "input_decoder.h"
#include "text_encoding.h"

namespace poker {

struct standard_streams {
    read_function source;   // standard input, byte for byte; at a terminal
                            // it may return more after its end (read it
                            // through an input_decoder, which does not)
    write_function sink;    // standard output
    void* sink_context;     // handed to sink
    text_encoding encoding; // what the output expects
    unicode_encoder encode; // UTF-16 input into that encoding
    bool ctrl_z_ends_input; // the platform's rule: a Ctrl-Z ends the input
    bool terminal;          // standard input and output are both a terminal
    bool end_keys_end_line; // at a terminal, the keys that end the input also
                            // end the line they are typed on
};

// Fills in `streams` for this process; called once, before any I/O.
void open_standard_streams(standard_streams& streams);

// Whether a write that failed with this errno ends the program quietly,
// because the reader has gone (a pipe closed early). Windows says so; on
// POSIX systems SIGPIPE ends the program before, and where it is ignored
// the failure is reported like any other, so the answer there is no.
bool reader_has_gone(int error);

// What an errno value means, in the C library's words: the reason on the
// line that a failed read or write leaves on standard error.
const char* error_text(int error);

} // namespace poker
