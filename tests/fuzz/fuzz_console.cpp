// Any bytes as the whole of standard input, through the input decoder and
// the real main loop in memory. Beyond the sanitizers' checks, what must hold
// for every input: the decoder passes on what a plain model of it makes of
// the input, with iconv putting each character in the build's encoding; the
// output is never empty and ends with a line end; every pass ends with the
// closing trace; and every pass that read both hands and whose selection is
// not 3 wrote exactly one result or length-error line. An independent
// reading of the decoded input's tokens says how many of each to expect.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "decoding_model.h"
#include "memory_io.h"
#include "texts.h"

namespace {

std::vector<std::string_view> tokens_of(std::string_view text) {
    constexpr std::string_view blanks(" \t\n\v\f\r");
    std::vector<std::string_view> tokens;
    std::size_t at = text.find_first_not_of(blanks);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(blanks, at), text.size());
        tokens.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(blanks, end);
    }
    return tokens;
}

bool is_number(std::string_view t) {
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        t.remove_prefix(1);
    }
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

// The selection a number token makes, 0 for any value outside 1 to 4.
int selection_of(std::string_view t) {
    const bool negative = t[0] == '-';
    if (t[0] == '+' || t[0] == '-') {
        t.remove_prefix(1);
    }
    t.remove_prefix(std::min(t.find_first_not_of('0'), t.size()));
    return !negative && t.size() == 1 && t[0] >= '1' && t[0] <= '4' ? t[0] - '0' : 0;
}

struct expected_counts {
    std::size_t passes;  // passes that read both hands
    std::size_t settled; // of those, passes whose selection is not 3
};

expected_counts expect(const std::vector<std::string_view>& tokens) {
    expected_counts counts{0, 0};
    std::size_t i = 0;
    for (;;) {
        int selection = 0;
        for (;;) { // the menu, until a selection from 1 to 4
            if (i == tokens.size()) {
                return counts;
            }
            const std::string_view t = tokens[i++];
            if (!is_number(t)) {
                continue;
            }
            selection = selection_of(t);
            if (selection != 1 && selection != 4) { // a game number, if there is one
                if (i == tokens.size()) {
                    return counts;
                }
                i += is_number(tokens[i]) ? 1 : 0;
            }
            if (selection != 0) {
                break;
            }
        }
        if (tokens.size() - i < 2) {
            return counts;
        }
        i += 2;
        ++counts.passes;
        counts.settled += selection != 3 ? 1 : 0;
    }
}

std::size_t occurrences(std::string_view text, std::string_view line_start) {
    const std::string line = std::string(line_start) + "\n";
    std::size_t n = 0;
    for (std::size_t at = text.find(line); at != std::string_view::npos;
         at = text.find(line, at + 1)) {
        ++n;
    }
    return n;
}

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
    require(poker::testing::read_all_decoded(typed, poker::build_texts.encoding, false,
                                             size % 7 + 1, size % 64 + 1) == text,
            "the decoder differs from the model");

    poker::testing::memory_source source{typed, size % 13 + 1}; // tokens straddle the reads
    std::string written;
    poker::testing::run_main_loop(poker::testing::read_memory, &source,
                                  poker::testing::append_to_string, &written);

    require(!written.empty() && written.back() == '\n', "output empty or without a final line end");
    const expected_counts counts = expect(tokens_of(text));
    require(occurrences(written, poker::build_texts.came_through) == counts.passes,
            "closing traces differ from the passes that read both hands");
    require(occurrences(written, poker::build_texts.calculated) +
                    occurrences(written, poker::build_texts.length_error) ==
                counts.settled,
            "results differ from the passes to settle");
    return 0;
}
