// The token reader: tokens of any length, and numbers, across the input's reads.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "case_name.h"
#include "memory_io.h"
#include "token_reader.h"

namespace {

struct expected_token {
    std::string text;                       // its first ten bytes
    std::size_t length;                     // its length in bytes
    bool number = false;                    // a number, whether or not it fits
    std::optional<std::int32_t> value = {}; // its value, when it fits in 32 bits
};

struct token_case {
    const char* name;
    std::string typed;
    std::size_t chunk; // the most one read serves
    std::vector<expected_token> tokens;
};

class TokenReader : public ::testing::TestWithParam<token_case> {};

TEST_P(TokenReader, ReadsEachTokenWhole) {
    const token_case& c = GetParam();
    poker::testing::with_console(c.typed, c.chunk, [&](poker::token_reader& in, poker::output&) {
        for (const expected_token& e : c.tokens) {
            poker::token t{};
            ASSERT_TRUE(poker::read_token(in, t)) << "before \"" << e.text << "\"";
            EXPECT_EQ(std::string(t.text), e.text);
            EXPECT_EQ(t.length, e.length) << "\"" << e.text << "\"";
            EXPECT_EQ(t.number, e.number) << "\"" << e.text << "\"";
            EXPECT_EQ(t.fits ? std::optional(t.value) : std::nullopt, e.value)
                << "\"" << e.text << "\"";
        }
    });
}

constexpr auto too_large = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Tokens, TokenReader,
    ::testing::Values(
        // Reads of 1,000 bytes through a token of three buffers and more,
        // which only its first ten bytes are kept of; the next token starts
        // after it.
        token_case{"HugeTokenIsReadWholeWithoutOverrun",
                   std::string(3 * poker::io_buffer_size + 5, 'K') + " 2S3S4S5S6S",
                   1000,
                   {{"KKKKKKKKKK", 3 * poker::io_buffer_size + 5}, {"2S3S4S5S6S", 10}}},
        // A full read that ends a few bytes into a long token: its length and
        // first ten bytes come from both reads.
        token_case{"LongTokenAcrossAFullRead",
                   std::string(poker::io_buffer_size - 3, ' ') + "AHKHQHJH0H2S3S4S 2S3S4S5S6S",
                   poker::io_buffer_size,
                   {{"AHKHQHJH0H", 16}, {"2S3S4S5S6S", 10}}},
        // Both ends of 32 bits and one past each, and 2^64 + 1, in reads of
        // three bytes.
        token_case{"ThirtyTwoBitLimits",
                   "2147483647 -2147483648 2147483648 -2147483649 18446744073709551617",
                   3,
                   {{"2147483647", 10, true, INT32_MAX},
                    {"-214748364", 11, true, INT32_MIN},
                    {"2147483648", 10, true, too_large},
                    {"-214748364", 11, true, too_large},
                    {"1844674407", 20, true, too_large}}},
        // A sign counts only at the token's start, not at a read's.
        token_case{"SignAfterAReadBoundary", "12-3 -5", 2, {{"12-3", 4}, {"-5", 2, true, -5}}}),
    poker::testing::case_name{});

} // namespace
