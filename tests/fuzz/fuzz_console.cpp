// Any bytes as the whole of standard input, through the input decoder and
// the real main loop in memory, under the sanitizers. Beyond their checks,
// what must hold for every input: the decoder passes on what a plain model
// of it makes of the input, with iconv putting each character in the
// build's encoding; and the output ends with a line end. What the dialogue
// writes is held to the model of the manual page by dialogue_check.py.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decoding_model.h"
#include "memory_io.h"

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz_console: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    // The oracle is iconv, not the program's own encoders.
    const std::string text = poker::testing::decoded_model(
        typed, false, poker::build_encoding == poker::text_encoding::utf8 ? "UTF-8" : "CP949");
    require(poker::testing::read_all_decoded(typed, poker::build_encoding, false, size % 7 + 1,
                                             size % 64 + 1) == text,
            "the decoder differs from the model");

    poker::testing::memory_source source{typed, size % 13 + 1}; // tokens straddle the reads
    std::string written;
    poker::testing::run_main_loop(poker::testing::read_memory, &source,
                                  poker::testing::append_to_string, &written);
    require(!written.empty() && written.back() == '\n', "output empty or without a final line end");
    return 0;
}
