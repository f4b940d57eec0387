// poker: settles five-card poker games between players A and B.
//
// Everything comes from standard input and goes to standard output. The
// program runs until input ends; it then exits with status 0, or with 1 and
// a line on standard error when reading or writing failed. When the reader
// of the output has gone, it ends as a closed pipe ends other command-line
// programs of its platform: on POSIX systems by SIGPIPE at the first write
// after it (or, where SIGPIPE is ignored, with 1 and a line, like any other
// failed write); on Windows with 1 and nothing on standard error.
#include <cstdio>

#include "buffered_io.h"
#include "input_decoder.h"
#include "loop.h"
#include "standard_streams.h"
#include "texts.h"

namespace {

// Static, to keep the records' buffers off the stack.
poker::output out;
poker::input in;
poker::input_decoder decoder;

// What the screen shows when the input ends, from what the platform says.
poker::end_of_input end_of_input_at(const poker::standard_streams& streams) {
    if (!streams.terminal) {
        return poker::end_of_input::piped;
    }
    return streams.end_keys_end_line ? poker::end_of_input::typed_then_end
                                     : poker::end_of_input::typed;
}

} // namespace

int main() {
    poker::standard_streams streams{};
    poker::open_standard_streams(streams);
    poker::open_output(out, streams.sink, streams.sink_context);
    poker::open_input_decoder(decoder, streams.source, nullptr, streams.encode,
                              streams.ctrl_z_ends_input);
    poker::main_loop(poker::read_decoded, &decoder, in, out, poker::texts_in(streams.encoding),
                     end_of_input_at(streams));
    if (out.failed) {
        if (!poker::reader_has_gone(out.error)) {
            std::fprintf(stderr, "poker: cannot write output: %s\n", poker::error_text(out.error));
        }
        return 1;
    }
    if (in.failed) {
        std::fprintf(stderr, "poker: cannot read input: %s\n", poker::error_text(in.error));
        return 1;
    }
    return 0;
}
