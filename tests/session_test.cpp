// Whole sessions from memory: menu, selections, games and end of input,
// compared byte for byte with what a person at a terminal would see.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>

#include "case_name.h"
#include "encoding.h"
#include "memory_io.h"

namespace {

using poker::testing::encoded;

const std::string menu = encoded(poker::testing::menu_utf8);
const std::string again = encoded("다시 입력해주세요 \n");
const std::string through = encoded("넘어 왔으 \n");
const std::string royal_a = encoded("로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 \n");
const std::string royal_b = encoded("로얄 스트레이트 플러쉬로 B가 이겼습니다.계산해쓰 \n");
const std::string pair_b = encoded("원페어로 B가 이겼습니다.계산해쓰 \n");
const std::string ten_please = encoded("카드 다섯 장을 10글자로 입력해주세요\n");
// What the screen shows when input ends at the prompt.
const std::string last_menu = menu + "\n";

struct session_case {
    const char* name;
    std::string typed;
    std::string shown;
    poker::end_of_input where = poker::end_of_input::piped; // what stdin and stdout are
    std::string after_end = {}; // typed after the end, as at a terminal after Ctrl-D
};

class Sessions : public ::testing::TestWithParam<session_case> {};

// The output record must say what was written, as the end of input at a
// terminal reads it: how much, and whether the last line is left open.
TEST_P(Sessions, ShowExactly) {
    const session_case& c = GetParam();
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{5}, poker::io_buffer_size}) {
        poker::testing::memory_source source{c.typed, chunk, 0, c.after_end};
        std::string written;
        const auto records = poker::testing::run_main_loop(poker::testing::read_memory, &source,
                                                           poker::testing::append_to_string,
                                                           &written, poker::build_texts, c.where);
        const std::string input = "typed \"" + c.typed.substr(0, 60) + "\", chunk ";
        EXPECT_EQ(written, c.shown) << input << chunk;
        EXPECT_EQ(poker::written(*records.out), c.shown.size()) << input << chunk;
        EXPECT_EQ(records.out->line_open, !c.shown.ends_with('\n')) << input << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Selections, Sessions,
    ::testing::Values(
        session_case{"EmptyInput", "", last_menu},
        session_case{"PrintGame", "2 5 AHKHQHJH0H 2S3S4S5S6S\n",
                     menu + royal_a + through + last_menu},
        session_case{"PrintGameOverSeveralLines", "2\n5\nAHKHQHJH0H\n2S3S4S5S6S\n",
                     menu + royal_a + through + last_menu},
        session_case{"WindowsLineEnds", "2\r\n5\r\nAHKHQHJH0H 2S3S4S5S6S\r\n",
                     menu + royal_a + through + last_menu},
        session_case{"PrintAllReadsNoGameNumber", "1 AHKHQHJH0H 2S3S4S5S6S",
                     menu + royal_a + through + last_menu},
        // The number after 1 or 4 is A's hand, and B's hand the next selection.
        session_case{"PrintAllTakesNumberAsHand", "1 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + ten_please + through + menu + again + last_menu},
        session_case{"ExitTakesNumberAsHand", "4 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + ten_please + through + menu + again + last_menu},
        session_case{"ExitPlaysAndGoesOn", "4 AHKHQHJH0H 2S3S4S5S6S 4 JHJD2S5C9H JSJC2H5D9D",
                     menu + royal_a + through + menu + pair_b + through + last_menu},
        session_case{"DeleteEvaluatesNothing", "3 1 AHKHQHJH0H\n2S3S4S5S6S\n",
                     menu + through + last_menu},
        session_case{"DeleteSaysNothingOfLength", "3 1 AH 2S", menu + through + last_menu},
        session_case{"WrongLengthAsksForTenCharacters", "2 1 AHKHQHJH0 2S3S4S5S6S",
                     menu + ten_please + through + last_menu},
        session_case{"OutOfRangeReadsGameNumber", "7 9 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"SelectionZeroIsOutOfRange", "0 9 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"SelectionFiveIsOutOfRange", "5 9 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"NonNumberSelectionAnsweredAtOnce", "x 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"LonePlusIsNoNumber", "+ 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"SignedSelection", "+2 -5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + royal_a + through + last_menu},
        session_case{"NegativeZeroIsOutOfRange", "-0 1 1 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"SelectionBeyond32BitsIsOutOfRange", "4294967298 1 2 1 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"NegativeSelectionIsOutOfRange", "-1 9 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"NegativeBeyond32BitsIsOutOfRange", "-4294967295 9 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"ByteBeforeZeroIsNoDigit", "/ 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"DigitAfterLetterIsNoNumber", "x1 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + royal_a + through + last_menu},
        session_case{"GameNumberOfAnySizeIsConsumed",
                     "2 -99999999999999999999999 AHKHQHJH0H 2S3S4S5S6S",
                     menu + royal_a + through + last_menu},
        session_case{"MissingGameNumberLeavesHandForA", "2 AHKHQHJH0H 2S3S4S5S6S",
                     menu + royal_a + through + last_menu},
        session_case{"HandStartingWithDigitsIsNoGameNumber", "2 2S3S4S5S6S AHKHQHJH0H",
                     menu + royal_b + through + last_menu},
        // Blanks that fill a whole read, before a token and at the start; the
        // short read after the full one ends in a blank, behind which the
        // buffer still holds the full read's blanks.
        session_case{"BlanksEndingAtAFullRead",
                     "2" + std::string(poker::io_buffer_size - 1, ' ') + "5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + royal_a + through + last_menu},
        session_case{"FullReadOfBlanksFirst",
                     std::string(poker::io_buffer_size, '\n') + "2 5 AHKHQHJH0H 2S3S4S5S6S\n",
                     menu + royal_a + through + last_menu},
        session_case{"NonNumberAfterOutOfRangeIsNextSelection", "7 x 2 5 AHKHQHJH0H 2S3S4S5S6S",
                     menu + again + menu + again + menu + royal_a + through + last_menu},
        session_case{"EndAtGameNumber", "2", last_menu},
        session_case{"NothingReadAfterTheEnd", "2", last_menu, poker::end_of_input::piped,
                     " 5 AHKHQHJH0H 2S3S4S5S6S\n"},
        session_case{"EndAtGameNumberAfterOutOfRange", "7", last_menu},
        session_case{"EndAtFirstHand", "2 5", last_menu},
        session_case{"EndAtSecondHand", "2 5 AHKHQHJH0H\n", last_menu},
        session_case{"EndAtSecondHandOfSecondGame", "2 5 AHKHQHJH0H 2S3S4S5S6S 2 5 JHJD2S5C9H",
                     menu + royal_a + through + last_menu}),
    poker::testing::case_name{});

constexpr auto terminal = poker::end_of_input::typed;
constexpr auto windows_terminal = poker::end_of_input::typed_then_end;

// The shell's prompt must come on the next line, with no blank line before it.
INSTANTIATE_TEST_SUITE_P(
    Screens, Sessions,
    ::testing::Values(session_case{"TerminalRightAfterPrompt", "", last_menu, terminal},
                      session_case{"TerminalAfterSelectionAndEnter", "2\n", menu, terminal},
                      session_case{"TerminalAfterGameNumberAndEnter", "2\n5\n", menu, terminal},
                      session_case{"TerminalAfterTypingWithoutEnter", "2", last_menu, terminal},
                      session_case{"TerminalAfterProgramWroteSinceEnter",
                                   "2 5 AHKHQHJH0H 2S3S4S5S6S\n",
                                   menu + royal_a + through + last_menu, terminal},
                      session_case{"WindowsTerminalAfterEnter", "2 5\r\n", menu, windows_terminal},
                      session_case{"WindowsTerminalRightAfterPrompt", "", menu, windows_terminal},
                      session_case{"PipeAfterLineEnd", "2\n", last_menu}),
    poker::testing::case_name{});

// What each read found on the screen when it was asked for more input.
struct screen_at_reads {
    poker::testing::memory_source source;
    std::string written;
    std::vector<std::string> at_read;
};

std::ptrdiff_t read_and_record(void* context, char* buffer, std::size_t capacity) {
    auto& s = *static_cast<screen_at_reads*>(context);
    s.at_read.push_back(s.written);
    return poker::testing::read_memory(&s.source, buffer, capacity);
}

// A person types one line at a time: each read must find everything the
// program has to say so far already written, the prompt included.
TEST(Console, WritesEverythingBeforeWaitingForInput) {
    screen_at_reads s{{"2 5 AHKHQHJH0H 2S3S4S5S6S\n", 1}, {}, {}};
    poker::testing::run_main_loop(read_and_record, &s, poker::testing::append_to_string,
                                  &s.written);
    ASSERT_GE(s.at_read.size(), 2u);
    EXPECT_EQ(s.at_read.front(), menu);
    EXPECT_EQ(s.at_read.back(), menu + royal_a + through + menu);
    EXPECT_EQ(s.written, menu + royal_a + through + last_menu);
}

std::string many_games(int games) {
    std::string typed;
    for (int i = 0; i < games; ++i) {
        typed += "2 5 AHKHQHJH0H 2S3S4S5S6S\n";
    }
    return typed;
}

// Piped input is not flushed line by line: output leaves in buffer-sized blocks.
TEST(Console, FlushesInBlocksNotLines) {
    const std::string typed = many_games(1000);
    poker::testing::memory_source source{typed};
    poker::testing::counting_sink sink;
    poker::testing::run_main_loop(poker::testing::read_memory, &source,
                                  poker::testing::count_writes, &sink);
    const std::size_t written =
        1000 * (menu.size() + royal_a.size() + through.size()) + last_menu.size();
    // Full buffers, plus one before the first read, one at end of input and the last.
    EXPECT_LE(sink.calls, written / poker::io_buffer_size + 3);
}

// How many played and deleted passes, after the first menu, end with a
// prompt that starts less than its own length before `boundary`.
struct pass_counts {
    std::size_t plays;
    std::size_t deletes;
};

pass_counts ending_across(std::size_t boundary, std::size_t first_menu, std::size_t played,
                          std::size_t deleted, std::size_t prompt) {
    for (std::size_t plays = 0; plays < 1000; ++plays) {
        for (std::size_t deletes = 0; deletes < 400; ++deletes) {
            const std::size_t end = first_menu + plays * played + deletes * deleted;
            if (end < boundary + prompt && end > boundary) {
                return {plays, deletes};
            }
        }
    }
    ADD_FAILURE() << "no pass counts put the last prompt across " << boundary;
    return {0, 0};
}

// Output past full buffers, compared byte for byte, in each encoding. The
// input comes in one read, so after the first menu (written before that
// read) the output leaves only when the buffer is full; the passes are
// counted from the encoded lengths so that the last prompt starts a few
// bytes before such a boundary, and the line end after it comes last.
TEST(Console, LongSessionAcrossFullBuffers) {
    for (const poker::text_table* texts : {&poker::utf8_texts, &poker::cp949_texts}) {
        const auto in_table = [&](std::string_view utf8) {
            return texts->encoding == poker::text_encoding::utf8
                       ? std::string(utf8)
                       : poker::testing::convert(utf8, "UTF-8", "CP949");
        };
        const std::string first = in_table(poker::testing::menu_utf8);
        const std::string played =
            in_table("로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 \n넘어 왔으 \n") + first;
        const std::string deleted = in_table("넘어 왔으 \n") + first;
        const pass_counts n = ending_across(first.size() + 2 * poker::io_buffer_size, first.size(),
                                            played.size(), deleted.size(), texts->prompt.size());
        std::string typed;
        std::string shown = first;
        for (std::size_t i = 0; i < n.plays + n.deletes; ++i) {
            typed += i < n.plays ? "2 5 AHKHQHJH0H 2S3S4S5S6S\n" : "3 1 AHKHQHJH0H 2S3S4S5S6S\n";
            shown += i < n.plays ? played : deleted;
        }
        shown += "\n";
        ASSERT_LE(typed.size(), poker::io_buffer_size) << "the input must come in one read";
        poker::testing::memory_source source{typed};
        std::string written;
        poker::testing::run_main_loop(poker::testing::read_memory, &source,
                                      poker::testing::append_to_string, &written, *texts);
        const auto difference =
            std::mismatch(written.begin(), written.end(), shown.begin(), shown.end());
        EXPECT_TRUE(written == shown)
            << n.plays << " games and " << n.deletes << " deletions: " << written.size()
            << " bytes written, " << shown.size() << " expected, first difference at byte "
            << difference.first - written.begin();
    }
}

// Once nothing can be written, the program reads no more input: not one read
// after the write that failed, in the middle of a long session.
struct failing_output {
    poker::testing::memory_source source;
    poker::testing::counting_sink sink;
    std::size_t reads_after_failure;
};

std::ptrdiff_t read_watching_output(void* context, char* buffer, std::size_t capacity) {
    auto& f = *static_cast<failing_output*>(context);
    f.reads_after_failure += f.sink.calls >= f.sink.fails_from ? 1 : 0;
    return poker::testing::read_memory(&f.source, buffer, capacity);
}

TEST(Console, StopsReadingWhenOutputFails) {
    const std::string typed = many_games(100000);
    failing_output f{{typed, 4096}, {0, 2}, 0};
    const auto records = poker::testing::run_main_loop(read_watching_output, &f,
                                                       poker::testing::count_writes, &f.sink);
    EXPECT_TRUE(records.out->failed);
    EXPECT_EQ(records.out->error, ENOSPC);
    EXPECT_FALSE(records.in->failed);
    EXPECT_EQ(f.sink.calls, 2u) << "written on after the output failed";
    EXPECT_EQ(f.reads_after_failure, 0u) << "input was read on after the output failed";
}

std::ptrdiff_t fail_after_first_read(void* context, char* buffer, std::size_t capacity) {
    auto& source = *static_cast<poker::testing::memory_source*>(context);
    if (source.reads > 0) {
        errno = EIO;
        return -1;
    }
    return poker::testing::read_memory(context, buffer, capacity);
}

// A read error is not end of input: it is reported, and a token cut short by
// it is not played.
TEST(Console, ReadErrorEndsWithoutPlayingCutToken) {
    poker::testing::memory_source source{"2 5 AHKHQHJH0H 2S3S4"};
    std::string written;
    const auto records = poker::testing::run_main_loop(fail_after_first_read, &source,
                                                       poker::testing::append_to_string, &written);
    EXPECT_TRUE(records.in->failed);
    EXPECT_EQ(records.in->error, EIO);
    EXPECT_EQ(written, last_menu);
}

} // namespace
