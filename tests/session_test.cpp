// Whole sessions from memory, where the dialogue check cannot reach: the end
// of the input at a terminal, when the output is flushed, and failures.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include "case_name.h"
#include "encoding.h"
#include "memory_io.h"

namespace {

using poker::testing::encoded;

const std::string menu = encoded(poker::testing::menu_utf8);
const std::string through = encoded("넘어 왔으 \n");
const std::string royal_a = encoded("로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 \n");
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
        const auto records = poker::testing::run_main_loop(
            poker::testing::read_memory, &source, poker::testing::append_to_string, &written,
            poker::build_encoding, c.where);
        const std::string input = "typed \"" + c.typed.substr(0, 60) + "\", chunk ";
        EXPECT_EQ(written, c.shown) << input << chunk;
        EXPECT_EQ(poker::written(*records.out), c.shown.size()) << input << chunk;
        EXPECT_EQ(records.out->line_open, !c.shown.ends_with('\n')) << input << chunk;
    }
}

constexpr auto terminal = poker::end_of_input::typed;
constexpr auto windows_terminal = poker::end_of_input::typed_then_end;

// When the input ends, the shell's prompt must come on the next line, with
// no blank line before it; and nothing more is read, though a terminal
// serves what is typed after Ctrl-D.
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
                      session_case{"NothingReadAfterTheEnd", "2", last_menu,
                                   poker::end_of_input::piped, " 5 AHKHQHJH0H 2S3S4S5S6S\n"}),
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
