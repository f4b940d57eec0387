// The input decoder: byte-order marks, UTF-16 decoded into the output's
// encoding, and the Windows Ctrl-Z rule, read in pieces of many sizes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "case_name.h"
#include "decoding_model.h"
#include "input_decoder.h"
#include "memory_io.h"

namespace {

using poker::text_encoding;
using poker::testing::read_all_decoded;
using namespace std::string_literals; // "..."s keeps the NUL bytes of UTF-16

struct decoding_case {
    const char* name;
    std::string input;
    text_encoding target;
    bool ctrl_z_ends;
    std::string decoded;
};

class Decoding : public ::testing::TestWithParam<decoding_case> {};

// One-byte reads put every character across a read boundary; a capacity
// of one or two bytes cuts decoded characters, and leaves parts of them for
// more than one read.
TEST_P(Decoding, PassesOnTheTextInTheOutputsEncoding) {
    const decoding_case& c = GetParam();
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
        for (const std::size_t capacity : {std::size_t{1}, std::size_t{2}, poker::io_buffer_size}) {
            EXPECT_EQ(read_all_decoded(c.input, c.target, c.ctrl_z_ends, chunk, capacity),
                      c.decoded)
                << "chunk " << chunk << ", capacity " << capacity;
        }
    }
}

const std::string le = "\xff\xfe";
const std::string be = "\xfe\xff";
constexpr auto utf8 = text_encoding::utf8;
constexpr auto cp949 = text_encoding::cp949;

INSTANTIATE_TEST_SUITE_P(
    Inputs, Decoding,
    ::testing::Values(
        decoding_case{"PlainBytesAsTheyAre", "2 5 \xb0\xa1\x1a\r\n", utf8, false,
                      "2 5 \xb0\xa1\x1a\r\n"},
        decoding_case{"Utf8MarkSkipped",
                      "\xef\xbb\xbf"
                      "2 5\n",
                      cp949, false, "2 5\n"},
        decoding_case{"Utf8MarkOnlyAtTheStart", "1\xef\xbb\xbf", utf8, false, "1\xef\xbb\xbf"},
        decoding_case{"CutMarkIsPlainBytes",
                      "\xef\xbb"
                      "2",
                      utf8, false,
                      "\xef\xbb"
                      "2"},
        decoding_case{"MarkStartAloneIsPlainBytes", "\xff", utf8, false, "\xff"},
        decoding_case{"EmptyInput", "", utf8, true, ""},
        decoding_case{"Utf16LeToUtf8", le + "2\0 \0\x00\xac\r\0\n\0"s, utf8, false,
                      "2 \xea\xb0\x80\r\n"},
        decoding_case{"Utf16BeToCp949",
                      be + "\0"
                           "2\xac\x00"s,
                      cp949, false, "2\xb0\xa1"},
        // The edges of UTF-8's lengths, and the last unit before the surrogates.
        decoding_case{"TwoByteUtf8FromFirstToLast", le + "\x80\0\xff\x07\0\x08"s, utf8, false,
                      "\xc2\x80\xdf\xbf\xe0\xa0\x80"},
        decoding_case{"LastUnitBeforeSurrogatesToUtf8", be + "\xd7\xff"s, utf8, false,
                      "\xed\x9f\xbf"},
        decoding_case{"TwoByteUtf8CharactersToCp949", le + "\x80\0\xb7\0\xff\x07\xff\xd7"s, cp949,
                      false, "?\xa1\xa4??"},
        // U+1F600 and U+10FFFF, the last there is.
        decoding_case{"SurrogatePairsToUtf8", le + "\x3d\xd8\x00\xde\xff\xdb\xff\xdf"s, utf8, false,
                      "\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf"},
        decoding_case{"CharacterCp949LacksIsQuestionMark",
                      le + "\x3d\xd8\x00\xde"
                           "e\0"s,
                      cp949, false, std::string("?e")},
        decoding_case{"LoneLowSurrogate",
                      le + "\x00\xdc"
                           "A\0"s,
                      utf8, false, "?A"},
        // Both ends of both ranges: U+DFFF and U+DC00 alone, U+D800 and
        // U+DBFF before a unit that is no low surrogate.
        decoding_case{"EndsOfTheSurrogateRanges",
                      le + "\xff\xdf\x00\xdc\x00\xd8\xff\xdb"
                           "A\0"s,
                      utf8, false, "????A"},
        decoding_case{"HighSurrogateBeforeOtherUnit",
                      le + "\x00\xd8"
                           "A\0"s,
                      utf8, false, "?A"},
        decoding_case{"TwoHighSurrogates", le + "\x00\xd8\x00\xd8\x00\xdc"s, utf8, false,
                      "?\xf0\x90\x80\x80"},
        decoding_case{"OddLastByte", le + "A\0B"s, utf8, false, "A?"},
        decoding_case{"HighSurrogateThenOddByte",
                      le + "\x00\xd8"
                           "B"s,
                      utf8, false, "??"},
        decoding_case{"CtrlZEndsBytes",
                      "2 5\x1a"
                      "3 1",
                      utf8, true, "2 5"},
        // Read three bytes at a time, the Ctrl-Z stands inside the first read.
        decoding_case{"CtrlZInTheMiddleOfARead",
                      "2\x1a"
                      "3 1 4",
                      utf8, true, "2"},
        decoding_case{"CtrlZAfterUtf8Mark",
                      "\xef\xbb\xbf\x1a"
                      "2",
                      utf8, true, ""},
        decoding_case{"CtrlZEndsUtf16",
                      le + "2\0\x1a\0"
                           "3\0"s,
                      utf8, true, "2"},
        decoding_case{"CtrlZByteInsideUtf16CharacterDoesNot",
                      le + "\x1a\xac"
                           "2\0"s,
                      cp949, true,
                      "\xb0\xb1"
                      "2"},
        decoding_case{"CtrlZAfterHighSurrogate",
                      le + "\x00\xd8\x1a\0"
                           "3\0"s,
                      utf8, true, "?"},
        decoding_case{"CtrlZOrdinaryWithoutTheRule", le + "\x1a\0"s, utf8, false, "\x1a"}),
    poker::testing::case_name{});

