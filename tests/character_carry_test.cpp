// Whole characters out of writes cut anywhere: what the Windows terminal
// writer relies on, checked where it compiles everywhere, against where
// iconv says each character ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "character_carry.h"
#include "decoding_model.h"
#include "memory_io.h"

namespace {

// Where each character of `text` ends, by iconv: a character is the
// shortest run of one to four bytes that iconv converts whole, or a lone
// byte that starts none (0x80 and 0xFF in CP949).
std::vector<bool> character_ends(const std::string& text, const char* encoding) {
    std::vector<bool> ends(text.size() + 1, false);
    ends[0] = true;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        while (length <= 4 && at + length <= text.size() &&
               !poker::testing::try_convert(text.substr(at, length), encoding, "UTF-32LE")) {
            ++length;
        }
        at += length > 4 || at + length > text.size() ? 1 : length;
        ends[at] = true;
    }
    return ends;
}

struct carry_case {
    const char* name;
    poker::text_encoding encoding;
    const char* iconv_name;
    std::string text;
};

class CharacterCarry : public ::testing::TestWithParam<carry_case> {};

// A text of characters of every length, written in two pieces cut at every
// point, and a byte at a time: after each write, the sink must have had
// exactly the characters that the bytes written so far complete.
TEST_P(CharacterCarry, PassesOnExactlyTheWholeCharacters) {
    const carry_case& c = GetParam();
    const std::vector<bool> ends = character_ends(c.text, c.iconv_name);
    const auto whole_before = [&](std::size_t written) {
        while (!ends[written]) {
            --written;
        }
        return c.text.substr(0, written);
    };
    for (std::size_t cut = 0; cut <= c.text.size(); ++cut) {
        // cut == size: a byte at a time; otherwise two pieces.
        const std::size_t step = cut == c.text.size() ? 1 : c.text.size();
        poker::character_carry carry{.encoding = c.encoding};
        std::string received;
        for (std::size_t at = 0; at < c.text.size();) {
            const std::size_t end = at < cut && cut < c.text.size() ? cut : at + step;
            const std::size_t size = std::min(end, c.text.size()) - at;
            ASSERT_TRUE(poker::write_whole_characters(carry, c.text.data() + at, size,
                                                      poker::testing::append_to_string, &received));
            at += size;
            EXPECT_EQ(received, whole_before(at)) << "after " << at << " bytes, cut at " << cut;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterCarry,
    ::testing::Values(
        // a, é, 가, 😀, and U+0800 and U+FF01, the lowest and highest lead
        // bytes of three: one, two, three, four, three and three bytes.
        carry_case{"Utf8", poker::text_encoding::utf8, "UTF-8",
                   "a\xc3\xa9\xea\xb0\x80\xf0\x9f\x98\x80z\xe0\xa0\x80\xef\xbc\x81\xc3\xa9"},
        // 가 (lead 0xB0), 갂 (lead 0x81, the lowest), lone 0x80 and 0xFF, 힝 (lead 0xC8).
        carry_case{"Cp949", poker::text_encoding::cp949, "CP949",
                   "a\xb0\xa1\x81\x41\x80z\xff\xc8\xfe"
                   "b"}),
    poker::testing::case_name{});

// When the sink fails, the write that called it says so, so that the
// output's flush marks the output failed: on a character held over from a
// cut write as on whole characters.
TEST(CharacterCarry, SinkFailureReachesTheWriter) {
    const struct {
        const char* name;
        std::vector<std::string> writes; // the last is the one whose sink call fails
        std::size_t fails_from;
    } rows[] = {
        {"WholeCharacters", {"ab"}, 1},
        {"CharacterHeldOver", {"a\xea", "\xb0\x80"}, 2},
        {"WholeCharactersAfterHeldOver", {"a\xea", "\xb0\x80z"}, 3},
    };
    for (const auto& row : rows) {
        poker::character_carry carry{.encoding = poker::text_encoding::utf8};
        poker::testing::counting_sink sink{0, row.fails_from};
        for (std::size_t i = 0; i < row.writes.size(); ++i) {
            const std::string& text = row.writes[i];
            EXPECT_EQ(poker::write_whole_characters(carry, text.data(), text.size(),
                                                    poker::testing::count_writes, &sink),
                      i + 1 < row.writes.size())
                << row.name << ", write " << i;
        }
    }
}

} // namespace
