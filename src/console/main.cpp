// poker: settles five-card poker games between players A and B.
//
// Everything comes from standard input and goes to standard output. The
// program runs until input ends; it then exits with status 0, or with 1 and
// a line on standard error when reading or writing failed.
#include <cstdio>
#include <cstring>

#include "console/io.h"
#include "console/loop.h"
#include "console/standard_io.h"
#ifdef _WIN32
#include "console/windows_console.h"
#endif

namespace {

// Static, to keep the records' buffers off the stack.
poker::output out;
poker::input in;

} // namespace

int main() {
    poker::open_output(out, poker::write_standard_output, nullptr);
#ifdef _WIN32
    static poker::windows_console console;
    if (poker::open_windows_console(console)) {
        poker::open_output(out, poker::write_windows_console, &console);
    }
#endif
    poker::open_input(in, poker::read_standard_input, nullptr, &out);
    poker::main_loop(in, out);
    if (out.failed) {
        std::fprintf(stderr, "poker: cannot write output: %s\n", std::strerror(out.error));
        return 1;
    }
    if (in.failed) {
        std::fprintf(stderr, "poker: cannot read input: %s\n", std::strerror(in.error));
        return 1;
    }
    return 0;
}