// Random UTF-16 with every kind of unit a broken file may hold, against the
// plain model, in pieces of every size.
TEST(Decoding, RandomUtf16MatchesTheModel) {
    std::mt19937 random(949);
    const char16_t kinds[] = {u'2',   u' ',   u'\n',  0x1a,   0x80,   0xb7,   0x7ff, 0xac1a,
                              0xd55c, 0xd7ff, 0xd800, 0xdbff, 0xdc00, 0xe000, 0xfeff};
    for (int round = 0; round < 300; ++round) {
        std::string input = round % 2 == 0 ? le : be;
        const int units = static_cast<int>(random() % 40);
        for (int i = 0; i < units; ++i) {
            const char16_t unit = kinds[random() % std::size(kinds)];
            const auto low = static_cast<char>(unit & 0xff);
            const auto high = static_cast<char>(unit >> 8);
            input += round % 2 == 0 ? std::string{low, high} : std::string{high, low};
        }
        if (random() % 4 == 0) {
            input += 'x';
        }
        const bool ctrl_z = round % 3 == 0;
        const auto target = round % 5 == 0 ? cp949 : utf8;
        const std::string expected =
            poker::testing::decoded_model(input, ctrl_z, target == cp949 ? "CP949" : "UTF-8");
        const std::size_t chunk = 1 + random() % 7;
        EXPECT_EQ(read_all_decoded(input, target, ctrl_z, chunk, 1 + random() % 9), expected)
            << "round " << round << ", chunk " << chunk;
    }
}

// A typed line is passed on at once, with no second read, which would wait
// for more: the decoder never waits for a third byte when the first ones
// cannot start a mark, nor for more UTF-16 after a decoded line.
TEST(Decoding, TypedLineIsNotHeldBack) {
    const std::pair<std::string, std::ptrdiff_t> lines[] = {
        {"x\n", 2}, {"\xefx\n", 3}, {"\xfe\n", 2}, {le + "x\0\n\0"s, 2}};
    for (const auto& [line, decoded] : lines) {
        poker::testing::memory_source source{line};
        poker::input_decoder decoder{};
        poker::open_input_decoder(decoder, poker::testing::read_memory, &source,
                                  poker::utf8_from_unicode, false);
        char buffer[16];
        EXPECT_EQ(poker::read_decoded(&decoder, buffer, sizeof buffer), decoded)
            << "line \"" << line << "\"";
        EXPECT_EQ(source.reads, 1u) << "line \"" << line << "\"";
    }
}

} // namespace
