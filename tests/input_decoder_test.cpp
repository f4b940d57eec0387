// The input decoder: byte-order marks, UTF-16 decoded into the output's
// encoding, and the Windows Ctrl-Z rule, read in pieces of many sizes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "decoding_model.h"
#include "input_decoder.h"
#include "memory_io.h"

namespace {

using poker::text_encoding;
using namespace std::string_literals; // "..."s keeps the NUL bytes of UTF-16

const std::string le = "\xff\xfe";
const std::string be = "\xfe\xff";

// Random inputs of every form, against the plain model, served 1 to 7
// bytes a read into buffers of 1 to 9 bytes or a whole one: UTF-16 of
// either byte order, its units at the ends of UTF-8's lengths, of the
// surrogates and of the plane, and an odd last byte now and then; plain
// bytes behind a whole mark, a cut one or none; a Ctrl-Z anywhere, with the
// rule and without. A buffer of one or two bytes cuts the decoded
// characters and leaves their parts for several reads.
TEST(Decoding, RandomInputsMatchTheModel) {
    std::mt19937 random(949);
    const char16_t units[] = {u'2',   u' ',   u'\n',  0x1a,   0x7f,   0x80,   0xb7,
                              0x7ff,  0x800,  0xac1a, 0xd55c, 0xd7ff, 0xd800, 0xdbff,
                              0xdc00, 0xdfff, 0xe000, 0xfeff, 0xffff};
    const std::string starts[] = {le, be, "\xef\xbb\xbf", "\xef\xbb", "\xff", "\xfe", ""};
    const char bytes[] = {'2', ' ', '\n', '\x1a', '\xef', '\xbb', '\xbf', '\xff', '\xb0', '\0'};
    for (int round = 0; round < 3000; ++round) {
        const std::string& start = starts[random() % std::size(starts)];
        std::string input = start;
        const std::size_t length = random() % 40;
        for (std::size_t i = 0; i < length; ++i) {
            const char16_t unit = units[random() % std::size(units)];
            const auto low = static_cast<char>(unit & 0xff);
            const auto high = static_cast<char>(unit >> 8);
            input += start == le   ? std::string{low, high}
                     : start == be ? std::string{high, low}
                                   : std::string{bytes[random() % std::size(bytes)]};
        }
        if (random() % 4 == 0) {
            input += 'x';
        }
        const bool ctrl_z = random() % 3 == 0;
        const auto target = random() % 3 == 0 ? text_encoding::cp949 : text_encoding::utf8;
        const std::size_t chunk = 1 + random() % 7;
        const std::size_t capacity = random() % 4 == 0 ? poker::io_buffer_size : 1 + random() % 9;
        EXPECT_EQ(poker::testing::read_all_decoded(input, target, ctrl_z, chunk, capacity),
                  poker::testing::decoded_model(input, ctrl_z,
                                                target == text_encoding::cp949 ? "CP949" : "UTF-8"))
            << "input " << ::testing::PrintToString(input) << (ctrl_z ? ", Ctrl-Z ends it" : "")
            << ", chunk " << chunk << ", capacity " << capacity;
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
