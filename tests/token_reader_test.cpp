// The token reader: tokens of any length, across the input's reads.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "case_name.h"
#include "memory_io.h"
#include "token_reader.h"

namespace {

struct token_case {
    const char* name;
    std::string typed;
    std::size_t chunk;                                       // the most one read serves
    std::vector<std::pair<std::string, std::size_t>> tokens; // first ten bytes, length
};

class TokenReader : public ::testing::TestWithParam<token_case> {};

TEST_P(TokenReader, ReadsEachTokenWhole) {
    const token_case& c = GetParam();
    poker::testing::with_console(c.typed, c.chunk, [&](poker::token_reader& in, poker::output&) {
        for (const auto& [text, length] : c.tokens) {
            poker::token t{};
            ASSERT_TRUE(poker::read_token(in, t)) << "before \"" << text << "\"";
            EXPECT_EQ(std::string(t.text), text);
            EXPECT_EQ(t.length, length) << "\"" << text << "\"";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, TokenReader,
    ::testing::Values(
        // Three full reads and more of one token, which only its first ten
        // bytes are kept of; the next token starts after it.
        token_case{"HugeTokenIsReadWholeWithoutOverrun",
                   std::string(3 * poker::io_buffer_size + 5, 'K') + " 2S3S4S5S6S",
                   1000,
                   {{"KKKKKKKKKK", 3 * poker::io_buffer_size + 5}, {"2S3S4S5S6S", 10}}},
        // A full read that ends a few bytes into a long token: its length and
        // first ten bytes come from both reads.
        token_case{"LongTokenAcrossAFullRead",
                   std::string(poker::io_buffer_size - 3, ' ') + "AHKHQHJH0H2S3S4S 2S3S4S5S6S",
                   poker::io_buffer_size,
                   {{"AHKHQHJH0H", 16}, {"2S3S4S5S6S", 10}}}),
    poker::testing::case_name{});

} // namespace
