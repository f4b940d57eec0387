// final_print: a result text for any winner code and score. What games
// write is the dialogue check's (dialogue_check.py).
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "encoding.h"
#include "game.h"
#include "memory_io.h"

namespace {

using poker::testing::encoded;

struct print_case {
    const char* name;
    std::int32_t winner;
    std::int32_t score;
    const char* text; // UTF-8
};

class FinalPrint : public ::testing::TestWithParam<print_case> {};

TEST_P(FinalPrint, PicksColumnByWinnerAndRowByBand) {
    const print_case& c = GetParam();
    const std::string written =
        poker::testing::with_console("", 1, [&](poker::token_reader&, poker::output& out) {
            poker::final_print(out, poker::texts_in(poker::build_encoding), c.winner, c.score);
            EXPECT_EQ(poker::written(out), encoded(c.text).size()) << "held, not yet flushed";
        });
    EXPECT_EQ(written, encoded(c.text)) << "winner " << c.winner << ", score " << c.score;
}

// The scores and winner codes that no game reaches: rank bytes give scores
// from -28 to 1027, and a game names A or B.
INSTANTIATE_TEST_SUITE_P(
    Bands, FinalPrint,
    ::testing::Values(
        print_case{"RoyalTopOfBandB", 2, 1099, "로얄 스트레이트 플러쉬로 B가 이겼습니다."},
        print_case{"AboveAllBandsA", 1, 1100, "탑으로 A가 이겼습니다."},
        print_case{"WinnerZeroTakesBColumn", 0, 1014, "로얄 스트레이트 플러쉬로 B가 이겼습니다."},
        print_case{"WinnerThreeTakesBColumn", 3, 211, "원페어로 B가 이겼습니다."}),
    poker::testing::case_name{});

} // namespace
